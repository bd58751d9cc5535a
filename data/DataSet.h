#pragma once
// The model the document holds: nodes, elements, data rows and what drawing derives
// from them. Records are fixed-size and held in contiguous arrays; elements refer to
// nodes by index, and numbers are resolved once, when an element is read.
#include "data/DataRows.h"
#include "data/HugePages.h"
#include "data/FileSet.h"

#include <array>
#include <cstdint>
#include <functional>
#include <vector>

namespace vellum {

class Ui;
struct ParsedElements;
struct ParsedDataRows;

inline constexpr uint32_t kNoIndex = 0xFFFFFFFFu;
inline constexpr size_t kMaxElementNodes = 8;
inline constexpr size_t kMaxElementFaces = 6;

// 64 bytes: a million nodes fit in 64 MB.
struct NodeRecord {
    int32_t number = 0;
    float visible = 1.0f; // 1 or 0
    std::array<double, 3> coordinates{};
    std::array<double, 3> position{}; // drawing position x', y', z'
    double t = 0.0;                   // normalised value of the selected column
};

// What vector data adds to a node, kept apart so that other data carry none of it.
struct NodeArrow {
    std::array<double, 3> tip{}; // arrow end in drawing coordinates
    std::array<double, 3> halfVector{};
    double magnitude = 0.0;
};

struct ElementRecord {
    int32_t number = 0;
    int32_t material = 0;
    double t = 0.0; // element values: normalised value of the selected column
    double visible = 1.0;
    std::array<uint32_t, kMaxElementNodes> nodes{}; // indices into DataSet::nodes
    uint8_t nodeCount = 0;
    std::array<int8_t, kMaxElementFaces> faces{};   // face pattern codes
    uint8_t faceCount = 0;
};

// One face pattern: 3 or 4 positions in an element's node list.
struct FacePattern {
    uint8_t count;
    std::array<uint8_t, 4> positions;
};
inline constexpr size_t kFacePatternCount = 37;
extern const std::array<FacePattern, kFacePatternCount> kFacePatterns;

// A number-to-index map: sorted pairs, the first of equal numbers wins; O(log n) lookups
// with no per-entry allocation, O(1) through a direct table when the numbers are dense.
class NumberMap {
public:
    // Builds the map from numbers in sequence order.
    template <class Range, class NumberOf>
    void build(const Range& records, NumberOf numberOf);
    // Index of the record with this number, or kNoIndex.
    uint32_t find(int32_t number) const;
    void clear() {
        entries_.clear();
        dense_.clear();
        size_ = 0;
    }
    size_t size() const { return size_; }

private:
    struct Entry {
        int32_t number;
        uint32_t index;
    };
    void sortAndDeduplicate();
    // True when the numbers rise one by one with few gaps, and the direct table is made
    // from them without the sorted pairs.
    template <class Range, class NumberOf>
    bool buildDenseInOrder(const Range& records, NumberOf numberOf);
    static bool denseSpanFits(int64_t span, size_t count) { return span <= static_cast<int64_t>(count) * 2 + 1024; }
    void makeDenseTable(int32_t first, int64_t span);
    // Sorted; given up once the direct table holds them.
    std::vector<Entry, HugePageAllocator<Entry>> entries_;
    // Index by number - denseBase_, when the numbers are dense.
    std::vector<uint32_t, HugePageAllocator<uint32_t>> dense_;
    size_t size_ = 0;
    int32_t denseBase_ = 0;
};

template <class Range, class NumberOf>
bool NumberMap::buildDenseInOrder(const Range& records, NumberOf numberOf) {
    auto record = records.begin();
    if (record == records.end()) return false;
    const int32_t first = numberOf(*record);
    int32_t last = first;
    for (++record; record != records.end(); ++record) {
        const int32_t number = numberOf(*record);
        if (number <= last) return false;
        last = number;
    }
    const int64_t span = int64_t{last} - first + 1;
    if (!denseSpanFits(span, records.size())) return false;
    makeDenseTable(first, span);
    uint32_t index = 0;
    for (const auto& each : records) dense_[static_cast<size_t>(numberOf(each) - first)] = index++;
    size_ = records.size();
    return true;
}

template <class Range, class NumberOf>
void NumberMap::build(const Range& records, NumberOf numberOf) {
    clear();
    // Files are usually numbered in order; then no pairs need sorting.
    if (buildDenseInOrder(records, numberOf)) return;
    entries_.clear();
    entries_.reserve(records.size());
    uint32_t index = 0;
    for (const auto& record : records) entries_.push_back(Entry{numberOf(record), index++});
    sortAndDeduplicate();
}

} // namespace vellum

