#pragma once
// The one line reader and tokeniser of node, element, data, STL and material files.
//
// The file is read front to back in large blocks and split in place: lines end with LF or
// CR LF (a last line without an end counts), lines of any length are read whole, and
// tokens are views into the block, so reading a million lines allocates nothing per line
// and never holds the whole file in memory.
// Separators are space, tab, comma and the ideographic space; runs of them count as one.
// Files are CP932, where the ideographic space is the two-byte 0x81 0x40 and a byte 0x40
// that trails a lead byte is part of its character. A file that starts with a UTF-8
// byte-order mark, or is valid UTF-8 with multi-byte characters, is read as UTF-8, where
// the ideographic space is U+3000.
#include "common/FileIo.h"
#include "common/Numbers.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace vellum {

class Ui;

class TextRecordReader {
public:
    // Opens the file and reads its first block. False when it cannot be opened or read.
    bool open(const std::string& path);
    // Takes the bytes of a file directly; `name` stands for the path in messages.
    void openBytes(std::string bytes, std::string name);
    // The size of the blocks open() reads from here on; tests make them tiny.
    void setBlockBytes(size_t bytes) { blockBytes_ = bytes > 0 ? bytes : 1; }
    // True when the file could not be read to its end: what was read is not the file.
    bool readFailed() const { return file_.failed(); }
    // Only the first `bytes` bytes of each line count from here on; the rest of a longer
    // line is dropped, never read as a line of its own.
    void limitLineBytes(size_t bytes) { lineLimit_ = bytes; }

    // Moves to the next line that holds a token. False at the end of the file.
    bool nextLine();
    // The next token of the current line. False when the line has no more.
    bool nextToken(std::string_view& token);

    // The record rule: the first token is the record's number (integer), each following
    // token one value, up to `maxValues`; further tokens are ignored. Each moves to the
    // next line with tokens and returns Record, or End at the end of the file, or
    // Overflow when a value's magnitude is beyond a double (reportOverflow tells the user).
    enum class Result { Record, End, Overflow };
    Result readRealRecord(int32_t& number, double* values, size_t maxValues, size_t& valueCount);
    Result readIntegerRecord(int32_t& number, int32_t* values, size_t maxValues, size_t& valueCount);

    // Converts one token as a real; false when its magnitude is beyond a double.
    static bool toReal(std::string_view token, double& value);

    // The message for a value too large to hold, naming the file and the line; shown.
    std::string overflowMessage() const;
    void reportOverflow(Ui& ui) const;

    // 1-based number of the current line.
    size_t lineNumber() const { return lineNumber_; }
    // At least the number of records the file holds, for reserving them: a record takes
    // four bytes or more (number, separator, value, line end; the last line may lack its end).
    size_t recordCountBound() const;
    bool isUtf8() const { return utf8_; }

private:
    // Decides the encoding once the first byte at or above 0x80 comes into the block that
    // starts at `from`; what comes before is ASCII, whatever the encoding.
    void detectEncoding(size_t from);
    // Keeps the unread part of the block and reads the next one behind it. False at the end.
    bool readNextBlock();
    bool atSeparator(size_t pos, size_t& width) const;
    // Moves to the next line with tokens and converts its first token as the number.
    bool startRecord(int32_t& number);
    // The next token of the current line, converted. False when the line has no more.
    bool nextInteger(int32_t& value);
    bool nextReal(RealParse& value);
    template <class Value, class Scan, class Convert>
    bool nextNumber(Value& value, Scan scan, Convert convert);

    std::string bytes_; // the block being read: the unread rest of the file's bytes so far
    BlockFile file_;
    size_t blockBytes_ = size_t{1} << 20;
    uint64_t fileBytes_ = 0; // the whole file's size, or the size of the bytes given
    std::string name_;
    bool utf8_ = false;
    bool encodingKnown_ = false;
    size_t next_ = 0;      // start of the next line
    size_t lineEnd_ = 0;   // end of the current line, line end excluded
    size_t cursor_ = 0;    // next unread byte of the current line
    size_t lineNumber_ = 0;
    size_t lineLimit_ = static_cast<size_t>(-1);
};

} // namespace vellum
