#pragma once
// How a load finds its files and what it says when a step fails. The open command, the
// command-line run and the STL import share the steps of the load; each keeps its own
// messages and its own way of naming files.
#include "data/FileSet.h"

#include <string>
#include <utility>

namespace vellum {

class Ui;

enum class LoadFile { Nodes, Elements, Data };

// The name and path fields of `file`.
inline std::pair<std::string&, std::string&> fieldsOf(FileSet& files, LoadFile file) {
    switch (file) {
    case LoadFile::Nodes: return {files.pointFileName, files.pointFilePath};
    case LoadFile::Elements: return {files.elementFileName, files.elementFilePath};
    case LoadFile::Data: break;
    }
    return {files.dataFileName, files.dataFilePath};
}

// The second message a caller shows after a step has shown its own; null for none.
struct SequenceMessages {
    const char* nodeFile = nullptr;    // the node file could not be read or held no node
    const char* mesh = nullptr;        // the automatic mesh failed
    const char* elementFile = nullptr; // the element file could not be read
    const char* dataFile = nullptr;    // the data file could not be read or held no row
    const char* dataMatch = nullptr;   // the statistics or the vector magnitude failed
};

class LoadSource {
public:
    enum class Found { Read, Skip, Fail };
    virtual ~LoadSource() = default;
    // Before `file` is read: Read it, Skip it (elements are built from the nodes; no data
    // file is read), or Fail after the source has shown why.
    virtual Found locate(LoadFile file, Ui& ui) = 0;
    // The path locate() will give `file` if it finds it, worked out without a word to the
    // person; empty when unknown or when the file is skipped. Lets a load parse it early.
    virtual std::string plannedPath(LoadFile) { return {}; }
    // Reading `file`, or tying its data to the mesh, failed (after the messages).
    virtual void failed(LoadFile) {}
    // Component columns the data file lacks fall back to their own positions instead of
    // failing the magnitude.
    virtual bool fallBackVectorColumns() const { return false; }
};

} // namespace vellum
