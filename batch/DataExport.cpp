#include "batch/DataExport.h"

#include "batch/FileNameResolution.h"
#include "common/FileIo.h"
#include "common/Texts.h"
#include "common/Ui.h"
#include "data/DataSet.h"

#include <charconv>

namespace vellum {
namespace {

// to_chars never looks at the locale; fixed with 6 digits reads like "%f".
void appendFixed(std::string& out, double value) {
    char buffer[400];
    auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 6);
    if (ec == std::errc{}) out.append(buffer, end);
}

void appendInt(std::string& out, long value) {
    char buffer[24];
    auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value);
    if (ec == std::errc{}) out.append(buffer, end);
}

int writeExport(const std::string& path, const std::string& text, Ui& ui) {
    if (!writeFileAtomically(path, text)) {
        ui.showMessage(TX("データエクスポートに失敗しました"));
        return 1;
    }
    return 0;
}

} // namespace

std::string formatNodeFile(const DataSet& dataSet) {
    std::string text;
    text.reserve(dataSet.nodes.size() * 48);
    for (const NodeRecord& node : dataSet.nodes) {
        appendInt(text, node.number);
        for (double c : node.coordinates) {
            text += '\t';
            appendFixed(text, c);
        }
        text += '\n';
    }
    return text;
}

std::string formatElementFile(const DataSet& dataSet) {
    std::string text;
    text.reserve(dataSet.elements.size() * 40);
    for (const ElementRecord& element : dataSet.elements) {
        appendInt(text, element.number);
        for (uint8_t i = 0; i < element.nodeCount && i < kMaxElementNodes; ++i) {
            text += '\t';
            const uint32_t index = element.nodes[i];
            appendInt(text, index < dataSet.nodes.size() ? dataSet.nodes[index].number : 0);
        }
        text += '\n';
    }
    return text;
}

int exportNodeFile(DataSet& dataSet, const std::string& path, Ui& ui) {
    dataSet.files.pointFilePath = path;
    dataSet.files.pointFileName = finalComponent(path);
    return writeExport(path, formatNodeFile(dataSet), ui);
}

int exportElementFile(DataSet& dataSet, const std::string& path, Ui& ui) {
    dataSet.files.elementFilePath = path;
    dataSet.files.elementFileName = finalComponent(path);
    return writeExport(path, formatElementFile(dataSet), ui);
}

} // namespace vellum
