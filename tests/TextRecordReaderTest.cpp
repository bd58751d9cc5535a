#include "common/Encoding.h"
#include "tests/support/RecordingUi.h"
#include "data/TextRecordReader.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>
#include <vector>

namespace vellum {
namespace {

// Every line with tokens, each as its list of tokens.
std::vector<std::vector<std::string>> tokenise(std::string bytes) {
    TextRecordReader reader;
    reader.openBytes(std::move(bytes), "test.dat");
    std::vector<std::vector<std::string>> lines;
    while (reader.nextLine()) {
        auto& tokens = lines.emplace_back();
        std::string_view token;
        while (reader.nextToken(token)) tokens.emplace_back(token);
    }
    return lines;
}

using Lines = std::vector<std::vector<std::string>>;

TEST(TextRecordReader, SplitsOnEveryMixOfSeparators) {
    EXPECT_EQ(tokenise("1,0.5,0.25,0\n"), (Lines{{"1", "0.5", "0.25", "0"}}));
    EXPECT_EQ(tokenise("  1 \t,, 0.5\t  0.25  ,\n"), (Lines{{"1", "0.5", "0.25"}}));
    // Ideographic space in CP932 between the values.
    EXPECT_EQ(tokenise("1,\t0.5\x81\x40" "0.25\n"), (Lines{{"1", "0.5", "0.25"}}));
    EXPECT_EQ(tokenise("\x81\x40\x81\x40" "7\x81\x40\n"), (Lines{{"7"}}));
}

TEST(TextRecordReader, NeverSplitsACp932CharacterWhoseTrailByteIs0x40) {
    // 0x83 0x40 is katakana "ァ"; its trail byte 0x40 must not pair with a following 0x81.
    // 0x81 0x81 0x40 is "＝" followed by "@": no ideographic space either.
    const std::string katakana = "\x83\x40";
    EXPECT_EQ(tokenise("A" + katakana + "B 2\n"), (Lines{{"A" + katakana + "B", "2"}}));
    EXPECT_EQ(tokenise("x\x81\x81\x40y 3\n"), (Lines{{"x\x81\x81\x40y", "3"}}));
    // A lead byte before a real separator stays a byte of its own; the separator separates.
    EXPECT_EQ(tokenise("\x83 5\n"), (Lines{{"\x83", "5"}}));
}

TEST(TextRecordReader, ReadsUtf8FilesWithTheirOwnIdeographicSpace) {
    // Valid multi-byte UTF-8: U+3000 separates.
    EXPECT_EQ(tokenise("節点　1　2.5\n"), (Lines{{"節点", "1", "2.5"}}));
    // A byte-order mark is not part of the first token.
    EXPECT_EQ(tokenise("\xEF\xBB\xBF" "4 1 2\n"), (Lines{{"4", "1", "2"}}));
    TextRecordReader reader;
    reader.openBytes("\xEF\xBB\xBF" "1 2\n", "bom.dat");
    EXPECT_TRUE(reader.isUtf8());
    // The same text in CP932 reads with the CP932 ideographic space.
    EXPECT_EQ(tokenise(utf8ToCp932("節点　1　2.5\n")), (Lines{{utf8ToCp932("節点"), "1", "2.5"}}));
}

TEST(TextRecordReader, HandlesLineEndsBlankLinesAndALastLineWithoutEnd) {
    EXPECT_EQ(tokenise("1 2\r\n3 4\n5 6"), (Lines{{"1", "2"}, {"3", "4"}, {"5", "6"}}));
    EXPECT_EQ(tokenise("\n\r\n  \t\n,,,\n"), Lines{});
    EXPECT_EQ(tokenise(""), Lines{});
    EXPECT_EQ(tokenise("\r\n9\r"), (Lines{{"9"}}));
}

TEST(TextRecordReader, ReadsLongLinesWhole) {
    std::string line = "1";
    for (int i = 0; i < 2000; ++i) line += " 0.125";
    line += " 42";
    const Lines lines = tokenise(line + "\n2 3\n");
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].size(), 2002u);
    EXPECT_EQ(lines[0].back(), "42");
    EXPECT_EQ(lines[1], (std::vector<std::string>{"2", "3"}));
}

TEST(TextRecordReader, SurvivesNulBytesAndBinaryJunk) {
    const std::string junk("1\0 2\n\xFF\xFE\x81\n\x80\x81", 11);
    const Lines lines = tokenise(junk);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0], (std::vector<std::string>{std::string("1\0", 2), "2"}));
    // A lead byte at the very end of the file pairs with nothing.
    EXPECT_EQ(lines[2], (std::vector<std::string>{"\x80\x81"}));
}

TEST(TextRecordReader, AppliesTheRecordRule) {
    TextRecordReader reader;
    reader.openBytes("4.9 1 1.5e3 .5 -7 99\nN5 x\n7\n", "r.dat");
    int32_t number = 0;
    double values[3];
    size_t count = 0;
    ASSERT_EQ(reader.readRealRecord(number, values, 3, count), TextRecordReader::Result::Record);
    EXPECT_EQ(number, 4);
    ASSERT_EQ(count, 3u);
    EXPECT_EQ(values[0], 1.0);
    EXPECT_EQ(values[1], 1500.0);
    EXPECT_EQ(values[2], 0.5);
    ASSERT_EQ(reader.readRealRecord(number, values, 3, count), TextRecordReader::Result::Record);
    EXPECT_EQ(number, 0); // words read as zero
    ASSERT_EQ(count, 1u);
    EXPECT_EQ(values[0], 0.0);
    ASSERT_EQ(reader.readRealRecord(number, values, 3, count), TextRecordReader::Result::Record);
    EXPECT_EQ(count, 0u); // a number alone: the caller makes no record
    EXPECT_EQ(reader.readRealRecord(number, values, 3, count), TextRecordReader::Result::End);
}

