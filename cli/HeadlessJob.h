#pragma once
// One job of the headless program, from the file name to the written images.
#include "cli/BatchOptions.h"

#include <ostream>
#include <string>

namespace vellum {

// Runs the job; messages go to `messages`, the summary (when asked for) to `summary`.
// 0 when the file loaded and every image was written; 1 otherwise. `image`, when given,
// gets the first picture written (empty for none).
int runHeadlessJob(const BatchOptions& options, std::ostream& messages, std::ostream& summary,
                   std::string* image = nullptr);

// Runs every command-line file named in `options.jobsFile` (one a line; blank lines and
// lines starting with "#" are skipped; a relative name is taken against the list's
// folder), each exactly as a single run, this shard's share only. One JSON line a job on
// `summary`: {"file": ..., "status": 0 or 1, "image": ... or null}. 1 if any failed.
int runJobList(const BatchOptions& options, std::ostream& messages, std::ostream& summary);

} // namespace vellum
