// The kept-pictures file: what is written reads back whole under its stamp, anything else
// (another stamp, damage of any kind) reads as no pictures at all, and only a regular file
// is read or replaced.

#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/stat.h>

#include <filesystem>

#include "shell/kept_pictures.h"

using namespace zovrek::shell;

namespace {

std::vector<KeptPicture> twoPictures() {
    return {{"SEVENU@1", 2, 1, 1.0, std::string(8, '\x7f')},
            {"TOOLBAR3@1.5", 1, 3, 1.5, std::string("\x01\x02\x03\x04" "abcdefgh", 12)}};
}

std::string patched(std::string bytes, std::size_t at, std::string_view with) {
    return bytes.replace(at, with.size(), with);
}

}  // namespace

TEST(KeptPictures, ReadBackUnderTheirStamp) {
    const std::string bytes = encodeKeptPictures("stamp A", twoPictures());
    const auto back = decodeKeptPictures(bytes, "stamp A");
    ASSERT_EQ(back.size(), 2u);
    for (std::size_t i = 0; i < back.size(); ++i) {
        EXPECT_EQ(back[i].name, twoPictures()[i].name);
        EXPECT_EQ(back[i].width, twoPictures()[i].width);
        EXPECT_EQ(back[i].height, twoPictures()[i].height);
        EXPECT_EQ(back[i].ratio, twoPictures()[i].ratio);
        EXPECT_EQ(back[i].pixels, twoPictures()[i].pixels);
    }
    EXPECT_TRUE(decodeKeptPictures(encodeKeptPictures("s", {}), "s").empty());
}

TEST(KeptPictures, AnythingElseGivesNone) {
    const std::string good = encodeKeptPictures("stamp A", twoPictures());
    const std::size_t firstName = 18 + 4 + 7 + 4;  // magic, stamp, count
    const std::size_t firstWidth = firstName + 4 + 8;
    const struct {
        const char* name;
        std::string bytes;
    } rows[] = {
        {"another stamp", encodeKeptPictures("stamp B", twoPictures())},
        {"empty", ""},
        {"another magic", patched(good, 0, "X")},
        {"cut in the pixels", good.substr(0, good.size() - 1)},
        {"cut in a header", good.substr(0, firstWidth + 2)},
        {"a byte too many", good + '\0'},
        {"a side too large", patched(good, firstWidth, std::string("\x01\x10\x00\x00", 4))},
        {"a name too long", patched(good, firstName, std::string("\x01\x01\x00\x00", 4))},
        {"a count too large", patched(good, 18 + 4 + 7, std::string("\xff\xff\xff\xff", 4))},
        {"a ratio of zero", encodeKeptPictures("stamp A", {{"X@0", 1, 1, 0.0, "abcd"}})},
    };
    for (const auto& row : rows)
        EXPECT_TRUE(decodeKeptPictures(row.bytes, "stamp A").empty()) << row.name;
}

// Whatever stands where the file should be, start-up never waits on it: a pipe or a folder
// there reads as no pictures (drawn instead), and none are kept over it.
TEST(KeptPicturesFile, OnlyARegularFileIsReadOrReplaced) {
    std::string folder = (std::filesystem::temp_directory_path() / "zovrek-kept-XXXXXX").string();
    ASSERT_TRUE(::mkdtemp(folder.data()));
    ::setenv("ZOVREK_CACHE_DIR", folder.c_str(), 1);
    const std::filesystem::path file = keptPicturesFile();
    const std::string bytes = encodeKeptPictures("s", twoPictures());

    ASSERT_TRUE(writeKeptPicturesFile(bytes));
    EXPECT_EQ(readKeptPicturesFile(), bytes);
    const struct {
        const char* name;
        bool (*make)(const std::filesystem::path&);
    } rows[] = {
        {"pipe", [](const std::filesystem::path& p) { return ::mkfifo(p.c_str(), 0600) == 0; }},
        {"folder",
         [](const std::filesystem::path& p) { return std::filesystem::create_directory(p); }},
    };
    for (const auto& row : rows) {
        std::filesystem::remove(file);
        ASSERT_TRUE(row.make(file)) << row.name;
        EXPECT_EQ(readKeptPicturesFile(), "") << row.name;
        EXPECT_FALSE(writeKeptPicturesFile(bytes)) << row.name;
    }
    std::filesystem::remove_all(folder);
    ::unsetenv("ZOVREK_CACHE_DIR");
}
