#pragma once
// What the person confirmed in the specific-element dialog: the material file and the two
// lists of materials, in the order the dialog shows them.
#include "data/Materials.h"

#include <string>
#include <vector>

namespace vellum {

struct MaterialChoice {
    std::string path, name;
    std::vector<MaterialCount> shown, hidden;
};

} // namespace vellum
