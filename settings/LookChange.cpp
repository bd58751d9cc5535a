#include "settings/LookChange.h"

namespace vellum {

LookChange compareLooks(const ViewSettings& before, const ViewSettings& after) {
    LookChange change;
    change.any = !(before == after);
    // The normalisation reads DIM, the per-axis scales, RECTSCALE and the graph's vector
    // length options for the selected column; the faces follow that column's values.
    change.drawingData = before.DIM != after.DIM || before.SCALE != after.SCALE ||
                         before.RECTSCALE != after.RECTSCALE || before.graph.VECLEN != after.graph.VECLEN ||
                         before.graph.VEC_COM_LEN != after.graph.VEC_COM_LEN ||
                         before.selectedColumn != after.selectedColumn;
    return change;
}

} // namespace vellum
