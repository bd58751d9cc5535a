#include "common/Encoding.h"

#include <cerrno>
#include <iconv.h>

namespace vellum {
namespace {

class IconvHandle {
public:
    IconvHandle(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
    ~IconvHandle() {
        if (valid()) iconv_close(cd_);
    }
    IconvHandle(const IconvHandle&) = delete;
    IconvHandle& operator=(const IconvHandle&) = delete;
    bool valid() const { return cd_ != reinterpret_cast<iconv_t>(-1); }
    iconv_t get() const { return cd_; }

private:
    iconv_t cd_;
};

// Length of the valid UTF-8 sequence at `p`, or 0 when there is none.
size_t utf8SequenceLength(const unsigned char* p, size_t left) {
    unsigned char c = p[0];
    size_t n;
    unsigned int min;
    unsigned int cp;
    if (c < 0x80) return 1;
    if ((c & 0xE0) == 0xC0) { n = 2; min = 0x80; cp = c & 0x1F; }
    else if ((c & 0xF0) == 0xE0) { n = 3; min = 0x800; cp = c & 0x0F; }
    else if ((c & 0xF8) == 0xF0) { n = 4; min = 0x10000; cp = c & 0x07; }
    else return 0;
    if (left < n) return 0;
    for (size_t i = 1; i < n; ++i) {
        if ((p[i] & 0xC0) != 0x80) return 0;
        cp = (cp << 6) | (p[i] & 0x3F);
    }
    if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return 0;
    return n;
}

// Converts with iconv; an unconvertible input byte is skipped and `replacement` written.
std::string convert(std::string_view in, const char* to, const char* from, std::string_view replacement) {
    IconvHandle cd(to, from);
    const bool fromUtf8 = std::string_view(from) == "UTF-8";
    if (!cd.valid()) return std::string(in);
    std::string out;
    out.reserve(in.size() * 2 + 8);
    char* inPtr = const_cast<char*>(in.data());
    size_t inLeft = in.size();
    char buffer[4096];
    while (inLeft > 0) {
        char* outPtr = buffer;
        size_t outLeft = sizeof buffer;
        size_t rc = iconv(cd.get(), &inPtr, &inLeft, &outPtr, &outLeft);
        out.append(buffer, static_cast<size_t>(outPtr - buffer));
        if (rc != static_cast<size_t>(-1)) continue;
        if (errno == E2BIG) continue;
        // EILSEQ or EINVAL (a cut-off character at the end): replace one byte and go on.
        // A character of valid UTF-8 that CP932 lacks is replaced whole, not byte by byte.
        size_t skip = 1;
        if (fromUtf8) {
            size_t n = utf8SequenceLength(reinterpret_cast<const unsigned char*>(inPtr), inLeft);
            if (n > 0) skip = n;
        }
        out.append(replacement);
        inPtr += skip;
        inLeft -= skip;
        iconv(cd.get(), nullptr, nullptr, nullptr, nullptr);
    }
    return out;
}

} // namespace

std::string cp932ToUtf8(std::string_view cp932) {
    bool ascii = true;
    for (unsigned char c : cp932) {
        if (c >= 0x80) { ascii = false; break; }
    }
    if (ascii) return std::string(cp932);
    return convert(cp932, "UTF-8", "CP932", "\xEF\xBF\xBD");
}

std::string utf8ToCp932(std::string_view utf8) {
    bool ascii = true;
    for (unsigned char c : utf8) {
        if (c >= 0x80) { ascii = false; break; }
    }
    if (ascii) return std::string(utf8);
    return convert(utf8, "CP932", "UTF-8", "?");
}

bool hasUtf8Bom(std::string_view bytes) {
    return bytes.size() >= 3 && bytes.substr(0, 3) == "\xEF\xBB\xBF";
}

bool isMultibyteUtf8(std::string_view bytes) {
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
    size_t left = bytes.size();
    bool multibyte = false;
    while (left > 0) {
        size_t n = utf8SequenceLength(p, left);
        if (n == 0) return false;
        if (n > 1) multibyte = true;
        p += n;
        left -= n;
    }
    return multibyte;
}

std::string decodeFileText(std::string_view bytes) {
    if (hasUtf8Bom(bytes)) return std::string(bytes.substr(3));
    if (isMultibyteUtf8(bytes)) return std::string(bytes);
    return cp932ToUtf8(bytes);
}

} // namespace vellum
