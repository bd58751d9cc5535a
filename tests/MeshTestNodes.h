#pragma once
// Small helpers to build data sets in memory, without any file reader.
#include "data/DataSet.h"

#include <initializer_list>

namespace vellum::testing {

inline NodeRecord makeNode(int32_t number, double x, double y, double z = 0.0) {
    NodeRecord node;
    node.number = number;
    node.coordinates = {x, y, z};
    return node;
}

// Nodes as read: file order, node map built over them.
inline void setNodes(DataSet& dataSet, std::initializer_list<NodeRecord> nodes) {
    dataSet.nodes.assign(nodes);
    dataSet.nodeCount = uint32_t(dataSet.nodes.size());
    dataSet.nodeMap.build(dataSet.nodes, [](const NodeRecord& node) { return node.number; });
}

inline ElementRecord makeElement(int32_t number, std::initializer_list<uint32_t> nodeIndices) {
    ElementRecord element;
    element.number = number;
    for (uint32_t index : nodeIndices) element.nodes[element.nodeCount++] = index;
    return element;
}

} // namespace vellum::testing
