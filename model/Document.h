#pragma once
// The one object a program owns for its graph: the data set with its files, the look
// record, the run options and the view state the commands need. The headless program owns
// one; the desktop view owns one. Every operation returns 0 on success and 1 on failure,
// after showing its own messages through the Ui; nothing throws.
//
// Process-wide effects stay with the program that owns the process: the profile is read
// by the caller (readProfile, searchListFromProfile) and the current directory is the
// caller's to change.
#include "batch/RegisteredPaths.h"
#include "batch/RunOptions.h"
#include "data/DataSet.h"
#include "data/Materials.h"
#include "model/MaterialChoice.h"
#include "model/OpenChoice.h"
#include "model/ProbeReading.h"
#include "model/ResultSeries.h"
#include "settings/LookChange.h"
#include "settings/SaveItemSelection.h"
#include "settings/ViewSettings.h"

#include <array>
#include <memory>
#include <string>
#include <vector>

namespace vellum {

class Profile;
class Ui;
class LoadPrefetch;
class LoadSource;
enum class LoadFile;
struct SequenceMessages;

class Document {
public:
    DataSet dataSet;
    ViewSettings look;
    RunOptions options;
    int loaded = 0; // 1 after a successful load, import or run; nothing is drawn while 0
    // The element and data files are parsed on their own threads while the nodes are
    // read; off, every file is read in its step. The outcome is the same either way.
    bool parseAhead = true;
    // Parses started before the program could load (StartJobParses); the next load takes
    // those of its own files and clears this.
    std::shared_ptr<LoadPrefetch> parsesStarted;
    RegisteredPaths registeredPaths;
    SaveItemSelection saveItems;
    // The specific-element display's materials, in the order its dialog lists them; the
    // elements of a hidden material are not drawn.
    std::vector<MaterialCount> shownMaterials, hiddenMaterials;
    // Probes the person pinned on the loaded graph, in the order pinned; every load or
    // run starts without any.
    std::vector<ProbeTarget> pins;
    // A result series on the loaded mesh (DataSeries in a command-line file); empty for none.
    ResultSeries series;
    // How the material file fits the elements loaded now; a load reads the file again.
    MaterialFileFit materialFit;

    // What the view reads when it is made: the registered paths with the absolute-path
    // option, the saved-item selection and the open dialog's defaults.
    void readProfile(const Profile& profile);

    // The data set to draw, or null while nothing is loaded: a failed load may have
    // replaced part of the data, which must not be drawn.
    const DataSet* drawable() const { return loaded == 1 ? &dataSet : nullptr; }

    // The shape the model's faces are built for: the shape choice of the load, or a sheet
    // for an STL surface. Drawing takes it with the data type.
    int modelShape() const { return modelShape_; }

    // "vellumPLOT - ver.2.41 [<node file>]", the caption of a loaded graph; an imported
    // STL surface is named by its STL file.
    std::string caption() const;

    // ---- Loading
    // The open command after the dialog's OK: the look back to its defaults, the choice
    // copied in, then the load; the loaded flag follows the result.
    int Open(Ui& ui, const OpenChoice& choice);
    // The open command's load sequence over the files and options already set:
    // nodes, elements (read or built), polar conversion, extents, data rows and their
    // statistics, the look fitted to the data, normalisation and faces.
    int Load(Ui& ui);
    // Runs the command-line file at `path` (a relative path is taken against the current
    // directory). `searchList` holds the registered folders, each ending in "/"
    // (searchListFromProfile). Sets the loaded flag.
    int RunCommandLineFile(Ui& ui, const std::string& path, const std::vector<std::string>& searchList);
    // Starts reading the node, element and data files the command-line file at `path`
    // names, found as its run will look for them, so that a program can parse while it
    // starts up; the parses give way to the starting thread. Says nothing: null for a file
    // that names no node file, a series or anything unreadable, which the run itself then
    // reports.
    static std::shared_ptr<LoadPrefetch> StartJobParses(const std::string& path,
                                                        const std::vector<std::string>& searchList);
    // Imports the ASCII STL file at `path` as node values coloured by x. Sets the loaded flag.
    // A command-line file names one by an StlFile line instead of a node file.
    int ImportStl(Ui& ui, const std::string& path);