TEST(TextRecordReader, RefusesValuesBeyondADoubleNamingFileAndLine) {
    TextRecordReader reader;
    reader.openBytes("1 2 3\n\n2 1e999 0\n", "/tmp/nodes.dat");
    int32_t number = 0;
    double values[3];
    size_t count = 0;
    ASSERT_EQ(reader.readRealRecord(number, values, 3, count), TextRecordReader::Result::Record);
    ASSERT_EQ(reader.readRealRecord(number, values, 3, count), TextRecordReader::Result::Overflow);
    RecordingUi ui;
    reader.reportOverflow(ui);
    EXPECT_EQ(ui.messages, (std::vector<std::string>{
                               "/tmp/nodes.dat の 3 行目に扱えない大きさの数値があります\n数値を確認してください"}));
    // Non-finite words and underflow are ordinary values: inf and nan read as 0.
    double value = -1;
    EXPECT_TRUE(TextRecordReader::toReal("inf", value));
    EXPECT_EQ(value, 0.0);
    EXPECT_TRUE(TextRecordReader::toReal("nan", value));
    EXPECT_EQ(value, 0.0);
    EXPECT_TRUE(TextRecordReader::toReal("1e-999", value));
    EXPECT_EQ(value, 0.0);
    EXPECT_FALSE(TextRecordReader::toReal("-1E+400", value));
}

// Every line with tokens as "line number: token|token", read from a file in blocks of
// `blockBytes` (0: the bytes given whole), keeping `lineLimit` bytes of each line.
std::vector<std::string> readInPieces(const std::string& bytes, size_t blockBytes, size_t lineLimit) {
    TextRecordReader reader;
    const std::string path =
        (std::filesystem::temp_directory_path() / ("vellum-pieces-" + std::to_string(::getpid()))).string();
    if (blockBytes == 0) {
        reader.openBytes(bytes, path);
    } else {
        std::ofstream(path, std::ios::binary) << bytes;
        reader.setBlockBytes(blockBytes);
        EXPECT_TRUE(reader.open(path));
    }
    reader.limitLineBytes(lineLimit);
    std::vector<std::string> lines;
    while (reader.nextLine()) {
        std::string line = std::to_string(reader.lineNumber()) + ":";
        std::string_view token;
        while (reader.nextToken(token)) line += std::string(token) + "|";
        lines.push_back(line);
    }
    lines.push_back(reader.isUtf8() ? "utf-8" : "cp932");
    std::filesystem::remove(path);
    return lines;
}

// A file is read in blocks: a line, a CR LF, a two- or three-byte character or separator
// may be cut at any block boundary, and the encoding may show itself only in a late block.
// Read in blocks of every small size, each file must give what it gives read whole.
TEST(TextRecordReader, AFileReadInPiecesReadsAsAWhole) {
    std::string longLine = "9";
    for (int i = 0; i < 40; ++i) longLine += " 1.5";
    const std::string files[] = {
        "1 2\r\n3 4\r\n\r\n5,6\r\n7 8",                       // CR LF anywhere, a last line without end
        "10\t0.5 0.25\n" + longLine + "\n11 2\n",            // a line longer than many blocks
        "\xEF\xBB\xBF" "1\xE3\x80\x80" "2\n3 \xE7\xAF\x80\n", // a byte-order mark, U+3000 cut anywhere
        "1 2\n3 4\n5 6\n7 8\n9 \x83\x40\x81\x40" "5\n",      // CP932 seen only in the last line
        "1 2\n3 4\n5 6\n7 8\n9 \xE7\xAF\x80\xE3\x80\x80" "5\n", // UTF-8 seen only in the last line
        "1 2\n3 4\n\xE7\xAF\x80 1\n5 \x83\x40\n",             // UTF-8 first, then invalid: CP932 after all
        "",
        "\n\n \t\n",
    };
    for (const std::string& file : files) {
        for (size_t limit : {size_t(255), size_t(6)}) {
            const std::vector<std::string> whole = readInPieces(file, 0, limit);
            for (size_t block : {1, 2, 3, 4, 5, 7, 64}) {
                EXPECT_EQ(readInPieces(file, block, limit), whole)
                    << "block " << block << ", limit " << limit << ", file " << ::testing::PrintToString(file);
            }
        }
    }
    // And what it gives read whole is right: the long line kept whole, U+3000 and the
    // CP932 ideographic space separating, line numbers counting the blank lines.
    EXPECT_EQ(readInPieces(files[0], 2, 255), (std::vector<std::string>{"1:1|2|", "2:3|4|", "4:5|6|", "5:7|8|", "cp932"}));
    EXPECT_EQ(readInPieces(files[1], 3, 1000)[1].size(), 2 + longLine.size() + 1);
    EXPECT_EQ(readInPieces(files[2], 1, 255), (std::vector<std::string>{"1:1|2|", "2:3|\xE7\xAF\x80|", "utf-8"}));
    EXPECT_EQ(readInPieces(files[3], 4, 255).at(4), "5:9|\x83\x40|5|");
    EXPECT_EQ(readInPieces(files[4], 4, 255).at(4), "5:9|\xE7\xAF\x80|5|");
    EXPECT_EQ(readInPieces(files[5], 3, 255).back(), "cp932");
}

} // namespace
} // namespace vellum
