#include "common/FileIo.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include "common/Texts.h"

namespace vellum {
namespace {

class FdHandle {
public:
    explicit FdHandle(int fd) : fd_(fd) {}
    ~FdHandle() {
        if (fd_ >= 0) ::close(fd_);
    }
    FdHandle(const FdHandle&) = delete;
    FdHandle& operator=(const FdHandle&) = delete;
    int get() const { return fd_; }
    int release() {
        int fd = fd_;
        fd_ = -1;
        return fd;
    }

private:
    int fd_;
};

bool writeAll(int fd, std::string_view bytes) {
    const char* p = bytes.data();
    size_t left = bytes.size();
    while (left > 0) {
        ssize_t n = ::write(fd, p, left);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        p += n;
        left -= static_cast<size_t>(n);
    }
    return true;
}

// Creates a unique temporary file beside `path`; returns its descriptor and name.
int makeTemporaryBeside(const std::string& path, std::string& tempPath) {
    std::string pattern = path + ".tmpXXXXXX";
    int fd = ::mkstemp(pattern.data());
    if (fd < 0) return -1;
    ::fchmod(fd, 0644);
    tempPath = pattern;
    return fd;
}

} // namespace

std::string unreadableReason(const std::string& path) {
    if (path.empty()) return TX("ファイル名が空です");
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd >= 0) {
        FdHandle file(fd);
        struct stat st {};
        if (::fstat(fd, &st) == 0 && S_ISDIR(st.st_mode)) return TX("フォルダです");
        return {};
    }
    switch (errno) {
    case ENOENT: return TX("ファイルがありません");
    case ELOOP: return TX("シンボリックリンクが循環しています");
    case EACCES: return TX("読み取りが許可されていません");
    case ENOTDIR: return TX("途中の名前がフォルダではありません");
    case ENAMETOOLONG: return TX("パスが長すぎます");
    default: {
        // Composed here: the number makes it a text no table holds, so its pattern is
        // translated before the number goes in.
        const std::string number = std::to_string(errno);
        return shownText(TX("開けません (errno %1)"), {number});
    }
    }
}

std::string unwritableReason(const std::string& path) {
    if (path.empty()) return TX("ファイル名が空です");
    struct stat st {};
    if (::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode)) return TX("フォルダです");
    const size_t slash = path.rfind('/');
    const std::string folder = slash == std::string::npos ? "." : slash == 0 ? "/" : path.substr(0, slash);
    if (::stat(folder.c_str(), &st) != 0) return errno == ELOOP ? TX("シンボリックリンクが循環しています") : TX("フォルダがありません");
    if (!S_ISDIR(st.st_mode)) return TX("途中の名前がフォルダではありません");
    // A new file goes in beside the target and is renamed over it: the folder must take it.
    if (::access(folder.c_str(), W_OK | X_OK) != 0) return TX("フォルダに書き込めません");
    if (::access(path.c_str(), F_OK) == 0 && ::access(path.c_str(), W_OK) != 0) return TX("書き込みが許可されていません");
    return {};
}

bool readWholeFile(const std::string& path, std::string& bytes) {
    bytes.clear();
    FdHandle fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (fd.get() < 0) return false;
    struct stat st {};
    if (::fstat(fd.get(), &st) != 0 || S_ISDIR(st.st_mode)) return false;
    if (st.st_size > 0) bytes.reserve(static_cast<size_t>(st.st_size));
    char buffer[1 << 16];
    for (;;) {
        ssize_t n = ::read(fd.get(), buffer, sizeof buffer);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        if (n == 0) break;
        bytes.append(buffer, static_cast<size_t>(n));
    }
    return true;
}

BlockFile::~BlockFile() { close(); }

void BlockFile::close() {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
    position_ = size_ = 0;
    failed_ = false;
}

bool BlockFile::open(const std::string& path) {
    FdHandle fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (fd.get() < 0) return false;
    struct stat st {};
    if (::fstat(fd.get(), &st) != 0 || S_ISDIR(st.st_mode)) return false;
    close();
    fd_ = fd.release();
    size_ = st.st_size > 0 ? static_cast<uint64_t>(st.st_size) : 0;
    position_ = 0;
    failed_ = false;
    return true;
}

bool BlockFile::appendBlock(std::string& out, size_t bytes) {
    if (fd_ < 0 || failed_ || bytes == 0) return false;
    // The buffer is zeroed before the read fills it: a small file should not pay for a
    // megabyte. One byte past the known size still finds a file that grew meanwhile, and
    // files that report no size (pipes, /proc) are read a page at a time.
    const uint64_t left = size_ > position_ ? size_ - position_ + 1 : 4096;
    if (left < bytes) bytes = static_cast<size_t>(left);
    const size_t start = out.size();
    out.resize(start + bytes);
    for (;;) {
        const ssize_t n = ::read(fd_, out.data() + start, bytes);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) failed_ = true;
        const size_t got = n > 0 ? static_cast<size_t>(n) : 0;
        out.resize(start + got);
        position_ += got;
        return got > 0;
    }
}

bool BlockFile::appendFrom(uint64_t offset, std::string& out) const {
    if (fd_ < 0) return false;
    char buffer[1 << 16];
    for (;;) {
        const ssize_t n = ::pread(fd_, buffer, sizeof buffer, static_cast<off_t>(offset));
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return false;
        if (n == 0) return true;
        out.append(buffer, static_cast<size_t>(n));
        offset += static_cast<uint64_t>(n);
    }
}

bool writeFileAtomically(const std::string& path, std::string_view bytes) {
    // A file the person made read-only stays as it is, as it would if it were opened for
    // writing: renaming over it needs only the folder's permission.
    if (::access(path.c_str(), F_OK) == 0 && ::access(path.c_str(), W_OK) != 0) return false;
    std::string tempPath;
    FdHandle fd(makeTemporaryBeside(path, tempPath));
    if (fd.get() < 0) return false;
    bool ok = writeAll(fd.get(), bytes) && ::fsync(fd.get()) == 0;
    ok = (::close(fd.release()) == 0) && ok;
    if (ok && ::rename(tempPath.c_str(), path.c_str()) == 0) return true;
    ::unlink(tempPath.c_str());
    return false;
}

AtomicFile::AtomicFile(std::string targetPath) : target_(std::move(targetPath)) {
    int fd = makeTemporaryBeside(target_, tempPath_);
    if (fd >= 0) ::close(fd);
}

AtomicFile::~AtomicFile() {
    if (!committed_ && !tempPath_.empty()) ::unlink(tempPath_.c_str());
}

bool AtomicFile::commit() {
    if (tempPath_.empty() || committed_) return false;
    FdHandle fd(::open(tempPath_.c_str(), O_RDONLY | O_CLOEXEC));
    if (fd.get() < 0 || ::fsync(fd.get()) != 0) return false;
    if (::rename(tempPath_.c_str(), target_.c_str()) != 0) return false;
    committed_ = true;
    return true;
}

} // namespace vellum
