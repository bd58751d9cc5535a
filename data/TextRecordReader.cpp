#include "data/TextRecordReader.h"

#include "common/Encoding.h"
#include "common/FileIo.h"
#include "common/Numbers.h"
#include "common/Ui.h"

#include <cstring>

namespace vellum {
namespace {

bool isCp932TrailByte(unsigned char c) { return (c >= 0x40 && c <= 0x7E) || (c >= 0x80 && c <= 0xFC); }

// Position of the first byte at or above 0x80, or the size when the text is ASCII.
size_t firstHighByte(std::string_view bytes) {
    size_t i = 0;
    for (; i + 8 <= bytes.size(); i += 8) {
        uint64_t word;
        std::memcpy(&word, bytes.data() + i, 8);
        if (word & 0x8080808080808080ull) break;
    }
    for (; i < bytes.size(); ++i) {
        if (static_cast<unsigned char>(bytes[i]) >= 0x80) return i;
    }
    return bytes.size();
}

} // namespace

bool TextRecordReader::open(const std::string& path) {
    std::string bytes;
    if (!readWholeFile(path, bytes)) return false;
    openBytes(std::move(bytes), path);
    return true;
}

void TextRecordReader::openBytes(std::string bytes, std::string name) {
    bytes_ = std::move(bytes);
    name_ = std::move(name);
    next_ = lineEnd_ = cursor_ = 0;
    lineNumber_ = 0;
    detectEncoding();
}

void TextRecordReader::detectEncoding() {
    utf8_ = false;
    if (hasUtf8Bom(bytes_)) {
        utf8_ = true;
        next_ = 3;
        return;
    }
    // Everything before the first high byte is ASCII and so valid UTF-8 already.
    const size_t high = firstHighByte(bytes_);
    if (high < bytes_.size()) utf8_ = isMultibyteUtf8(std::string_view(bytes_).substr(high));
}

size_t TextRecordReader::lineCountBound() const {
    size_t count = 1;
    const char* p = bytes_.data();
    const char* end = p + bytes_.size();
    while (p < end) {
        const void* found = std::memchr(p, '\n', static_cast<size_t>(end - p));
        if (!found) break;
        ++count;
        p = static_cast<const char*>(found) + 1;
    }
    return count;
}

bool TextRecordReader::atSeparator(size_t pos, size_t& width) const {
    const auto* p = reinterpret_cast<const unsigned char*>(bytes_.data());
    const unsigned char c = p[pos];
    if (c == ' ' || c == '\t' || c == ',') {
        width = 1;
        return true;
    }
    if (utf8_) {
        if (c == 0xE3 && pos + 2 < lineEnd_ && p[pos + 1] == 0x80 && p[pos + 2] == 0x80) {
            width = 3;
            return true;
        }
    } else if (c == 0x81 && pos + 1 < lineEnd_ && p[pos + 1] == 0x40) {
        width = 2;
        return true;
    }
    return false;
}

bool TextRecordReader::nextLine() {
    while (next_ < bytes_.size()) {
        const size_t start = next_;
        const void* found = std::memchr(bytes_.data() + start, '\n', bytes_.size() - start);
        size_t end = found ? static_cast<size_t>(static_cast<const char*>(found) - bytes_.data()) : bytes_.size();
        next_ = found ? end + 1 : end;
        if (end > start && bytes_[end - 1] == '\r') --end;
        if (end - start > lineLimit_) end = start + lineLimit_;
        ++lineNumber_;
        lineEnd_ = end;
        cursor_ = start;
        size_t width = 0;
        while (cursor_ < lineEnd_ && atSeparator(cursor_, width)) cursor_ += width;
        if (cursor_ < lineEnd_) return true;
    }
    cursor_ = lineEnd_ = next_;
    return false;
}

bool TextRecordReader::nextToken(std::string_view& token) {
    const auto* p = reinterpret_cast<const unsigned char*>(bytes_.data());
    size_t width = 0;
    while (cursor_ < lineEnd_ && atSeparator(cursor_, width)) cursor_ += width;
    if (cursor_ >= lineEnd_) return false;
    const size_t start = cursor_;
    while (cursor_ < lineEnd_) {
        const unsigned char c = p[cursor_];
        if (c < 0x80) {
            if (c == ' ' || c == '\t' || c == ',') break;
            ++cursor_;
            continue;
        }
        if (atSeparator(cursor_, width)) break;
        // A CP932 character moves as a whole, so its trail byte is never taken for the
        // second half of an ideographic space.
        if (!utf8_ && isCp932LeadByte(c) && cursor_ + 1 < lineEnd_ && isCp932TrailByte(p[cursor_ + 1])) {
            cursor_ += 2;
        } else {
            ++cursor_;
        }
    }
    token = std::string_view(bytes_.data() + start, cursor_ - start);
    return true;
}

bool TextRecordReader::toReal(std::string_view token, double& value) {
    const RealParse parsed = parseRealPrefix(token);
    value = parsed.value;
    return !parsed.overflow;
}

bool TextRecordReader::startRecord(int32_t& number) {
    if (!nextLine()) return false;
    std::string_view token;
    nextToken(token);
    number = parseIntPrefix(token);
    return true;
}

TextRecordReader::Result TextRecordReader::readRealRecord(int32_t& number, double* values, size_t maxValues,
                                                          size_t& valueCount) {
    valueCount = 0;
    if (!startRecord(number)) return Result::End;
    std::string_view token;
    while (valueCount < maxValues && nextToken(token)) {
        if (!toReal(token, values[valueCount])) return Result::Overflow;
        ++valueCount;
    }
    return Result::Record;
}

TextRecordReader::Result TextRecordReader::readIntegerRecord(int32_t& number, int32_t* values, size_t maxValues,
                                                             size_t& valueCount) {
    valueCount = 0;
    if (!startRecord(number)) return Result::End;
    std::string_view token;
    while (valueCount < maxValues && nextToken(token)) values[valueCount++] = parseIntPrefix(token);
    return Result::Record;
}

std::string TextRecordReader::overflowMessage() const {
    return name_ + " の " + std::to_string(lineNumber_) + " 行目に扱えない大きさの数値があります\n数値を確認してください";
}

void TextRecordReader::reportOverflow(Ui& ui) const { ui.showMessage(overflowMessage()); }

} // namespace vellum
