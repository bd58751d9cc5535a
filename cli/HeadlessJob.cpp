#include "cli/HeadlessJob.h"

#include "batch/DrawingArea.h"
#include "batch/FileNameResolution.h"
#include "batch/RegisteredPaths.h"
#include "cli/PictureRequests.h"
#include "cli/RunSummary.h"
#include "cli/SeriesFrames.h"
#include "common/StreamUi.h"
#include "common/Texts.h"
#include "common/UserPaths.h"
#include "model/Document.h"
#include "model/EmptyMeshWarning.h"
#include "model/FaultNotes.h"
#include "render/ImageFile.h"
#include "render/OffscreenPicture.h"
#include "render/ProbePicker.h"
#include "settings/Profile.h"

#include <algorithm>
#include <filesystem>

namespace vellum {
namespace {

// The program argument and --out are taken against the directory the program started in.
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

// What a report picture asks for that cannot be given, said before anything is drawn so
// that no file is written: transparency for a JPEG or BMP path, or a picture larger than
// memory allows. 0 when the picture can be drawn.
int refuseReportPicture(Ui& ui, const BatchOptions& options, int width, int height,
                        const std::vector<std::string>& paths) {
    if (options.transparent)
        for (const std::string& path : paths)
            if (CheckTransparentTarget(ui, path) != 0) {
                ui.showDetail(shownText(TX("対象ファイル: %1"), {path}));
                return 1;
            }
    // Vector pictures have no pixels to run out of.
    for (const std::string& path : paths)
        if (vectorFormatForPath(path) == VectorFormat::None && !reportPictureFits(width, height, options.scale)) {
            ui.showMessage(shownText(TX("画像が大きすぎます\n%1x%2 の %3 倍は描けません（一辺 %4 ピクセル、全体 %5 ピクセルまで）"),
                                     {std::to_string(width), std::to_string(height), std::to_string(options.scale),
                                      std::to_string(kLargestPictureSide), std::to_string(kLargestPicturePixels)}));
            ui.showDetail(shownText(TX("対象ファイル: %1"), {path}));
            return 1;
        }
    return 0;
}

// Draws the loaded graph and writes it to every path: SVG and PDF as vector pictures,
// the other types from one picture drawn once. 0 when all were written.
int drawAndWrite(Ui& ui, const Document& doc, const BatchOptions& options, int width, int height,
                 const std::vector<std::string>& paths, OffscreenWarmUp& warmUp) {
    if (refuseReportPicture(ui, options, width, height, paths) != 0) return 1;
    OffscreenRequest request;
    request.font = &warmUp.font();
    request.warmUp = &warmUp;
    request.width = width;
    request.height = height;
    request.scale = options.scale;
    request.antialias = options.antialias;
    request.transparent = options.transparent;
    request.dataSet = doc.drawable();
    request.state = SceneState{doc.options.dataType, doc.modelShape()};
    request.progress = &ui;
    RgbaImage image;
    EncodedImage encoded; // ImageFile and --out of one type share one encoding
    int result = 0;
    for (const std::string& path : paths) {
        int written = 0;
        if (vectorFormatForPath(path) != VectorFormat::None) {
            written = ExportVectorPicture(ui, path, doc.look, vectorRequestOf(request));
        } else {
            // A picture asked for as always is drawn and written exactly as always.
            const bool plain = options.scale == 1 && !options.antialias && !options.transparent;
            encoded.quick = !plain;
            if (image.colour.pixels.empty()) {
                std::string error;
                image = plain ? RgbaImage{PaintOffscreen(doc.look, request, error), {}}
                              : PaintReportPicture(doc.look, request, error);
                if (image.colour.pixels.empty()) {
                    ui.showMessage(shownText(TX("OpenGLの初期化に失敗しました\n%1"), {error}));
                    return 1;
                }
            }
            written = ExportImage(ui, path, image, &encoded);
        }
        if (written != 0) {
            noteUnwritableFile(ui, path);
            result = 1;
        }
    }
    return result;
}

// What lies under each probed pixel of the picture, one JSON line each; nothing is hit
// on a graph that did not load. A scaled picture's pixel lies over the drawing area's
// pixel it was enlarged from.
std::string probesOf(const Document& doc, const std::vector<std::pair<int, int>>& pixels, int width, int height,
                     int scale) {
    std::string lines;
    ProbePicker picker;
    const SceneState state{doc.options.dataType, doc.modelShape()};
    for (const auto& [x, y] : pixels) {
        const ProbeHit hit =
            doc.drawable() ? picker.pick(doc.dataSet, doc.look, state, width, height, x / scale, y / scale) : ProbeHit{};
        if (!hit.hit) {
            lines += probeJson(x, y, nullptr) + "\n";
            continue;
        }
        const ProbeReading reading = readProbe(doc.dataSet, state.dataType, doc.look.selectedColumn, hit.target);
        lines += probeJson(x, y, &reading) + "\n";
    }
    return lines;
}

} // namespace

int runHeadlessJob(const BatchOptions& options, std::ostream& messages, std::ostream& summary, std::string* image) {
    StreamUi ui(messages);
    OffscreenWarmUp warmUp; // while the files load
    Document doc;
    {
        const Profile profile = Profile::openUserProfile();
        if (profile.unreadable()) {
            ui.showMessage(TX("警告: プロファイルが読めません\n登録パスと既定値は使いません"));
            noteFileAtFault(ui, profile.path(), profile.path());
        }
        doc.readProfile(profile);
    }
    doc.look.WINDOW = kInitialFrameEdges;

    const std::string input = absoluteFromStart(withoutQuotes(options.inputFile));
    const std::string outImage = absoluteFromStart(options.outImage);
    FileSet& files = doc.dataSet.files;
    files.argumentExtension = extensionOf(input);
    const bool stlImport = isStlExtension(files.argumentExtension);
    const int result = stlImport
                           ? doc.ImportStl(ui, input)
                           // Read afresh: a path registered a moment ago counts for this run.
                           : doc.RunCommandLineFile(ui, input, searchListFromProfile(Profile::openUserProfile()));

    int status = result;
    std::string imageWritten;
    const auto [width, height] = drawingArea(options, doc.look.WINDOW);
    if (result == 0 && options.printRange) {
        status = printSeriesRange(doc, ui, summary);
    } else if (result == 0 && !options.seriesOutput.empty()) {
        // The frames are the pictures of a series job; ImageFile and --out are not drawn.
        if (options.fixedRange) doc.look.seriesFixedRange = 1;
        SeriesFramesRequest request;
        request.shardIndex = options.shardIndex;
        request.shardCount = options.shardCount;
        request.givenRange = options.hasRange;
        request.rangeMinimum = options.rangeMinimum;
        request.rangeMaximum = options.rangeMaximum;
        request.pattern = absoluteFromStart(options.seriesOutput);
        request.width = width;
        request.height = height;
        request.fps = options.fps;
        request.scale = options.scale;
        request.antialias = options.antialias;
        request.font = &warmUp.font();
        status = writeSeriesFrames(doc, request, ui);
    } else if (result == 0) {
        const std::string warning = emptyMeshWarning(doc);
        if (!warning.empty()) ui.showMessage(warning);
        std::vector<std::string> paths;
        if (!files.imageFilePath.empty()) paths.push_back(files.imageFilePath);
        if (!outImage.empty() && outImage != files.imageFilePath) paths.push_back(outImage);
        if (!paths.empty()) {
            if (drawAndWrite(ui, doc, options, width, height, paths, warmUp) != 0) status = 1;
            else imageWritten = paths.front();
        }
    }

    // Taken before the backups rename the files to their full paths.
    const std::string summaryText = formatRunSummary(doc, imageWritten);
    const std::string probeLines = probesOf(doc, options.probes, width, height, options.scale);

    // The program ends here, so the window's closing steps run: backups of a loaded graph.
    // A backup that cannot be written says so; the job itself has still been done.
    doc.WriteBackups(ui, programFolder());

    if (image) *image = imageWritten;
    if (options.summary) summary << summaryText << '\n';
    summary << probeLines << std::flush;
    return status == 0 ? 0 : 1;
}

} // namespace vellum
