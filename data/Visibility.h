#pragma once
// The two passes that decide which nodes and elements are drawn: the cross-section box
// and the hidden materials. Every drawing step respects the visible flags they set.
#include <cstdint>
#include <vector>

namespace vellum {

class DataSet;
class Ui;

// Shows exactly the nodes inside the data set's section box (a node on a limit is
// inside) and the elements whose nodes are all shown.
void RunSectionPass(DataSet& dataSet, Ui& ui);

// Hides the elements whose material number is listed; when it hides any, only nodes used
// by a still visible element stay shown. Never makes an element visible.
void RunSpecificElementPass(DataSet& dataSet, Ui& ui, const std::vector<int32_t>& hiddenMaterials);

// Both passes, in the order every caller needs them, then the faces the shown elements
// cover one another with.
void ApplyVisibility(DataSet& dataSet, Ui& ui, const std::vector<int32_t>& hiddenMaterials);

} // namespace vellum
