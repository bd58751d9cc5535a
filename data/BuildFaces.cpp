#include "data/DataSet.h"

#include <cmath>

namespace vellum {

namespace {

// Picks one of the two listings of a quadrilateral face. The renderer splits it along
// the diagonal from its first to its third corner, and a diagonal across the smaller
// change in value shades more smoothly. `first` is split at (p, q), `second` at (r, s);
// ties keep `first`. The values are compared exactly, as computed.
struct Chooser {
    const std::vector<NodeRecord>& nodes;
    const ElementRecord& element;
    bool byValue;

    double t(int position) const { return nodes[element.nodes[size_t(position)]].t; }

    int8_t operator()(int8_t first, int8_t second, int p, int q, int r, int s) const {
        if (!byValue) return first;
        // `first` is taken when the other diagonal changes at least as much as its own.
        return std::abs(t(r) - t(s)) >= std::abs(t(p) - t(q)) ? first : second;
    }
};

void setFaces(ElementRecord& element, std::initializer_list<int8_t> codes) {
    element.faceCount = 0;
    for (int8_t code : codes) element.faces[element.faceCount++] = code;
}

bool nodesInRange(const ElementRecord& element, size_t nodeCount) {
    for (size_t i = 0; i < element.nodeCount; ++i)
        if (element.nodes[i] >= nodeCount) return false;
    return true;
}

} // namespace

int DataSet::BuildFaces(int dataType, int shape) {
    markChanged();
    // Node values and vector data colour each corner, so the split matters; element
    // values and no data colour a face evenly, and the first listing always serves.
    const bool byValue = dataType == 0 || dataType == 2;
    const bool knownType = dataType >= 0 && dataType <= 3;
    for (ElementRecord& element : elements) {
        element.faceCount = 0;
        if (!knownType || element.nodeCount > kMaxElementNodes || !nodesInRange(element, nodes.size()))
            continue;
        const Chooser pick{nodes, element, byValue};
        const int n = element.nodeCount;
        if (shape == 0) {
            if (n == 3) setFaces(element, {0});
            else if (n == 4) setFaces(element, {pick(1, 2, 0, 2, 1, 3)});
            else if (n == 6) setFaces(element, {3, 4, 5, 6});
            else if (n == 8) setFaces(element, {7, 8, 9, 10, pick(11, 12, 4, 6, 5, 7)});
        } else if (shape == 1) {
            if (n == 4) setFaces(element, {13, 14, 15, 16});
            else if (n == 6)
                setFaces(element, {17, 18, pick(19, 20, 0, 4, 1, 3), pick(21, 22, 1, 5, 2, 4),
                                   pick(23, 24, 2, 3, 0, 5)});
            else if (n == 8)
                setFaces(element, {pick(25, 26, 0, 2, 1, 3), pick(27, 28, 4, 6, 5, 7),
                                   pick(29, 30, 1, 6, 2, 5), pick(31, 32, 2, 7, 3, 6),
                                   pick(33, 34, 3, 4, 0, 7), pick(35, 36, 0, 5, 1, 4)});
        }
    }
    MarkCoveredFaces();
    return 0;
}

} // namespace vellum
