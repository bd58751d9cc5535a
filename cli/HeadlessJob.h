#pragma once
// One job of the headless program, from the file name to the written images.
#include "cli/BatchOptions.h"

#include <ostream>

namespace vellum {

// Runs the job; messages go to `messages`, the summary (when asked for) to `summary`.
// 0 when the file loaded and every image was written; 1 otherwise.
int runHeadlessJob(const BatchOptions& options, std::ostream& messages, std::ostream& summary);

} // namespace vellum
