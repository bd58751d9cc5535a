#include "model/LoadPrefetch.h"

#include "common/FileIo.h"

namespace vellum {

void LoadPrefetch::start(const std::string& elementPath, const std::string& dataPath) {
    if (!elementPath.empty()) {
        elementPath_ = elementPath;
        elements_ = std::async(std::launch::async, parseElementFile, elementPath);
    }
    if (!dataPath.empty()) {
        dataPath_ = dataPath;
        dataRows_ = std::async(std::launch::async, parseDataFile, dataPath);
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
