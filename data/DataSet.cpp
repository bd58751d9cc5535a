#include "data/DataSet.h"

namespace vellum {

// Every sequence and map starts empty and the vector components are columns 0, 1, 2; the
// face pattern table is a constant shared by every data set.
DataSet::DataSet() = default;

} // namespace vellum
