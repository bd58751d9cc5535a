#pragma once
// The rules of the file-open dialog, apart from its widgets: which buttons are enabled,
// what a browse sets, and what OK checks and clears before the dialog may close.
#include "data/FileSet.h"
#include "batch/RunOptions.h"
#include "model/OpenChoice.h"

#include <string>
#include <vector>

namespace vellum {

class Profile;

// After every confirmed dialog: the shape choice, the automatic mesh, the data type and the
// two polar options become the dialog's defaults. The caller saves the profile.
void storeOpenChoice(Profile& profile, const OpenChoice& choice);

class FileOpenForm {
public:
    // Filled from the document's files and the view's options; the polar options are the
    // ones the profile holds when the dialog opens.
    FileOpenForm(const FileSet& files, const RunOptions& options, int polar, int radians);

    const OpenChoice& choice() const { return choice_; }

    // The three names the dialog shows.
    const std::string& nodeName() const { return choice_.pointFileName; }
    const std::string& elementName() const { return choice_.elementFileName; }
    const std::string& dataName() const { return choice_.dataFileName; }
    // The data field: the data file's name, and with a series the count of the others
    // ("step_1.txt ほか 119 個").
    std::string dataFieldText() const;

    bool elementBrowseEnabled() const { return choice_.autoMesh == 0; }
    bool dataBrowseEnabled() const { return choice_.dataType != 3; }
    bool radiansEnabled() const { return choice_.polar == 1; }

    // A browse picked a file: its full path is kept and its name shown.
    void setNodeFile(const std::string& path);
    void setElementFile(const std::string& path);
    void setDataFile(const std::string& path);
    // Several data files chosen at once: a result series in that order, the first one
    // the data file.
    void setDataFiles(const std::vector<std::string>& paths);

    void setShape(int shape) { choice_.shape = shape; }
    void setDataType(int dataType) { choice_.dataType = dataType; }
    void setAutoMesh(bool on) { choice_.autoMesh = on ? 1 : 0; }
    void setPolar(bool on) { choice_.polar = on ? 1 : 0; }
    // Kept even while the polar box is clear; it then has no effect.
    void setRadians(bool on) { choice_.radians = on ? 1 : 0; }

    // OK pressed: the message to show while the dialog stays open, or empty when it may
    // close. The element file is forgotten with the automatic mesh, the data file
    // without a data file.
    std::string confirm();

private:
    OpenChoice choice_;
};

} // namespace vellum
