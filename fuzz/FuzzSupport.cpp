#include "fuzz/FuzzSupport.h"

#include "common/FileIo.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace vellum::fuzz {
namespace {

void writeFile(const std::string& path, std::string_view bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string makeScratchFolder() {
    // Memory-backed when the machine has it: every run writes a file.
    const std::filesystem::path base = std::filesystem::exists("/dev/shm") ? "/dev/shm"
                                                                             : std::filesystem::temp_directory_path();
    std::string pattern = (base / "vellum-fuzz-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) std::abort();
    const std::string folder = pattern + "/";
    // The profile and the backups of anything a target runs stay in here too.
    ::setenv("XDG_CONFIG_HOME", (folder + "config").c_str(), 1);
    ::setenv("XDG_DATA_HOME", (folder + "data").c_str(), 1);
    writeFile(folder + "n.txt", kSheetNodes);
    writeFile(folder + "e.txt", kSheetElements);
    writeFile(folder + "d.txt", kSheetNodeValues);
    writeFile(folder + "de.txt", kSheetElementValues);
    writeFile(folder + "v.ini", "[GRAPH]\nMODE= 1\nCONTNUM= 8\n");
    return folder;
}

// Removed again when the process ends.
struct Scratch {
    std::string folder = makeScratchFolder();
    ~Scratch() {
        std::error_code ec;
        std::filesystem::remove_all(folder, ec);
    }
};

} // namespace

const std::string& scratchFolder() {
    static const Scratch scratch;
    return scratch.folder;
}

std::string writeInput(const std::string& name, std::string_view bytes) {
    const std::string path = scratchFolder() + name;
    writeFile(path, bytes);
    return path;
}

int openGraph(Document& document, Ui& ui, const std::string* nodes, const std::string* elements,
              const std::string* data, int dataType, int shape, int autoMesh, int polar) {
    const std::string& folder = scratchFolder();
    OpenChoice choice;
    choice.pointFilePath = nodes ? *nodes : folder + "n.txt";
    choice.pointFileName = "n.txt";
    if (!autoMesh) {
        choice.elementFilePath = elements ? *elements : folder + "e.txt";
        choice.elementFileName = "e.txt";
    }
    if (dataType != kNoDataFile) {
        choice.dataFilePath = data ? *data : folder + (dataType == kElementValues ? "de.txt" : "d.txt");
        choice.dataFileName = "d.txt";
    }
    choice.dataType = dataType;
    choice.shape = shape;
    choice.autoMesh = autoMesh;
    choice.polar = polar & 1;
    choice.radians = (polar >> 1) & 1;
    return document.Open(ui, choice);
}

} // namespace vellum::fuzz
