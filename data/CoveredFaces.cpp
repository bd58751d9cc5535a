// Which faces of a solid lie inside it. Most faces of a solid mesh are shared by two
// elements; drawing and contouring them costs nearly all the time of a solid picture,
// yet the depth test hides every pixel of them behind the outer faces.
#include "data/DataSet.h"

#include <algorithm>

namespace vellum {
namespace {

// Face patterns from this code on are faces of solid elements.
constexpr int kFirstSolidFace = 13;

using FaceKey = std::array<uint32_t, 4>; // node indices in ascending order, a triangle padded

struct FaceRef {
    FaceKey key;
    uint32_t element;
    uint8_t face;
};

bool usable(const ElementRecord& element, size_t nodeCount) {
    if (element.visible == 0.0 || element.nodeCount > kMaxElementNodes) return false;
    for (size_t i = 0; i < element.nodeCount; ++i)
        if (element.nodes[i] >= nodeCount) return false;
    return true;
}

// The pattern of a solid face whose positions the element has, or null.
const FacePattern* solidFace(const ElementRecord& element, size_t face) {
    const int code = element.faces[face];
    if (code < kFirstSolidFace || static_cast<size_t>(code) >= kFacePatternCount) return nullptr;
    const FacePattern& pattern = kFacePatterns[static_cast<size_t>(code)];
    if (pattern.count != 3 && pattern.count != 4) return nullptr;
    for (size_t i = 0; i < pattern.count; ++i)
        if (pattern.positions[i] >= element.nodeCount) return nullptr;
    return &pattern;
}

uint32_t lowestNode(const ElementRecord& element, const FacePattern& pattern) {
    uint32_t lowest = element.nodes[pattern.positions[0]];
    for (size_t i = 1; i < pattern.count; ++i) lowest = std::min(lowest, element.nodes[pattern.positions[i]]);
    return lowest;
}

FaceKey keyOf(const ElementRecord& element, const FacePattern& pattern) {
    FaceKey key{kNoIndex, kNoIndex, kNoIndex, kNoIndex};
    for (size_t i = 0; i < pattern.count; ++i) key[i] = element.nodes[pattern.positions[i]];
    std::sort(key.begin(), key.end());
    return key;
}

using Vec = std::array<double, 3>;
Vec minus(const Vec& a, const Vec& b) { return {a[0] - b[0], a[1] - b[1], a[2] - b[2]}; }
Vec cross(const Vec& a, const Vec& b) {
    return {a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0]};
}
double dot(const Vec& a, const Vec& b) { return a[0] * b[0] + a[1] * b[1] + a[2] * b[2]; }

Vec centreOf(const std::vector<NodeRecord>& nodes, const ElementRecord& element, const uint8_t* positions,
             size_t count) {
    Vec sum{};
    for (size_t i = 0; i < count; ++i)
        for (size_t axis = 0; axis < 3; ++axis) sum[axis] += nodes[element.nodes[positions[i]]].position[axis];
    for (double& v : sum) v /= static_cast<double>(count);
    return sum;
}

// True when the two elements lie on opposite sides of the face they share. Two elements
// on one side (a repeated element, overlapping parts) both show that face, so it stays.
bool onOppositeSides(const std::vector<NodeRecord>& nodes, const ElementRecord& first, const FacePattern& face,
                     const ElementRecord& second) {
    auto at = [&](size_t i) { return nodes[first.nodes[face.positions[i]]].position; };
    const Vec normal = face.count == 4 ? cross(minus(at(2), at(0)), minus(at(3), at(1)))
                                       : cross(minus(at(1), at(0)), minus(at(2), at(0)));
    const Vec middle = centreOf(nodes, first, face.positions.data(), face.count);
    static constexpr uint8_t kAll[kMaxElementNodes] = {0, 1, 2, 3, 4, 5, 6, 7};
    const double a = dot(normal, minus(centreOf(nodes, first, kAll, first.nodeCount), middle));
    const double b = dot(normal, minus(centreOf(nodes, second, kAll, second.nodeCount), middle));
    return (a > 0.0 && b < 0.0) || (a < 0.0 && b > 0.0);
}

} // namespace

void DataSet::MarkCoveredFaces() {
    coveredFaces_.clear();
    coveredCount_ = 0;
    coveredRevision_ = revision_;
    const size_t nodeCount = nodes.size();
    if (elements.size() >= (size_t{1} << 29)) return; // element * 8 + face must fit 32 bits

    // Faces grouped by their lowest node: a shared face meets its twin in one small
    // group, and the groups together take one index per face. The groups are made at the
    // first solid face: a sheet of a million shells needs none of their memory.
    std::vector<uint32_t> start;
    size_t faceCount = 0;
    for (const ElementRecord& element : elements) {
        if (!usable(element, nodeCount)) continue;
        for (size_t f = 0; f < element.faceCount && f < kMaxElementFaces; ++f)
            if (const FacePattern* pattern = solidFace(element, f)) {
                if (start.empty()) start.assign(nodeCount + 1, 0);
                ++start[lowestNode(element, *pattern)];
                ++faceCount;
            }
    }
    if (faceCount < 2) return;
    uint32_t running = 0;
    for (uint32_t& s : start) {
        const uint32_t count = s;
        s = running;
        running += count;
    }
    std::vector<uint32_t> members(faceCount); // element index * 8 + face
    {
        std::vector<uint32_t> next(start.begin(), start.end() - 1);
        for (uint32_t e = 0; e < elements.size(); ++e) {
            const ElementRecord& element = elements[e];
            if (!usable(element, nodeCount)) continue;
            for (uint32_t f = 0; f < element.faceCount && f < kMaxElementFaces; ++f)
                if (const FacePattern* pattern = solidFace(element, f))
                    members[next[lowestNode(element, *pattern)]++] = e * 8 + f;
        }
    }
    start.back() = static_cast<uint32_t>(faceCount);

    std::vector<FaceRef> group;
    for (size_t node = 0; node < nodeCount; ++node) {
        if (start[node + 1] - start[node] < 2) continue;
        group.clear();
        for (uint32_t i = start[node]; i < start[node + 1]; ++i) {
            const uint32_t e = members[i] / 8;
            const auto f = static_cast<uint8_t>(members[i] % 8);
            group.push_back(FaceRef{keyOf(elements[e], *solidFace(elements[e], f)), e, f});
        }
        std::sort(group.begin(), group.end(), [](const FaceRef& a, const FaceRef& b) {
            return a.key != b.key ? a.key < b.key : a.element < b.element;
        });
        for (size_t i = 0; i < group.size();) {
            size_t j = i + 1;
            while (j < group.size() && group[j].key == group[i].key) ++j;
            // A face that three or more elements share is left drawn: no rule says which of
            // them shows, so none is dropped.
            if (j - i == 2 && group[i].element != group[i + 1].element) {
                const ElementRecord& first = elements[group[i].element];
                const ElementRecord& second = elements[group[i + 1].element];
                if (onOppositeSides(nodes, first, *solidFace(first, group[i].face), second)) {
                    if (coveredFaces_.empty()) coveredFaces_.assign(elements.size(), 0);
                    coveredFaces_[group[i].element] |= static_cast<uint8_t>(1u << group[i].face);
                    coveredFaces_[group[i + 1].element] |= static_cast<uint8_t>(1u << group[i + 1].face);
                    coveredCount_ += 2;
                }
            }
            i = j;
        }
    }
}

} // namespace vellum
