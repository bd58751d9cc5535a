#include "data/DataSet.h"

#include <cmath>

namespace vellum {

int DataSet::ConvertPolar(Ui&) {
    markChanged();
    // Cartesian nodes pass through untouched, so a caller may run the step unconditionally.
    if (polarFlag != 1) return 0;
    const bool degrees = radiansFlag != 1;
    for (NodeRecord& node : nodes) {
        const double radius = node.coordinates[0];
        double angle = node.coordinates[1];
        if (degrees) angle = angle * 0.017453292519943295;
        node.coordinates[0] = radius * std::cos(angle);
        node.coordinates[1] = radius * std::sin(angle);
    }
    return 0;
}

} // namespace vellum
