#include "tape/cal_format.h"

#include <gtest/gtest.h>

#include <sstream>

#include "test_files.h"

namespace zovrek {
namespace {

using Status = CalReadResult::Status;

std::string bytes(std::initializer_list<int> values) {
    std::string s;
    for (int v : values) s.push_back(static_cast<char>(v));
    return s;
}

std::string repeat(const std::string& text, int times) {
    std::string s;
    for (int i = 0; i < times; ++i) s += text;
    return s;
}

std::string utf16(std::u16string_view text) {
    std::string s;
    for (char16_t c : text) {
        s.push_back(static_cast<char>(c & 0xFF));
        s.push_back(static_cast<char>(c >> 8));
    }
    return s;
}

// ---- Writing: the shortest length form.

struct PrefixRow {
    const char* name;
    std::uint64_t length;
    std::string prefix;
};

class CalPrefixTest : public testing::TestWithParam<PrefixRow> {};

TEST_P(CalPrefixTest, ShortestForm) {
    EXPECT_EQ(calLengthPrefix(GetParam().length), GetParam().prefix);
}

INSTANTIATE_TEST_SUITE_P(
    Lengths, CalPrefixTest,
    testing::Values(PrefixRow{"Empty", 0, bytes({0x00})},
                    PrefixRow{"Longest1Byte", 254, bytes({0xFE})},
                    PrefixRow{"Shortest16Bit", 255, bytes({0xFF, 0xFF, 0x00})},
                    PrefixRow{"Mid16Bit", 0x1234, bytes({0xFF, 0x34, 0x12})},
                    PrefixRow{"Longest16Bit", 65533, bytes({0xFF, 0xFD, 0xFF})},
                    PrefixRow{"Shortest32Bit", 65534, bytes({0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0x00, 0x00})},
                    PrefixRow{"Marker16BitValueIs32Bit", 65535,
                              bytes({0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0x00})},
                    PrefixRow{"TenMegabytes", 10'000'000, bytes({0xFF, 0xFF, 0xFF, 0x80, 0x96, 0x98, 0x00})},
                    PrefixRow{"Longest32Bit", kMaxCalTextLength,
                              bytes({0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF})}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(CalWriteTest, EmptyTextIsOneZeroByte) { EXPECT_EQ(encodeCal(""), bytes({0x00})); }

TEST(CalWriteTest, FileSizesAtTheFormBoundaries) {
    EXPECT_EQ(encodeCal(std::string(254, 'x')).size(), 255u);
    const std::string f255 = encodeCal(std::string(255, 'x'));
    EXPECT_EQ(f255.size(), 258u);
    EXPECT_EQ(f255.substr(0, 3), bytes({0xFF, 0xFF, 0x00}));
    EXPECT_EQ(f255.substr(3), std::string(255, 'x'));
    const std::string f65534 = encodeCal(std::string(65534, 'y'));
    EXPECT_EQ(f65534.size(), 65534u + 7);
    EXPECT_EQ(f65534.substr(0, 7), bytes({0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0x00, 0x00}));
}

TEST(CalWriteTest, StreamThatFailsAfterNBytesIsReported) {
    const std::string text(300, 'z');  // 303 bytes with its prefix
    for (std::size_t limit : {0u, 1u, 2u, 3u, 100u, 302u}) {
        test::FailingBuf buf(limit);
        std::ostream out(&buf);
        EXPECT_FALSE(writeCal(out, text)) << "limit " << limit;
    }
    test::FailingBuf buf(303);
    std::ostream out(&buf);
    EXPECT_TRUE(writeCal(out, text));
    EXPECT_EQ(buf.written(), encodeCal(text));
}

// ---- Text: one byte a character while every character fits, else UTF-8.

struct TextRow {
    const char* name;
    std::string text;    // the tape in memory (UTF-8)
    std::string string;  // the string the file holds after its prefix
    std::string readBack;
};

class CalTextTest : public testing::TestWithParam<TextRow> {};

TEST_P(CalTextTest, WrittenAndReadBack) {
    const TextRow& row = GetParam();
    const std::string file = encodeCal(row.text);
    EXPECT_EQ(file, calLengthPrefix(row.string.size()) + row.string);
    const CalReadResult r = readCal(file);
    ASSERT_EQ(r.status, Status::Text) << r.error;
    EXPECT_EQ(r.text, row.readBack);
}

const std::string kCafe = "Caf\xC3\xA9";              // "Café" in UTF-8
const std::string kDinner = "\xE6\x99\x9A\xE9\xA5\xAD";  // "晚饭"
const std::string kArabicDinner = "\xD8\xB9\xD8\xB4\xD8\xA7\xD8\xA1";  // "عشاء"
const std::string kGrinning = "\xF0\x9F\x98\x80";     // U+1F600

INSTANTIATE_TEST_SUITE_P(
    Texts, CalTextTest,
    testing::Values(
        TextRow{"Ascii", " 5.00\r\n", " 5.00\r\n", " 5.00\r\n"},
        TextRow{"Latin1OneByteACharacter", kCafe + " >> 5\r\n\xC3\xBF", "Caf\xE9 >> 5\r\n\xFF",
                kCafe + " >> 5\r\n\xC3\xBF"},
        TextRow{"Chinese", kDinner + " >> 2.00\r\n", kDinner + " >> 2.00\r\n",
                kDinner + " >> 2.00\r\n"},
        TextRow{"Arabic", kArabicDinner + " >> 2\r\n", kArabicDinner + " >> 2\r\n",
                kArabicDinner + " >> 2\r\n"},
        TextRow{"Emoji", kGrinning + " >> 2\r\n", kGrinning + " >> 2\r\n", kGrinning + " >> 2\r\n"},
        TextRow{"OneCharacterBeyondMakesAllUtf8", kCafe + kDinner, kCafe + kDinner,
                kCafe + kDinner},
        // "Ã©" one byte a character is C3 A9, which would read back as "é".
        TextRow{"Latin1BytesThatReadAsUtf8", "\xC3\x83\xC2\xA9", "\xC3\x83\xC2\xA9",
                "\xC3\x83\xC2\xA9"},
        TextRow{"StrayByteIsItsLatin1Character", "Caf\xE9", "Caf\xE9", kCafe},
        TextRow{"StrayByteBesideChinese", "\xE9" + kDinner, "\xC3\xA9" + kDinner,
                "\xC3\xA9" + kDinner},
        TextRow{"LengthCountsTheFileBytes", repeat(kDinner, 43),
                repeat(kDinner, 43), repeat(kDinner, 43)}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(CalTextTest, Latin1FileKeptByteForByte) {
    std::string string;
    for (int b = 0; b < 256; ++b) string.push_back(static_cast<char>(b));
    const std::string file = calLengthPrefix(string.size()) + string;
    const CalReadResult r = readCal(file);
    ASSERT_EQ(r.status, Status::Text);
    EXPECT_EQ(encodeCal(r.text), file);
}

// ---- Reading: every form, the 16-bit characters and damaged files, from memory and stream.

struct ReadRow {
    const char* name;
    std::string file;
    Status status;
    std::string textOrError;  // the text read, or a piece of the error
};

void PrintTo(const ReadRow& row, std::ostream* os) { *os << row.name; }

class CalReadTest : public testing::TestWithParam<ReadRow> {};

void expectRead(const CalReadResult& r, const ReadRow& row, const char* how) {
    ASSERT_EQ(r.status, row.status) << how << ": " << r.error;
    if (row.status == Status::Damaged)
        EXPECT_NE(r.error.find(row.textOrError), std::string::npos) << how << ": " << r.error;
    else
        EXPECT_EQ(r.text, row.textOrError) << how;
}

TEST_P(CalReadTest, FromMemory) { expectRead(readCal(std::string_view(GetParam().file)), GetParam(), "memory"); }

TEST_P(CalReadTest, FromStream) {
    std::istringstream in(GetParam().file);
    expectRead(readCal(in), GetParam(), "stream");
}

const std::string kShort = "the file is shorter than its length prefix says";
const std::string kPrefix = "the file ends inside its length prefix";

INSTANTIATE_TEST_SUITE_P(
    Files, CalReadTest,
    testing::Values(
        ReadRow{"ZeroBytes", "", Status::NoText, ""},
        ReadRow{"EmptyText", bytes({0}), Status::Text, ""},
        ReadRow{"OneByteLength", "\x03" "abc", Status::Text, "abc"},
        ReadRow{"BytesAfterTheStringIgnored", "\x01" "AB\x05", Status::Text, "A"},
        ReadRow{"SixteenBitLength", bytes({0xFF, 0x03, 0x00}) + "abc", Status::Text, "abc"},
        ReadRow{"ThirtyTwoBitLengthNotShortest", bytes({0xFF, 0xFF, 0xFF, 3, 0, 0, 0}) + "abc",
                Status::Text, "abc"},
        ReadRow{"WideAscii", bytes({0xFF, 0xFE, 0xFF, 2}) + utf16(u"hi"), Status::Text, "hi"},
        ReadRow{"Latin1", "\x04" "Caf\xE9", Status::Text, "Caf\xC3\xA9"},
        ReadRow{"Utf8", "\x05" "Caf\xC3\xA9", Status::Text, "Caf\xC3\xA9"},
        ReadRow{"InvalidUtf8IsLatin1Throughout", "\x03" "\xC3\xA9\xE9", Status::Text,
                "\xC3\x83\xC2\xA9\xC3\xA9"},
        ReadRow{"WideLatin1", bytes({0xFF, 0xFE, 0xFF, 2}) + utf16(u"\u00e9\u00ff"), Status::Text,
                "\xC3\xA9\xC3\xBF"},
        ReadRow{"WideBeyondLatin1", bytes({0xFF, 0xFE, 0xFF, 4}) + utf16(u"1\u20ac\u665a2"),
                Status::Text, "1\xE2\x82\xAC\xE6\x99\x9A" "2"},
        ReadRow{"WideSurrogatePair", bytes({0xFF, 0xFE, 0xFF, 3}) + utf16(u"\xD83D\xDE00" u"x"),
                Status::Text, "\xF0\x9F\x98\x80x"},
        ReadRow{"WideLoneSurrogate", bytes({0xFF, 0xFE, 0xFF, 2}) + utf16(u"\xDC00" u"A"),
                Status::Text, "\xEF\xBF\xBD" "A"},
        ReadRow{"WideEmpty", bytes({0xFF, 0xFE, 0xFF, 0}), Status::Text, ""},
        ReadRow{"Wide32BitLength", bytes({0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 2, 0, 0, 0}) + utf16(u"ok"),
                Status::Text, "ok"},
        ReadRow{"OnlyMarkerByte", bytes({0xFF}), Status::Damaged, kPrefix},
        ReadRow{"HalfSixteenBitLength", bytes({0xFF, 0x01}), Status::Damaged, kPrefix},
        ReadRow{"HalfThirtyTwoBitLength", bytes({0xFF, 0xFF, 0xFF, 1, 0, 0}), Status::Damaged, kPrefix},
        ReadRow{"WideMarkerWithoutLength", bytes({0xFF, 0xFE, 0xFF}), Status::Damaged, kPrefix},
        ReadRow{"WideHalfLength", bytes({0xFF, 0xFE, 0xFF, 0xFF, 0x10}), Status::Damaged, kPrefix},
        ReadRow{"TextShorterThanLength", "\x05" "abc", Status::Damaged,
                kShort + " (5 bytes of text promised, 3 present)"},
        ReadRow{"SixteenBitLengthBeyondFile", bytes({0xFF, 0x00, 0x01}) + "abc", Status::Damaged,
                "256 bytes of text promised, 3 present"},
        ReadRow{"FourGigabyteLengthOnTinyFile", bytes({0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}) + "abc",
                Status::Damaged, "4294967295 bytes of text promised, 3 present"},
        ReadRow{"WideOddByteCount", bytes({0xFF, 0xFE, 0xFF, 2}) + "h" + bytes({0}) + "i", Status::Damaged,
                "the file ends in the middle of a 16-bit character"},
        ReadRow{"WideHugeLengthCountsUnits",
                bytes({0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}) + utf16(u"ab"),
                Status::Damaged, "8589934590 bytes of text promised, 4 present"}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(CalReadLongTest, WideSixteenBitLengths) {
    // 300 units take the 16-bit form; a second 0xFFFE after the marker is a plain 65534.
    const std::string units300 = utf16(std::u16string(300, u'a'));
    CalReadResult r = readCal(bytes({0xFF, 0xFE, 0xFF, 0xFF, 0x2C, 0x01}) + units300);
    ASSERT_EQ(r.status, Status::Text) << r.error;
    EXPECT_EQ(r.text, std::string(300, 'a'));

    const std::string units65534 = utf16(std::u16string(65534, u'b'));
    r = readCal(bytes({0xFF, 0xFE, 0xFF, 0xFF, 0xFE, 0xFF}) + units65534);
    ASSERT_EQ(r.status, Status::Text) << r.error;
    EXPECT_EQ(r.text, std::string(65534, 'b'));
}

TEST(CalReadLongTest, RoundTripAcrossTheFormBoundaries) {
    for (std::size_t n : {0u, 1u, 254u, 255u, 256u, 65533u, 65534u, 65535u, 200000u}) {
        std::string text(n, ' ');
        for (std::size_t i = 0; i < n; ++i) text[i] = static_cast<char>(' ' + i * 7 % 95);
        const CalReadResult r = readCal(encodeCal(text));
        ASSERT_EQ(r.status, Status::Text) << n;
        EXPECT_EQ(r.text, text) << n;
    }
}

TEST(CalReadLongTest, TenMegabyteTapeThroughStreams) {
    std::string tape;
    for (int i = 0; tape.size() < 10'000'000; ++i) tape += " " + std::to_string(i) + ".00\r\n +\r\n";
    std::stringstream file;
    ASSERT_TRUE(writeCal(file, tape));
    const CalReadResult r = readCal(file);
    ASSERT_EQ(r.status, Status::Text);
    EXPECT_TRUE(r.text == tape);
}

TEST(CalReadLongTest, StreamStopsAtTheEndOfTheString) {
    std::istringstream in(encodeCal("abc") + "rest");
    ASSERT_EQ(readCal(in).text, "abc");
    std::string rest;
    in >> rest;
    EXPECT_EQ(rest, "rest");
}

}  // namespace
}  // namespace zovrek

namespace zovrek {
namespace {

/// An input buffer that can't seek or tell its size, like a pipe.
class PipeBuf : public std::streambuf {
public:
    explicit PipeBuf(std::string data) : data_(std::move(data)) {
        setg(data_.data(), data_.data(), data_.data() + data_.size());
    }

private:
    std::string data_;
};

TEST(CalReadPipeTest, FalseLengthOnAnUnseekableStream) {
    PipeBuf buf(bytes({0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}) + "abc");
    std::istream in(&buf);
    const CalReadResult r = readCal(in);
    EXPECT_EQ(r.status, Status::Damaged);
    EXPECT_NE(r.error.find("4294967295 bytes of text promised, 3 present"), std::string::npos) << r.error;
}

TEST(CalReadPipeTest, LongTextOnAnUnseekableStream) {
    const std::string text(3'000'001, 'p');
    PipeBuf buf(encodeCal(text) + "tail");
    std::istream in(&buf);
    const CalReadResult r = readCal(in);
    ASSERT_EQ(r.status, Status::Text);
    EXPECT_TRUE(r.text == text);
}

TEST(CalReadPipeTest, SeekableStreamReadFromTheMiddle) {
    std::istringstream in("junk" + encodeCal("mid") + "x");
    in.seekg(4);
    const CalReadResult r = readCal(in);
    ASSERT_EQ(r.status, Status::Text) << r.error;
    EXPECT_EQ(r.text, "mid");
}

}  // namespace
}  // namespace zovrek
