#pragma once
// Whole-file reading and safe replacement of files.
#include <cstdint>
#include <string>
#include <string_view>

namespace vellum {

// Reads the whole file into `bytes`. False when it cannot be opened or read.
bool readWholeFile(const std::string& path, std::string& bytes);

// A file read front to back in blocks, for readers that never need all of it in memory.
class BlockFile {
public:
    BlockFile() = default;
    ~BlockFile();
    BlockFile(const BlockFile&) = delete;
    BlockFile& operator=(const BlockFile&) = delete;

    // False when it cannot be opened, or is a folder.
    bool open(const std::string& path);
    void close();
    // Appends up to `bytes` more bytes to `out`. False at the end of the file, or when it
    // cannot be read on (then `failed()`).
    bool appendBlock(std::string& out, size_t bytes);
    // Appends everything from the byte `offset` to the end, leaving the place of
    // appendBlock where it was. False when it cannot be read.
    bool appendFrom(uint64_t offset, std::string& out) const;
    bool failed() const { return failed_; }
    bool isOpen() const { return fd_ >= 0; }
    // Bytes read so far by appendBlock.
    uint64_t position() const { return position_; }
    uint64_t size() const { return size_; }

private:
    int fd_ = -1;
    uint64_t position_ = 0, size_ = 0;
    bool failed_ = false;
};

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
