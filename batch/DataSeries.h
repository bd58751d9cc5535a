#pragma once
// A result series: one data file per step for one mesh, named in a command-line file by
// patterns with "*" and "?" in their final component ("results/step_*.txt"), each pattern
// found like any other name: beside the command-line file, then in the registered folders.
#include <string>
#include <string_view>
#include <vector>

namespace vellum {

// One step: its full path, and its name as the job would write it (the pattern's folder
// part as given, then the file's name), so that an export finds it again.
struct SeriesStep {
    std::string path, name;
    friend bool operator==(const SeriesStep&, const SeriesStep&) = default;
};

// Natural order: runs of digits compare by their value, so "step_2" comes before
// "step_10"; equal values compare by length (leading zeros), then the rest by bytes.
bool naturalLess(std::string_view a, std::string_view b);

// True when `name` matches `pattern`: "*" any run of characters, "?" any one.
bool wildcardMatch(std::string_view pattern, std::string_view name);

// The steps of `patterns` in order: each pattern's matches in natural order; a pattern
// without wildcards names one file. A relative pattern is looked for beside the job (in
// `folder`, ending in "/") and then in each registered folder of `searchList`; the first
// folder with a match gives all its matches. A pattern nothing matches is listed in
// `unmatched`.
// `found` gets each matched pattern as a full path in the folder it matched in.
std::vector<SeriesStep> resolveSeries(const std::vector<std::string>& patterns, const std::string& folder,
                                      const std::vector<std::string>& searchList, std::vector<std::string>& unmatched,
                                      std::vector<std::string>& found);

} // namespace vellum
