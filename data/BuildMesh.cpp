#include "common/Texts.h"
#include "common/Ui.h"
#include "data/DataSet.h"

#include <algorithm>
#include <bit>

namespace vellum {

namespace {

constexpr const char* kMissingNodeMessage =
    TX("節点アドレス参照エラー\n定義されていない節点番号が含まれてます");
constexpr size_t kMaxMeshElements = 4000000;
constexpr const char* kTooManyElementsMessage =
    TX("オートメッシュの要素数が上限の4000000を超えます\n重なった節点がないか節点ファイルを確認してください");

// Maps a double to an integer that sorts the same way, so that the sort and the row and
// column comparisons are plain integer work with a total order. -0.0 and 0.0 are equal
// numbers and must land in the same row, so they share one key.
uint64_t orderKey(double value) {
    if (value == 0.0) value = 0.0;
    const uint64_t bits = std::bit_cast<uint64_t>(value);
    return (bits & 0x8000000000000000u) ? ~bits : bits | 0x8000000000000000u;
}

struct SortEntry {
    uint64_t row;    // coordinate 2
    uint64_t column; // coordinate 1
    uint32_t index;  // position before sorting; keeps coincident nodes in file order
    bool operator<(const SortEntry& other) const {
        if (row != other.row) return row < other.row;
        if (column != other.column) return column < other.column;
        return index < other.index;
    }
};

// Moves every node to its sorted place in one pass over each cycle of the permutation,
// so no second copy of the node records is needed. Marks each finished place in `order`.
void permuteNodes(std::vector<NodeRecord>& nodes, std::vector<SortEntry>& order) {
    for (uint32_t start = 0; start < order.size(); ++start) {
        if (order[start].index == start || order[start].index == kNoIndex) continue;
        NodeRecord held = nodes[start];
        uint32_t place = start;
        while (order[place].index != start) {
            const uint32_t from = order[place].index;
            nodes[place] = nodes[from];
            order[place].index = kNoIndex;
            place = from;
        }
        nodes[place] = held;
        order[place].index = kNoIndex;
    }
}

// Resolves node indices through the node map by number, as every element reference is
// made; a repeated number joins its first node. Each node is looked up at most once.
class NodeResolver {
public:
    NodeResolver(const DataSet& dataSet)
        : dataSet_(dataSet), resolved_(dataSet.nodes.size(), kUnresolved) {}

    uint32_t operator()(uint32_t index) {
        uint32_t& slot = resolved_[index];
        if (slot == kUnresolved) slot = dataSet_.findNode(dataSet_.nodes[index].number);
        return slot;
    }

private:
    static constexpr uint32_t kUnresolved = kNoIndex - 1;
    const DataSet& dataSet_;
    std::vector<uint32_t> resolved_;
};

struct Row {
    uint32_t first;
    uint32_t length;
};

// Joining: a neighbour pair (a, a + 1) of the lower row meets every neighbour pair
// (b, b + 1) of the upper row with the same two coordinate-1 values, in the order of a,
// then b. Both rows are sorted, so one forward walk finds, for each a, the run of upper
// nodes at a's coordinate 1; the partners lie inside or at the end of that run. Calls
// `visit(a, from, to)` for the partners b in [from, to), in time linear in the rows.
template <class Visit>
void forEachJoin(const std::vector<Row>& rows, const std::vector<uint64_t>& columnKey, Visit visit) {
    for (size_t r = 0; r + 1 < rows.size(); ++r) {
        const uint32_t lowerEnd = rows[r].first + rows[r].length;
        const uint32_t upperEnd = rows[r + 1].first + rows[r + 1].length;
        uint32_t runBegin = rows[r + 1].first, runEnd = runBegin;
        for (uint32_t a = rows[r].first; a + 1 < lowerEnd; ++a) {
            const uint64_t left = columnKey[a], right = columnKey[a + 1];
            if (runEnd > runBegin && columnKey[runBegin] != left) runBegin = runEnd;
            while (runBegin < upperEnd && columnKey[runBegin] < left) ++runBegin;
            runEnd = std::max(runEnd, runBegin);
            while (runEnd < upperEnd && columnKey[runEnd] == left) ++runEnd;
            if (runEnd == runBegin) continue;
            if (right == left) visit(a, runBegin, runEnd - 1); // both lower nodes coincide
            else if (runEnd < upperEnd && columnKey[runEnd] == right) visit(a, runEnd - 1, runEnd);
        }
    }
}

} // namespace

int DataSet::BuildMesh(Ui& ui) {
    markChanged();
    elements.clear();
    elementCount = 0;
    ProgressScope progress(ui, TX("メッシュ作成中"));
    progress.set(10);

    // Sort by coordinate 2, then coordinate 1: O(n log n) even for a grid already in
    // order, and coincident nodes keep their file order.
    std::vector<SortEntry> order(nodes.size());
    for (uint32_t i = 0; i < nodes.size(); ++i)
        order[i] = {orderKey(nodes[i].coordinates[1]), orderKey(nodes[i].coordinates[0]), i};
    std::sort(order.begin(), order.end());
    std::vector<uint64_t> columnKey(order.size());
    for (size_t i = 0; i < order.size(); ++i) columnKey[i] = order[i].column;

    // Rows: runs of exactly equal coordinate 2.
    std::vector<Row> rows;
    for (uint32_t i = 0; i < order.size(); ++i) {
        if (i == 0 || order[i].row != order[i - 1].row) rows.push_back({i, 0});
        ++rows.back().length;
    }
    progress.set(30);
    permuteNodes(nodes, order);
    order = {};
    progress.set(40);

    nodeMap.build(nodes, [](const NodeRecord& node) { return node.number; });
    progress.set(70);

    // Count first: coincident nodes can make the joining quadratic, and such a file must
    // be refused before it exhausts memory, not after.
    size_t total = 0;
    forEachJoin(rows, columnKey, [&](uint32_t, uint32_t from, uint32_t to) { total += to - from; });
    if (total > kMaxMeshElements) {
        ui.showMessage(kTooManyElementsMessage);
        return 1;
    }
    elements.reserve(total);
    NodeResolver resolve(*this);
    bool missing = false;
    forEachJoin(rows, columnKey, [&](uint32_t a, uint32_t from, uint32_t to) {
        for (uint32_t b = from; b < to && !missing; ++b) {
            ElementRecord element;
            element.number = int32_t(elements.size() + 1);
            element.visible = 1.0;
            element.nodeCount = 4;
            const std::array<uint32_t, 4> corners{a, a + 1, b + 1, b};
            for (size_t i = 0; i < 4; ++i) {
                element.nodes[i] = resolve(corners[i]);
                missing = missing || element.nodes[i] == kNoIndex;
            }
            if (!missing) elements.push_back(element);
        }
    });
    if (missing) {
        ui.showMessage(kMissingNodeMessage);
        return 1;
    }
    elementCount = uint32_t(elements.size());
    progress.set(100);
    return 0;
}

} // namespace vellum
