#include "cli/HeadlessJob.h"

#include "batch/Backups.h"
#include "batch/BatchView.h"
#include "batch/CommandLineRun.h"
#include "batch/DrawingArea.h"
#include "batch/FileNameResolution.h"
#include "batch/RegisteredPaths.h"
#include "batch/RunSummary.h"
#include "common/StreamUi.h"
#include "data/Document.h"
#include "render/ImageFile.h"
#include "render/OffscreenPicture.h"
#include "render/TextDecorations.h"
#include "settings/Profile.h"
#include "settings/ProfileValues.h"
#include "settings/ViewSettings.h"

#include <algorithm>
#include <filesystem>

namespace vellum {
namespace {

// The program argument and --out are taken against the directory the program started in;
// the run later makes the job's folder current.
std::string absoluteFromStart(const std::string& path) {
    if (path.empty() || path.front() == '/') return path;
    std::error_code ec;
    const std::filesystem::path current = std::filesystem::current_path(ec);
    return ec ? path : (current / path).string();
}

// The drawing area: --size, or the frame (as a look file's WINDOW left it) less its bars.
std::pair<int, int> drawingArea(const BatchOptions& options, const WindowEdges& frame) {
    if (options.width > 0 && options.height > 0) return {options.width, options.height};
    return drawingAreaOfFrame(frame);
}

// What the application's document and view hold for one job.
struct HeadlessDocument {
    Document document;
    ViewSettings& view = document.look;
    RunOptions options;
};

// Draws the loaded graph once and writes it to every path. 0 when all were written.
int drawAndWrite(Ui& ui, HeadlessDocument& doc, int width, int height, const std::vector<std::string>& paths) {
    OffscreenRequest request;
    request.width = width;
    request.height = height;
    request.dataSet = &doc.document.dataSet;
    request.state = SceneState{doc.options.dataType, doc.options.shape};
    request.makeDecorations = [&ui] { return std::make_unique<TextDecorations>(ui); };
    std::string error;
    const RgbImage image = PaintOffscreen(doc.view, request, error);
    if (image.pixels.empty()) {
        ui.showMessage("OpenGLの初期化に失敗しました\n" + error);
        return 1;
    }
    int result = 0;
    for (const std::string& path : paths)
        if (ExportImage(ui, path, image) != 0) result = 1;
    return result;
}

} // namespace

int runHeadlessJob(const BatchOptions& options, std::ostream& messages, std::ostream& summary) {
    StreamUi ui(messages);
    HeadlessDocument doc;
    {
        // What the view reads from the profile when it is made.
        const Profile profile = Profile::openUserProfile();
        RegisteredPaths registered;
        registered.load(profile);
        doc.options.fullPath = registered.fullPath;
        OpenDialogDefaults defaults;
        defaults.load(profile);
        doc.options.shape = defaults.dimension;
        doc.options.dataType = defaults.dataType;
    }
    doc.view.WINDOW = kInitialFrameEdges;
    BatchView batch{ui, doc.document.dataSet, doc.view, doc.options, {}, {}};
    FileSet& files = doc.document.dataSet.files;

    const std::string input = absoluteFromStart(withoutQuotes(options.inputFile));
    const std::string outImage = absoluteFromStart(options.outImage);
    files.commandFilePath = input;
    files.argumentExtension = extensionOf(input);

    int result = 0;
    if (isStlExtension(files.argumentExtension)) {
        files.stlFilePath = input;
        files.stlFileName = finalComponent(input);
        files.stlExtension = files.argumentExtension;
        result = RunStlImport(batch);
    } else {
        result = RunCommandLineFile(batch);
        doc.options.loaded = result == 0 ? 1 : 0;
    }

    std::string imageWritten;
    if (result == 0) {
        std::vector<std::string> paths;
        if (!files.imageFilePath.empty()) paths.push_back(files.imageFilePath);
        if (!outImage.empty() && outImage != files.imageFilePath) paths.push_back(outImage);
        if (!paths.empty()) {
            const auto [width, height] = drawingArea(options, doc.view.WINDOW);
            if (drawAndWrite(ui, doc, width, height, paths) != 0) result = 1;
            else imageWritten = paths.front();
        }
    }

    // Taken before the backups rename the files to their full paths.
    const std::string summaryText = formatRunSummary(doc.document.dataSet, doc.options, doc.view.selectedColumn, imageWritten);

    // The program ends here, so the window's closing steps run: backups of a loaded graph.
    // A backup that cannot be written says so; the job itself has still been done.
    WriteBackups(batch);

    if (options.summary) summary << summaryText << '\n' << std::flush;
    return result == 0 ? 0 : 1;
}

} // namespace vellum
