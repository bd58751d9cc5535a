#include "batch/CommandLineFile.h"

#include "common/Encoding.h"
#include "common/FileIo.h"
#include "common/Numbers.h"
#include "common/Texts.h"
#include "common/Ui.h"
#include "data/DataSet.h"
#include "settings/ViewSettings.h"

#include <algorithm>
#include <limits>
#include <vector>

namespace vellum {
namespace {

bool isSeparator(char c) { return c == '=' || c == '>'; }

// "Dimension" is the shape choice + 2; the difference is taken wide so that the most
// negative value a file can hold does not wrap round.
int shapeOfDimension(int dimension) {
    return static_cast<int>(std::max<long long>(dimension - 2LL, std::numeric_limits<int>::min()));
}

// Cuts a line at every "=" and ">"; runs count as one separator. Nothing is trimmed, so
// "Dimension = 3" has the key "Dimension " and matches nothing.
std::vector<std::string_view> splitTokens(std::string_view line) {
    std::vector<std::string_view> tokens;
    size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && isSeparator(line[i])) ++i;
        size_t start = i;
        while (i < line.size() && !isSeparator(line[i])) ++i;
        if (i > start) tokens.push_back(line.substr(start, i - start));
    }
    return tokens;
}

// Applies one key with its value tokens. Each value is applied in turn, so the last wins.
void applyLine(const std::vector<std::string_view>& tokens, RunOptions& options, DataSet& dataSet,
               ViewSettings& view, CommandLineParse& parse) {
    const std::string_view key = tokens.front();
    auto eachInt = [&](auto&& apply) {
        for (size_t i = 1; i < tokens.size(); ++i) apply(parseIntPrefix(tokens[i]));
    };
    auto lastText = [&](std::string& target) {
        if (tokens.size() > 1) target = std::string(tokens.back());
    };

    if (key == "Dimension") {
        eachInt([&](int v) { options.shape = shapeOfDimension(v); });
    } else if (key == "PolarCoordinates") {
        eachInt([&](int v) { dataSet.polarFlag = options.polarDefault = v; });
    } else if (key == "RadianData") {
        eachInt([&](int v) { dataSet.radiansFlag = options.radiansDefault = v; });
    } else if (key == "DataType") {
        eachInt([&](int v) { options.dataType = v; });
    } else if (key == "DataNumber") {
        // Read by the data type in force now: a DataType=2 line must come first.
        if (options.dataType == 2) {
            for (size_t i = 1; i < tokens.size() && i <= 3; ++i)
                dataSet.vectorColumns[i - 1] = parseIntPrefix(tokens[i]);
        } else {
            eachInt([&](int v) { view.selectedColumn = v; });
        }
    } else if (key == "PointFile") {
        parse.pointFileKeySeen = true;
        lastText(dataSet.files.pointFileName);
    } else if (key == "ElementFile") {
        lastText(dataSet.files.elementFileName);
    } else if (key == "DataFile") {
        lastText(dataSet.files.dataFileName);
    } else if (key == "ViewFile") {
        lastText(dataSet.files.viewFileName);
    } else if (key == "DataSeries") {
        // Every value is a pattern of its own: "a_*.txt>b_*.txt" joins two runs of steps.
        dataSet.files.seriesPatterns.clear();
        for (size_t i = 1; i < tokens.size(); ++i) dataSet.files.seriesPatterns.emplace_back(tokens[i]);
    } else if (key == "StlFile") {
        lastText(dataSet.files.stlFileName);
    } else if (key == "ImageFile") {
        lastText(dataSet.files.imageFilePath);
    } else if (key == "AutoExit") {
        eachInt([&](int v) { options.exitFlag = v; });
    }
}

} // namespace

void clearCommandLineTargets(RunOptions& options, DataSet& dataSet, ViewSettings& view) {
    const int autoMesh = options.autoMesh;
    options = RunOptions{};
    options.autoMesh = autoMesh;
    dataSet.polarFlag = 0;
    dataSet.radiansFlag = 0;
    dataSet.vectorColumns = {0, 1, 2};
    view.selectedColumn = 0;
    FileSet& f = dataSet.files;
    for (std::string* field : {&f.pointFilePath, &f.pointFileName, &f.elementFilePath, &f.elementFileName,
                               &f.dataFilePath, &f.dataFileName, &f.viewFilePath, &f.viewFileName, &f.stlFilePath,
                               &f.stlFileName, &f.stlExtension, &f.imageFilePath, &f.imageFileName,
                               &f.imageExtension})
        field->clear();
    f.seriesPatterns.clear();
    f.seriesPatternPaths.clear();
}

