#pragma once
// The element and data files of a load, parsed on their own threads while the steps
// before theirs run. A step takes the parse only when it reads the very file that was
// parsed; the step applies it in its own place in the load, with its own messages, so the
// load says and does what it would have with every file read in turn.
#include "data/ParsedFiles.h"

#include <future>
#include <string>

namespace vellum {

class LoadPrefetch {
public:
    LoadPrefetch() = default;
    // Waits for parses still running: their files are open until then.
    ~LoadPrefetch() = default;
    LoadPrefetch(const LoadPrefetch&) = delete;
    LoadPrefetch& operator=(const LoadPrefetch&) = delete;

    // Starts parsing the files at these paths; an empty path starts nothing.
    void start(const std::string& elementPath, const std::string& dataPath);

    // The parse of `path`: the one started for it, or one made now. A file that cannot be
    // opened any more gets no parse, as a step opening it now would find.
    ParsedElements elements(const std::string& path);
    ParsedDataRows dataRows(const std::string& path);

private:
    std::string elementPath_, dataPath_;
    std::future<ParsedElements> elements_;
    std::future<ParsedDataRows> dataRows_;
};

} // namespace vellum
