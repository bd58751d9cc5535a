#include "model/LoadPrefetch.h"

#include "common/FileIo.h"
#include "common/ThreadPriority.h"
#include "common/Ui.h"

namespace vellum {
namespace {

// Notes whether a step had anything to say; progress is not worth keeping.
class ListeningUi final : public Ui {
public:
    void showMessage(std::string_view) override { spoke = true; }
    void showDetail(std::string_view) override { spoke = true; }
    bool askYesNo(std::string_view) override {
        spoke = true;
        return false;
    }
    void beginProgress(std::string_view) override {}
    void setProgress(int) override {}
    void endProgress(bool) override {}
    void beginWaitCursor() override {}
    void endWaitCursor() override {}
    bool spoke = false;
};

// Nice levels a parse gives way by: enough that a starting window, which needs about a core
// to itself, gets it on a two-core machine, while the parse still has the rest.
constexpr int kGiveWaySteps = 10;

void takePriority(ParsePriority priority) {
    if (priority == ParsePriority::lower) lowerThisThreadPriority(kGiveWaySteps);
}

} // namespace

void LoadPrefetch::startNodes(const std::string& path) {
    if (path.empty()) return;
    nodePath_ = path;
    nodes_ = std::async(std::launch::async, [path, priority = priority_] {
        takePriority(priority);
        DataSet own;
        own.files.pointFilePath = path;
        ListeningUi ui;
        ReadNodes read;
        read.read = own.ReadNodes(ui) == 0 && !ui.spoke;
        if (read.read) {
            read.nodes = std::move(own.nodes);
            read.nodeMap = std::move(own.nodeMap);
        }
        return read;
    });
}

bool LoadPrefetch::takeNodes(const std::string& path, DataSet& into) {
    if (!nodes_.valid() || path != nodePath_) return false;
    ReadNodes read = nodes_.get();
    if (!read.read || !unreadableReason(path).empty()) return false;
    into.markChanged();
    into.nodes = std::move(read.nodes);
    into.nodeMap = std::move(read.nodeMap);
    into.nodeCount = static_cast<uint32_t>(into.nodes.size());
    return true;
}

void LoadPrefetch::start(const std::string& elementPath, const std::string& dataPath) {
    if (!elementPath.empty() && !(elements_.valid() && elementPath == elementPath_)) {
        elementPath_ = elementPath;
        elements_ = std::async(std::launch::async, [elementPath, priority = priority_] {
            takePriority(priority);
            return parseElementFile(elementPath);
        });
    }
    if (!dataPath.empty() && !(dataRows_.valid() && dataPath == dataPath_)) {
        dataPath_ = dataPath;
        dataRows_ = std::async(std::launch::async, [dataPath, priority = priority_] {
            takePriority(priority);
            return parseDataFile(dataPath);
        });
    }
}

namespace {

template <class Parsed>
Parsed takeParse(std::future<Parsed>& ahead, const std::string& aheadPath, const std::string& path,
                 Parsed (*parseNow)(const std::string&)) {
    if (!ahead.valid() || path != aheadPath) return parseNow(path);
    Parsed parsed = ahead.get();
    if (parsed.opened && !unreadableReason(path).empty()) return Parsed{};
    return parsed;
}

} // namespace

ParsedElements LoadPrefetch::elements(const std::string& path) {
    return takeParse(elements_, elementPath_, path, parseElementFile);
}

ParsedDataRows LoadPrefetch::dataRows(const std::string& path) {
    return takeParse(dataRows_, dataPath_, path, parseDataFile);
}

} // namespace vellum