CommandLineParse applyCommandLineText(std::string_view bytes, RunOptions& options, DataSet& dataSet,
                                      ViewSettings& view, Ui& ui, const std::string& fileName) {
    // One decision for the whole file, then each line is decoded on its own so that the
    // length limit applies to the line as stored.
    const bool utf8 = hasUtf8Bom(bytes) || isMultibyteUtf8(bytes);
    if (hasUtf8Bom(bytes)) bytes.remove_prefix(3);

    CommandLineParse parse;
    size_t lineNumber = 0;
    size_t pos = 0;
    while (pos < bytes.size()) {
        size_t end = bytes.find('\n', pos);
        const bool hasLineFeed = end != std::string_view::npos;
        if (!hasLineFeed) end = bytes.size();
        std::string_view raw = bytes.substr(pos, end - pos);
        pos = hasLineFeed ? end + 1 : bytes.size();
        ++lineNumber;
        if (hasLineFeed && !raw.empty() && raw.back() == '\r') raw.remove_suffix(1);

        if (raw.size() > kMaxCommandLineLength) {
            ui.showMessage(shownText(TX("コマンドラインファイルの%1行目が%2文字を超えるため読み飛ばしました\n%3"),
                                     {std::to_string(lineNumber), std::to_string(kMaxCommandLineLength), fileName}));
            continue;
        }
        if (raw.empty() || raw.substr(0, 2) == "//") continue;
        const std::string line = utf8 ? std::string(raw) : cp932ToUtf8(raw);
        const auto tokens = splitTokens(line);
        if (!tokens.empty()) applyLine(tokens, options, dataSet, view, parse);
    }
    return parse;
}

std::string formatCommandLineFile(const RunOptions& options, const DataSet& dataSet, int selectedColumn,
                                  int fullPath) {
    const FileSet& f = dataSet.files;
    const bool full = fullPath != 0;
    std::string text;
    text += formatC("Dimension=%lld\n", options.shape + 2LL);
    text += formatC("PolarCoordinates=%d\n", options.polarDefault);
    text += formatC("RadianData=%d\n", options.radiansDefault);
    text += formatC("DataType=%d\n", options.dataType);
    if (options.dataType == 2) {
        text += formatC("DataNumber=%d>%d>%d\n", dataSet.vectorColumns[0], dataSet.vectorColumns[1],
                        dataSet.vectorColumns[2]);
    } else {
        text += formatC("DataNumber=%d\n", selectedColumn);
    }
    if (isStlModel(f)) {
        // A reader that does not know the key stops at the missing node file instead of
        // drawing some other model.
        text += "StlFile=" + (full ? f.stlFilePath : f.stlFileName) + "\n";
    } else {
        text += "PointFile=" + (full ? f.pointFilePath : f.pointFileName) + "\n";
        text += "ElementFile=" + (full ? f.elementFilePath : f.elementFileName) + "\n";
        text += "DataFile=" + (full ? f.dataFilePath : f.dataFileName) + "\n";
        if (!f.seriesPatterns.empty()) {
            text += "DataSeries=";
            const auto& patterns = full && !f.seriesPatternPaths.empty() ? f.seriesPatternPaths : f.seriesPatterns;
            for (size_t i = 0; i < patterns.size(); ++i) text += (i ? ">" : "") + patterns[i];
            text += "\n";
        }
    }
    if (!f.viewFileName.empty()) text += "ViewFile=" + (full ? f.viewFilePath : f.viewFileName) + "\n";
    text += "//イメージファイル出力用\n";
    text += "ImageFile=\n";
    text += "AutoExit=0\n";
    return text;
}

int writeCommandLineFile(const std::string& path, const RunOptions& options, const DataSet& dataSet,
                         int selectedColumn, int fullPath, Ui& ui) {
    // Nothing to describe: no file at all rather than an empty one.
    if (dataSet.files.pointFileName.empty() && !isStlModel(dataSet.files)) return 1;
    const std::string text = formatCommandLineFile(options, dataSet, selectedColumn, fullPath);
    if (!writeFileAtomically(path, utf8ToCp932(text))) {
        ui.showMessage(TX("コマンドライン処理用のファイル作成に失敗しました"));
        return 1;
    }
    return 0;
}

} // namespace vellum
