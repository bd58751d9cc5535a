#pragma once
// Whole-file reading and safe replacement of files.
#include <string>
#include <string_view>

namespace vellum {

// Reads the whole file into `bytes`. False when it cannot be opened or read.
bool readWholeFile(const std::string& path, std::string& bytes);

// Writes `bytes` to a temporary file beside `path`, flushes it to disk and renames it over
// `path`, so that a failure never leaves a half-written file and the old file survives
// until the new one is complete. False (and nothing changed at `path`) on any failure,
// and when `path` is a file this process may not write.
bool writeFileAtomically(const std::string& path, std::string_view bytes);

// Why `path` cannot be opened for reading, as a short Japanese phrase ("フォルダです",
// "ファイルがありません", ...); empty when it can be.
std::string unreadableReason(const std::string& path);

// Why a file cannot be written at `path` as far as the folders tell ("フォルダがありません",
// "フォルダに書き込めません", ...); empty when nothing in the way is seen (a full disk shows
// only when writing).
std::string unwritableReason(const std::string& path);

// A temporary file beside a target, renamed over it on commit() and removed otherwise.
// For writers that stream (images) rather than build the bytes in memory.
class AtomicFile {
public:
    explicit AtomicFile(std::string targetPath);
    ~AtomicFile();
    AtomicFile(const AtomicFile&) = delete;
    AtomicFile& operator=(const AtomicFile&) = delete;

    // The temporary path to write to; empty when it could not be created.
    const std::string& temporaryPath() const { return tempPath_; }
    // Flushes the temporary file to disk and renames it over the target.
    bool commit();

private:
    std::string target_;
    std::string tempPath_;
    bool committed_ = false;
};

} // namespace vellum
