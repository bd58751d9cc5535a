#pragma once
// Pinned probes as the renderer draws them: a small marker at the probed place and a label
// beside it, following the graph as it turns and zooms.
#include "model/ProbeReading.h"

#include <string>
#include <vector>

namespace vellum {

struct ProbeMark {
    ProbeTarget target;
    std::string label; // UTF-8, for example "節点 221: 6.24464"

    friend bool operator==(const ProbeMark&, const ProbeMark&) = default;
};

} // namespace vellum