namespace vellum {

class DataSet {
public:
    DataSet();

    std::vector<NodeRecord> nodes;
    // One per node with vector data (made by the normalisation), empty otherwise.
    std::vector<NodeArrow> arrows;
    NumberMap nodeMap;
    std::vector<ElementRecord> elements;
    DataRows rows;
    NumberMap dataMap;
    uint32_t nodeCount = 0, elementCount = 0, rowCount = 0;

    FileSet files;

    std::array<double, 3> maximum{}, minimum{}, extent{}, centre{};
    double overallExtent = 0.0;

    uint32_t columnCount = 0;
    std::vector<double> columnMaximum, columnMinimum, columnRange, columnMiddle;
    std::array<int32_t, 3> vectorColumns{0, 1, 2};
    // The components the magnitude column was last computed from.
    std::array<int32_t, 3> magnitudeColumns{-1, -1, -1};

    std::array<double, 6> sectionBox{}; // min and max along axis 1, then 2, then 3
    // Puts the whole model inside the section box: a new model starts fully visible.
    void ResetSectionBox() {
        sectionBox = {minimum[0], maximum[0], minimum[1], maximum[1], minimum[2], maximum[2]};
    }
    int32_t polarFlag = 0;
    int32_t radiansFlag = 0;
    // The node number an element named that no node has, when ReadElements failed on it.
    int32_t missingNodeNumber = 0;

    // Lookups: index of the node or data row with this number, or kNoIndex.
    uint32_t findNode(int32_t number) const { return nodeMap.find(number); }
    uint32_t findDataRow(int32_t number) const { return dataMap.find(number); }

    // Changes whenever anything drawing uses changes (nodes, elements, faces, drawing
    // positions, normalised values, visible flags), so a renderer can keep its geometry
    // until then. Unique across data sets: two sets never share a value.
    uint64_t revision() const { return revision_; }
    void markChanged();

    // The loading steps: 0 success, 1 failure (the step has shown its message).
    int ReadNodes(Ui& ui);
    int ReadElements(Ui& ui);
    // The same steps taking their file's parse from `parse`, called where the step would
    // open the file (a parse made ahead on another thread, for instance).
    int ReadElements(Ui& ui, const std::function<ParsedElements()>& parse);
    int SortElementsByNumber(Ui& ui);
    int BuildMesh(Ui& ui);
    int ConvertPolar(Ui& ui);
    int ComputeExtents(Ui& ui);
    int ReadDataRows(Ui& ui, int dataType);
    int ReadDataRows(Ui& ui, int dataType, const std::function<ParsedDataRows()>& parse);
    int ComputeColumnStatistics(Ui& ui, int dataType);
    int AddMagnitudeColumn(Ui& ui);
    int BuildFaces(int dataType, int shape);
    int ReadStl(Ui& ui);

    // Solid faces that cannot be seen: bit f of entry e is set when face f of element e
    // meets a face of another visible element on the same nodes from the other side.
    // BuildFaces and the visibility passes mark them again, since hiding an element
    // uncovers its neighbours' faces.
    void MarkCoveredFaces();
    // The covered faces of an element; none while the marks were made for an older state
    // of the data set (every face is then drawn, as is always safe).
    uint8_t coveredFacesOf(size_t element) const {
        return coveredRevision_ == revision_ && element < coveredFaces_.size() ? coveredFaces_[element] : 0;
    }
    bool anyFaceCovered() const { return coveredRevision_ == revision_ && coveredCount_ != 0; }

private:
    // dataMap was made from the rows just read, which nothing has changed since.
    bool dataMapOfRows_ = false;
    uint64_t revision_;
    std::vector<uint8_t> coveredFaces_; // by element; empty when no face is covered
    size_t coveredCount_ = 0;
    uint64_t coveredRevision_ = 0;
};

} // namespace vellum
