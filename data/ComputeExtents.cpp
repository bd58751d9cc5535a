#include "common/Texts.h"
#include "common/Ui.h"
#include "data/DataSet.h"

namespace vellum {

int DataSet::ComputeExtents(Ui& ui) {
    markChanged();
    ProgressScope progress(ui, TX("節点情報解析中"));
    // The load stops on an empty node file before this step; without nodes the extents
    // are simply zero rather than read from a node that is not there.
    if (nodes.empty()) {
        maximum = minimum = extent = centre = {};
        overallExtent = 0.0;
        progress.set(60);
        progress.set(100);
        return 0;
    }
    maximum = minimum = nodes.front().coordinates;
    for (const NodeRecord& node : nodes) {
        for (size_t axis = 0; axis < 3; ++axis) {
            const double value = node.coordinates[axis];
            if (value > maximum[axis]) maximum[axis] = value;
            else if (value < minimum[axis]) minimum[axis] = value;
        }
    }
    progress.set(60);
    for (size_t axis = 0; axis < 3; ++axis) extent[axis] = maximum[axis] - minimum[axis];
    // Axis 1 wins ties: a later axis replaces it only when strictly longer.
    overallExtent = extent[0];
    if (extent[1] > overallExtent) overallExtent = extent[1];
    if (extent[2] > overallExtent) overallExtent = extent[2];
    for (size_t axis = 0; axis < 3; ++axis) centre[axis] = (maximum[axis] + minimum[axis]) * 0.5;
    progress.set(100);
    return 0;
}

} // namespace vellum
