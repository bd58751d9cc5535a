#pragma once
// The element and data files of a load, parsed on their own threads while the steps
// before theirs run. A step takes the parse only when it reads the very file that was
// parsed; the step applies it in its own place in the load, with its own messages, so the
// load says and does what it would have with every file read in turn.
#include "data/ParsedFiles.h"

#include <future>
#include <string>

namespace vellum {

// Whether the parse threads give way to the thread that started them.
enum class ParsePriority { same, lower };

class LoadPrefetch {
public:
    explicit LoadPrefetch(ParsePriority priority = ParsePriority::same) : priority_(priority) {}
    // Waits for parses still running: their files are open until then.
    ~LoadPrefetch() = default;
    LoadPrefetch(const LoadPrefetch&) = delete;
    LoadPrefetch& operator=(const LoadPrefetch&) = delete;
    LoadPrefetch(LoadPrefetch&&) = default;
    LoadPrefetch& operator=(LoadPrefetch&&) = default;

    // Starts parsing the files at these paths; an empty path starts nothing, and a file
    // whose parse was started already is not parsed twice.
    void start(const std::string& elementPath, const std::string& dataPath);

    // Starts reading the node file at `path` into a data set of its own, for a load that
    // has not begun yet (the load itself reads its nodes at once).
    void startNodes(const std::string& path);
    // Moves the nodes read ahead from `path` into `into`, as its node step would have
    // read them; false (nothing changed) when none were, or their reading had anything
    // to say: the step then reads the file itself and says it.
    bool takeNodes(const std::string& path, DataSet& into);

    // The parse of `path`: the one started for it, or one made now. A file that cannot be
    // opened any more gets no parse, as a step opening it now would find.
    ParsedElements elements(const std::string& path);
    ParsedDataRows dataRows(const std::string& path);

private:
    struct ReadNodes {
        bool read = false;
        std::vector<NodeRecord> nodes;
        NumberMap nodeMap;
    };
    ParsePriority priority_;
    std::string nodePath_, elementPath_, dataPath_;
    std::future<ReadNodes> nodes_;
    std::future<ParsedElements> elements_;
    std::future<ParsedDataRows> dataRows_;
};

} // namespace vellum