    // ---- Result series
    // Shows step `step` of the series: its data file is read onto the mesh; the camera,
    // the look, the pins and the hidden parts stay, the legend range follows the series'
    // choice. 1 after the messages when the step cannot be read; the step shown before is
    // then shown again (nothing is drawn only when that fails too).
    int ShowSeriesStep(Ui& ui, size_t step);
    // The legend range: the shown step's own, or the fixed range over every step when the
    // look asks for it (found once per column, one step at a time).
    void ApplySeriesLegend();
    // Leaves out the steps at these positions (a check found them unfit); the shown step
    // keeps its place when it stays.
    void DropSeriesSteps(const std::vector<size_t>& unfit);

    // ---- Changes of the look
    // A dialog's OK: the edited copy becomes the look; drawing coordinates and faces are
    // built again when the change needs them. A normalisation failure leaves the look
    // applied and returns 1.
    int ApplyLook(Ui& ui, const ViewSettings& edited);
    // Shows another data column of node or element values: drawing data for it, and the
    // legend range becomes its minimum and maximum.
    int SelectColumn(Ui& ui, int column);
    // Normalisation and faces from the current look, data type and shape (vector data:
    // the magnitude column first). 0, or 1 after the step's own message.
    int RebuildDrawingData(Ui& ui);

    // ---- Data columns and the materials shown
    // The data-column dialog's OK with its three list positions (-1: nothing chosen).
    // Vector data take them as the components and draw the new magnitude; other data draw
    // the first, or keep the current column when none is chosen. The legend range follows
    // the drawn column. A column the data do not have is refused with a message and
    // nothing changes.
    int ChangeDataColumns(Ui& ui, const std::array<int, 3>& chosen);
    // The material dialog's browse: both material lists are emptied, then the file's
    // material numbers go onto the elements and `listed` gets its materials.
    int ReadMaterialFile(Ui& ui, const std::string& path, std::vector<MaterialCount>& listed);
    // The material dialog's OK: its file and lists become the document's, then the
    // visibility is applied.
    int ApplySpecificElements(Ui& ui, const MaterialChoice& choice);
    // The section box, then the hidden materials, decide what is drawn.
    void ApplyVisibility(Ui& ui);
    // The cross-section dialog's OK: the box (minimum and maximum along axes 1, 2, 3 in
    // data units) becomes the data set's, then the visibility is applied.
    void ApplySectionBox(Ui& ui, const std::array<double, 6>& box);

    // ---- Files written and read on command
    // Reads a view settings file: its path and name become the document's view file, and
    // the drawing data are rebuilt when the file changed what they depend on.
    int ReadViewSettingsFile(Ui& ui, const std::string& path);
    // Writes the items of the saved-item selection; the path becomes the view file.
    int WriteViewSettingsFile(Ui& ui, const std::string& path);
    // Nothing is written while no graph is loaded (0); names files by full path when the
    // absolute-path option is on.
    int WriteCommandLineFile(Ui& ui, const std::string& path) const;
    // The node (element) file becomes `path`, then it is written.
    int ExportNodeFile(Ui& ui, const std::string& path);
    int ExportElementFile(Ui& ui, const std::string& path);
    // The closing backups in `folder` (ending in "/"): every look item as bkView.ini, and
    // bkCmdLine.dat naming every file by its full path. Nothing while no graph is loaded.
    // A writer that fails shows its message and the other backup is still written.
    int WriteBackups(Ui& ui, const std::string& folder);

private:
    int readModelFiles(Ui& ui, LoadSource& source, const SequenceMessages& messages);
    int failReading(Ui& ui, LoadSource& source, LoadFile file, const char* message);
    int tieData(Ui& ui, LoadSource& source, const SequenceMessages& messages);
    int finishOpenLoad(Ui& ui, int shape);
    int failedStl(Ui& ui, const char* message);
    int readStlModel(Ui& ui, const std::string& path);
    void refitMaterials(Ui& ui);
    int resolveJobSeries(Ui& ui, const std::string& folder, const std::vector<std::string>& searchList);
    int readStlJob(Ui& ui, const std::string& folder, const std::vector<std::string>& searchList);

    int modelShape_ = kSheetShape;
};

inline constexpr const char* kBackupViewFile = "bkView.ini";
inline constexpr const char* kBackupCommandFile = "bkCmdLine.dat";

} // namespace vellum
