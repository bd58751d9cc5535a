#include "batch/DataSeries.h"

#include "batch/FileNameResolution.h"

#include <algorithm>
#include <filesystem>

namespace vellum {
namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

bool hasWildcard(std::string_view text) { return text.find_first_of("*?") != std::string_view::npos; }

// The regular files of `folder` whose names match, in natural order.
std::vector<std::string> matchesIn(const std::string& folder, std::string_view pattern) {
    std::vector<std::string> names;
    std::error_code ec;
    for (std::filesystem::directory_iterator it(folder.empty() ? "." : folder, ec), end; !ec && it != end;
         it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (wildcardMatch(pattern, name) && fileExists(folder + name)) names.push_back(name);
    }
    std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) { return naturalLess(a, b); });
    return names;
}

} // namespace

bool naturalLess(std::string_view a, std::string_view b) {
    size_t i = 0, j = 0;
    while (i < a.size() && j < b.size()) {
        if (isDigit(a[i]) && isDigit(b[j])) {
            size_t ie = i, je = j;
            while (ie < a.size() && isDigit(a[ie])) ++ie;
            while (je < b.size() && isDigit(b[je])) ++je;
            // Compare the values without converting: fewer significant digits is smaller.
            size_t is = i, js = j;
            while (is + 1 < ie && a[is] == '0') ++is;
            while (js + 1 < je && b[js] == '0') ++js;
            const std::string_view x = a.substr(is, ie - is), y = b.substr(js, je - js);
            if (x.size() != y.size()) return x.size() < y.size();
            if (x != y) return x < y;
            if (ie - i != je - j) return ie - i < je - j;
            i = ie;
            j = je;
            continue;
        }
        if (a[i] != b[j]) return static_cast<unsigned char>(a[i]) < static_cast<unsigned char>(b[j]);
        ++i;
        ++j;
    }
    return a.size() - i < b.size() - j;
}

bool wildcardMatch(std::string_view pattern, std::string_view name) {
    // Iterative with one backtrack point: linear in practice, never exponential.
    size_t p = 0, n = 0, star = std::string_view::npos, mark = 0;
    while (n < name.size()) {
        if (p < pattern.size() && (pattern[p] == '?' || pattern[p] == name[n])) {
            ++p;
            ++n;
        } else if (p < pattern.size() && pattern[p] == '*') {
            star = p++;
            mark = n;
        } else if (star != std::string_view::npos) {
            p = star + 1;
            n = ++mark;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == '*') ++p;
    return p == pattern.size();
}

std::vector<SeriesStep> resolveSeries(const std::vector<std::string>& patterns, const std::string& folder,
                                      const std::vector<std::string>& searchList, std::vector<std::string>& unmatched,
                                      std::vector<std::string>& found) {
    std::vector<SeriesStep> steps;
    unmatched.clear();
    found.clear();
    for (std::string pattern : patterns) {
        pattern = withoutQuotes(pattern);
        std::replace(pattern.begin(), pattern.end(), '\\', '/');
        if (pattern.empty()) continue;
        const std::string part = folderOf(pattern), namePattern = finalComponent(pattern);
        std::vector<std::string> places;
        if (pattern.front() == '/') {
            places.push_back(part);
        } else {
            places.push_back(folder + part);
            for (const std::string& registered : searchList) places.push_back(registered + part);
        }
        bool matched = false;
        for (const std::string& place : places) {
            const std::vector<std::string> names =
                hasWildcard(namePattern) ? matchesIn(place, namePattern)
                                         : (fileExists(place + namePattern) ? std::vector<std::string>{namePattern}
                                                                           : std::vector<std::string>{});
            if (names.empty()) continue;
            for (const std::string& name : names) steps.push_back({place + name, part + name});
            found.push_back(place + namePattern);
            matched = true;
            break;
        }
        if (!matched) unmatched.push_back(pattern);
    }
    return steps;
}

} // namespace vellum
