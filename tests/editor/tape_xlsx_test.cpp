// The tape as a workbook, read back from the file: values are number cells with the tape's
// places, notes and entries string cells (never formulas), a bold frozen header.

#include <gtest/gtest.h>
#include <zlib.h>

#include <cstdint>
#include <string>

#include "editor/tape_xlsx.h"
#include "test_files.h"

namespace zovrek {
namespace {

std::uint32_t le(const std::string& b, std::size_t at, int bytes) {
    std::uint32_t v = 0;
    for (int i = bytes - 1; i >= 0; --i) v = (v << 8) | static_cast<unsigned char>(b[at + std::size_t(i)]);
    return v;
}

// One member of a zip archive, found through its central directory and inflated.
std::string zipMember(const std::string& zip, const std::string& name) {
    const std::size_t end = zip.rfind(std::string("PK\x05\x06", 4));
    if (end == std::string::npos) return {};
    std::size_t at = le(zip, end + 16, 4);
    for (std::uint32_t n = le(zip, end + 10, 2); n > 0; --n) {
        const std::uint32_t method = le(zip, at + 10, 2), packed = le(zip, at + 20, 4),
                            size = le(zip, at + 24, 4), nameLength = le(zip, at + 28, 2),
                            extra = le(zip, at + 30, 2), comment = le(zip, at + 32, 2),
                            local = le(zip, at + 42, 4);
        if (zip.compare(at + 46, nameLength, name) == 0) {
            const std::size_t data = local + 30 + le(zip, local + 26, 2) + le(zip, local + 28, 2);
            if (method == 0) return zip.substr(data, size);
            std::string out(size, '\0');
            z_stream z{};
            inflateInit2(&z, -MAX_WBITS);
            z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(zip.data() + data));
            z.avail_in = packed;
            z.next_out = reinterpret_cast<Bytef*>(out.data());
            z.avail_out = size;
            inflate(&z, Z_FINISH);
            inflateEnd(&z);
            return out;
        }
        at += 46 + nameLength + extra + comment;
    }
    return {};
}

TEST(TapeXlsx, ValuesAreNumbersAndTextsNeverFormulas) {
    test::TempDir dir;
    const auto out = dir / "t.xlsx";
    const FileResult written = writeTapeXlsx(
        out, "Rent >> 1200.00\r\n +\r\n 30.5\r\n =\r\n 1230.50\r\n=1+1 >> 5.\r\n"
             "\xe6\x99\x9a\xe9\xa5\xad >> -2.000\r\n");
    ASSERT_TRUE(written.ok) << written.message;
    const std::string zip = test::readBytes(out);
    const std::string sheet = zipMember(zip, "xl/worksheets/sheet1.xml");
    ASSERT_FALSE(sheet.empty());
    const std::string styles = zipMember(zip, "xl/styles.xml");

    for (const char* part : {
             R"(<c r="D2" s="2"><v>1200</v></c>)",     // "1200.00": a number, two places
             R"(<c r="D4" s="3"><v>30.5</v></c>)",      // "30.5": one place
             R"(<c r="D7" s="4"><v>5</v></c>)",         // "5.": none
             R"(<c r="D8" s="5"><v>-2</v></c>)",        // "-2.000": three
             R"(<t>=1+1</t>)",                          // the note stays text
             "<t>\xe6\x99\x9a\xe9\xa5\xad</t>",        // any script
             R"(<pane ySplit="1")",                     // the header stays in view
             R"(<col min="2" max="2" width=)",          // columns sized to their contents
         })
        EXPECT_NE(sheet.find(part), std::string::npos) << part << "\n" << sheet;
    EXPECT_EQ(sheet.find("<f>"), std::string::npos);
    for (const char* part : {R"(formatCode="0.00")", R"(formatCode="0.0")", R"(formatCode="0")",
                             R"(formatCode="0.000")", "<b/>"})
        EXPECT_NE(styles.find(part), std::string::npos) << part;
}

TEST(TapeXlsx, FailuresSayWhyAndLeaveNoFile) {
    test::TempDir dir;
    std::filesystem::create_directory(dir / "folder.xlsx");
    EXPECT_FALSE(writeTapeXlsx(dir / "folder.xlsx", " 1.00\r\n").ok);
    EXPECT_FALSE(writeTapeXlsx(dir / "none" / "t.xlsx", " 1.00\r\n").ok);
    const FileResult tooLong = writeTapeXlsx(dir / "t.xlsx", std::string(40000, 'a') + " >> 1\r\n");
    EXPECT_FALSE(tooLong.ok);
    EXPECT_NE(tooLong.message.find("32,767"), std::string::npos) << tooLong.message;
    EXPECT_EQ(dir.listing(), "folder.xlsx;");
}

}  // namespace
}  // namespace zovrek
