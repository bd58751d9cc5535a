#include "data/TextRecordReader.h"

#include "common/Encoding.h"
#include "common/FileIo.h"
#include "common/Numbers.h"
#include "common/Texts.h"
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
    if (!file_.open(path)) return false;
    name_ = path;
    bytes_.clear();
    next_ = lineEnd_ = cursor_ = 0;
    lineNumber_ = 0;
    utf8_ = encodingKnown_ = false;
    fileBytes_ = file_.size();
    // The first block holds at least the byte-order mark a UTF-8 file may start with.
    while (bytes_.size() < 3 && file_.appendBlock(bytes_, std::max<size_t>(blockBytes_, 3) - bytes_.size())) {
    }
    if (file_.failed()) return false;
    if (hasUtf8Bom(bytes_)) {
        utf8_ = encodingKnown_ = true;
        next_ = 3;
    }
    detectEncoding(0);
    return true;
}

void TextRecordReader::openBytes(std::string bytes, std::string name) {
    file_.close();
    bytes_ = std::move(bytes);
    fileBytes_ = bytes_.size();
    name_ = std::move(name);
    next_ = lineEnd_ = cursor_ = 0;
    lineNumber_ = 0;
    utf8_ = encodingKnown_ = false;
    if (hasUtf8Bom(bytes_)) {
        utf8_ = encodingKnown_ = true;
        next_ = 3;
    }
    detectEncoding(0);
}

void TextRecordReader::detectEncoding(size_t from) {
    if (encodingKnown_) return;
    const size_t high = from + firstHighByte(std::string_view(bytes_).substr(from));
    if (high >= bytes_.size()) return;
    encodingKnown_ = true;
    // Everything before the first high byte is ASCII and so valid UTF-8 already; the file
    // is UTF-8 when the rest of it is too. The rest is read once here: only files with
    // other than ASCII text in them pay for it.
    std::string rest = bytes_.substr(high);
    if (file_.isOpen() && !file_.appendFrom(file_.position(), rest)) return;
    utf8_ = isMultibyteUtf8(rest);
}

bool TextRecordReader::readNextBlock() {
    // The bytes before the current line are done with; what tokens of it still point to
    // is not, so the line's start stays where it is only until the next line is asked for.
    bytes_.erase(0, next_);
    next_ = 0;
    const size_t before = bytes_.size();
    if (!file_.appendBlock(bytes_, blockBytes_)) return false;
    detectEncoding(before);
    return true;
}

size_t TextRecordReader::recordCountBound() const { return static_cast<size_t>(fileBytes_ / 4 + 1); }

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
    for (;;) {
        // A line that runs past the block is completed from the next ones first.
        const void* found = nullptr;
        size_t searched = 0; // bytes of the line already known to hold no line end
        for (;;) {
            found = std::memchr(bytes_.data() + next_ + searched, '\n', bytes_.size() - next_ - searched);
            if (found) break;
            searched = bytes_.size() - next_;
            if (!readNextBlock()) break;
        }
        if (next_ >= bytes_.size()) break;
        const size_t start = next_;
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

namespace {
bool isAsciiSeparator(char c) { return c == ' ' || c == '\t' || c == ','; }
} // namespace

// A token that is a plain number, ended by an ASCII separator or the line's end, is
// converted where it lies in one pass; any other token (words, numbers with letters after
// them, characters beyond ASCII, the ideographic space) goes through nextToken and the
// conversion of the whole token, which are the rules themselves.
template <class Value, class Scan, class Convert>
bool TextRecordReader::nextNumber(Value& value, Scan scan, Convert convert) {
    const char* const data = bytes_.data();
    while (cursor_ < lineEnd_ && isAsciiSeparator(data[cursor_])) ++cursor_;
    if (cursor_ >= lineEnd_) return false;
    const char* const first = data + cursor_;
    const char* const last = data + lineEnd_;
    const char* const end = scan(first, last, value);
    if (end != first && (end == last || isAsciiSeparator(*end))) {
        cursor_ = static_cast<size_t>(end - data);
        return true;
    }
    std::string_view token;
    if (!nextToken(token)) return false;
    value = convert(token);
    return true;
}

bool TextRecordReader::nextInteger(int32_t& value) {
    return nextNumber(value, scanIntPrefix, parseIntPrefix);
}

bool TextRecordReader::nextReal(RealParse& value) {
    return nextNumber(value, scanRealPrefix, parseRealPrefix);
}

bool TextRecordReader::startRecord(int32_t& number) {
    if (!nextLine()) return false;
    nextInteger(number);
    return true;
}

TextRecordReader::Result TextRecordReader::readRealRecord(int32_t& number, double* values, size_t maxValues,
                                                          size_t& valueCount) {
    valueCount = 0;
    if (!startRecord(number)) return Result::End;
    RealParse parsed;
    while (valueCount < maxValues && nextReal(parsed)) {
        if (parsed.overflow) return Result::Overflow;
        values[valueCount++] = parsed.value;
    }
    return Result::Record;
}

TextRecordReader::Result TextRecordReader::readIntegerRecord(int32_t& number, int32_t* values, size_t maxValues,
                                                             size_t& valueCount) {
    valueCount = 0;
    if (!startRecord(number)) return Result::End;
    while (valueCount < maxValues && nextInteger(values[valueCount])) ++valueCount;
    return Result::Record;
}

std::string TextRecordReader::overflowMessage() const {
    // Composed with the file name and line, so translated here rather than where it is shown.
    return shownText(TX("%1 の %2 行目に扱えない大きさの数値があります\n数値を確認してください"),
                     {name_, std::to_string(lineNumber_)});
}

void TextRecordReader::reportOverflow(Ui& ui) const { ui.showMessage(overflowMessage()); }

} // namespace vellum
