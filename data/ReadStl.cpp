#include "common/Texts.h"
#include "common/Ui.h"
#include "data/DataSet.h"
#include "data/LoadMessages.h"
#include "data/TextRecordReader.h"

#include <algorithm>

namespace vellum {
namespace {

// Every vertex of the file becomes a node and a data row holding its coordinates.
// False after showing the message when a coordinate is beyond a double.
bool readVertices(TextRecordReader& reader, DataSet& dataSet, Ui& ui) {
    dataSet.nodes.reserve(std::min(reader.recordCountBound(), kMaxNodes + 1));
    dataSet.rows.reserve(std::min(reader.recordCountBound(), kMaxNodes + 1), 3);
    int32_t vertexCount = 0;
    std::string_view token;
    while (reader.nextLine()) {
        bool vertexOpen = false;
        size_t coordinate = 0;
        double xyz[3];
        while (reader.nextToken(token)) {
            if (token == "vertex") {
                vertexOpen = true;
                coordinate = 0;
                continue;
            }
            if (!vertexOpen || token == "solid") continue;
            if (!TextRecordReader::toReal(token, xyz[coordinate])) {
                reader.reportOverflow(ui);
                return false;
            }
            if (++coordinate < 3) continue;
            vertexOpen = false;
            ++vertexCount;
            NodeRecord& node = dataSet.nodes.emplace_back();
            node.number = vertexCount;
            dataSet.rows.append(vertexCount, xyz, 3);
            for (size_t axis = 0; axis < 3; ++axis) node.coordinates[axis] = xyz[axis];
            // One vertex past the limit decides the outcome; reading on would only use memory.
            if (dataSet.nodes.size() > kMaxNodes) return true;
        }
    }
    return true;
}

// One triangle of every three consecutive vertices; a last one or two vertices that
// complete no triangle stay nodes without an element.
bool makeTriangles(DataSet& dataSet, Ui& ui) {
    const size_t triangles = dataSet.nodes.size() / 3;
    dataSet.elements.reserve(triangles);
    for (size_t m = 1; m <= triangles; ++m) {
        ElementRecord element;
        element.number = static_cast<int32_t>(m);
        element.nodeCount = 3;
        for (size_t corner = 0; corner < 3; ++corner) {
            const uint32_t index = dataSet.findNode(static_cast<int32_t>(3 * m - 2 + corner));
            if (index == kNoIndex) {
                ui.showMessage(kNodeReferenceMessage);
                return false;
            }
            element.nodes[corner] = index;
        }
        dataSet.elements.push_back(element);
    }
    dataSet.elementCount = static_cast<uint32_t>(dataSet.elements.size());
    return true;
}

} // namespace

int DataSet::ReadStl(Ui& ui) {
    markChanged();
    magnitudeColumns = {-1, -1, -1}; // rows about to change
    WaitCursorScope waitCursor(ui);
    files.stlFilePath.erase(std::remove(files.stlFilePath.begin(), files.stlFilePath.end(), '"'),
                            files.stlFilePath.end());
    TextRecordReader reader;
    if (!reader.open(files.stlFilePath)) {
        ui.showMessage(TX("STLファイルのオープンに失敗しました\nファイルの有無を確認してください"));
        return 1;
    }
    nodes.clear();
    nodeMap.clear();
    elements.clear();
    rows.clear();
    dataMap.clear();
    dataMapOfRows_ = false;
    nodeCount = elementCount = rowCount = 0;

    bool read = readVertices(reader, *this, ui);
    if (read && reader.readFailed()) {
        ui.showMessage(TX("STLファイルのオープンに失敗しました\nファイルの有無を確認してください"));
        read = false;
    }
    if (!read) {
        nodes.clear();
        rows.clear();
    }
    nodeCount = rowCount = static_cast<uint32_t>(nodes.size());
    columnCount = 3; // every row holds the vertex's x, y and z
    if (!read) return 1;
    if (nodes.size() > kMaxNodes) {
        ui.showMessage(kNodeLimitMessage);
        return 1;
    }
    // Without a vertex there is nothing to measure or draw.
    if (nodes.empty()) {
        ui.showMessage(TX("STLファイルに頂点データがありません\nアスキー形式のSTLファイルか確認してください"));
        return 1;
    }

    for (NodeRecord& node : nodes) node.visible = 1.0;
    nodeMap.build(nodes, [](const NodeRecord& node) { return node.number; });
    // Extents, statistics, normalisation and faces follow as for every load.
    if (!makeTriangles(*this, ui)) {
        ui.showMessage(kCheckDataMatchMessage);
        return 1;
    }
    return 0;
}

} // namespace vellum
