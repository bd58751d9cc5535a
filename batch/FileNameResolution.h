#pragma once
// Finding the files a command-line file names. A name starting with "/" is absolute; any
// other name is relative, with "\" read as "/", and is looked for in the command-line
// file's folder and then in the registered folders, in their order.
#include <string>
#include <vector>

namespace vellum {

enum class Resolution {
    Found,    // `path` names an existing file, or the name was absolute (not tested)
    NotFound, // relative, and neither the folder nor any registered folder holds it
    Untested, // relative, no registered folders: `path` is the folder's candidate
};

// The folder of a file path, up to and including its last "/" ("\" counts as "/").
std::string folderOf(const std::string& path);

// The final component of a path, with its extension.
std::string finalComponent(const std::string& path);

// The extension of the final component, from its last "." with the dot; empty if none.
std::string extensionOf(const std::string& path);

// True when `extension` (with its dot) names an STL file, in any case.
bool isStlExtension(const std::string& extension);

// Removes every double-quote character.
std::string withoutQuotes(std::string text);

// Resolves one file of a run. `name` and `path` are that file's name and path fields;
// `folder` is the command-line file's folder with its final "/"; `searchList` holds the
// registered folders, each ending in "/" (searchListFromProfile). An absolute name sets
// the path and keeps only its final component as the name; a relative name is kept.
Resolution resolveFileName(std::string& name, std::string& path, const std::string& folder,
                           const std::vector<std::string>& searchList);

// True when a regular file (or a link to one) exists at `path`.
bool fileExists(const std::string& path);

} // namespace vellum
