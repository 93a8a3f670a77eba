// zovrek-tape recalc in process: streams, exit statuses, options and the JSON object.

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <ostream>
#include <sstream>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "command_run.h"
#include "editor/tape_reevaluation.h"

namespace zovrek::cli {
namespace {

using runner::Outcome;

Outcome recalc(const Args& args, const std::string& input) {
    return runner::run(runRecalc, args, input);
}

const std::string kTape = " 5.00\r\n +\r\n 4.00\r\n =\r\n 8.00\r\n";
const std::string kFixed = " 5.00\r\n +\r\n 4.00\r\n =\r\n 9.00\r\n";
const std::string kFormat(kFormatMessage);

TEST(Recalc, RewritesStandardInput) {
    const Outcome got = recalc({}, kTape);
    EXPECT_EQ(got.status, kOk);
    EXPECT_EQ(got.out, kFixed);
    EXPECT_EQ(got.err, "");
}

struct PlacesRow {
    const char* name;
    Args args;
    std::string total;
};

void PrintTo(const PlacesRow& row, std::ostream* os) { *os << row.name; }

class RecalcPlaces : public ::testing::TestWithParam<PlacesRow> {};

TEST_P(RecalcPlaces, TotalInTheChosenFormat) {
    const Outcome got = recalc(GetParam().args, " 1\r\n /\r\n 3\r\n =\r\n 0\r\n");
    EXPECT_EQ(got.status, kOk);
    EXPECT_EQ(got.out, " 1\r\n /\r\n 3\r\n =\r\n " + GetParam().total + "\r\n");
}

INSTANTIATE_TEST_SUITE_P(
    Rows, RecalcPlaces,
    ::testing::Values(PlacesRow{"DefaultTwo", {}, "0.33"},
                      PlacesRow{"Floating", {"--places", "F"}, "0.333333333333"},
                      PlacesRow{"One", {"--places", "1"}, "0.3"},
                      PlacesRow{"Two", {"--places=2"}, "0.33"},
                      PlacesRow{"Three", {"--places", "3"}, "0.333"}),
    [](const ::testing::TestParamInfo<PlacesRow>& row) { return std::string(row.param.name); });

TEST(Recalc, MarkedTextIsTakenAsItIs) {
    const Outcome got = recalc({"--marked"}, "Rent_5\r\n_+\r\n_4\r\n_=\r\n_8\r\n");
    EXPECT_EQ(got.status, kOk);
    EXPECT_EQ(got.out, "Rent >> 5\r\n +\r\n 4\r\n =\r\n 9.00\r\n");
}

TEST(Recalc, UnmarkedTextWithMarkedIsAllBlankLines) {
    const Outcome got = recalc({"--marked"}, kTape);
    EXPECT_EQ(got.status, kFailed);
    EXPECT_EQ(got.out, kTape);
    EXPECT_EQ(got.err, kFormat + "\n" + std::string(kBlankLineMessage) + "\n");
}

TEST(Recalc, EachMessageOnALineOfItsOwn) {
    const Outcome got = recalc({}, " 5.00\r\n @\r\n @\r\n 7.00\r\n");
    EXPECT_EQ(got.status, kFailed);
    EXPECT_EQ(got.err, kFormat + "\n" + std::string(kClearMarkMessage) + "\n");
}

TEST(Recalc, BytesPassThroughAsTheyAre) {
    const std::string note("caf\xe9\x01", 5);
    const Outcome got = recalc({"--marked"}, note + "_5\r\n_+\r\n_1\r\n_=\r\n_0\r\n");
    EXPECT_EQ(got.status, kOk);
    EXPECT_EQ(got.out, note + " >> 5\r\n +\r\n 1\r\n =\r\n 6.00\r\n");
}

TEST(Recalc, JsonHasExactlyTheFourKeys) {
    const Outcome got = recalc({"--json"}, kTape);
    EXPECT_EQ(got.status, kOk);
    EXPECT_EQ(got.err, "");
    const auto object = nlohmann::json::parse(got.out);
    EXPECT_EQ(object.size(), 4u);
    EXPECT_EQ(object.at("text"), kFixed);
    EXPECT_EQ(object.at("last_value"), "9.00\r\n");
    EXPECT_EQ(object.at("messages"), nlohmann::json::array());
    EXPECT_EQ(object.at("dialogs"), nlohmann::json::array());
}

TEST(Recalc, JsonListsMessagesAndDialogs) {
    const Outcome got = recalc({"--json"}, " -999999999999\r\n -\r\n 0.6\r\n =\r\n");
    EXPECT_EQ(got.status, kFailed);
    const auto object = nlohmann::json::parse(got.out);
    EXPECT_EQ(object.at("messages"), nlohmann::json::array({kFormat}));
    EXPECT_EQ(object.at("dialogs"), nlohmann::json::array({std::string(kOutOfRangeTitle)}));
}

TEST(Recalc, JsonReplacesBytesThatAreNotUtf8) {
    const Outcome got = recalc({"--json", "--marked"}, "\xff\xfe_5\r\n_+\r\n_1\r\n_=\r\n_0\r\n");
    EXPECT_EQ(got.status, kOk);
    const auto object = nlohmann::json::parse(got.out);
    EXPECT_EQ(object.at("text"), "\xEF\xBF\xBD\xEF\xBF\xBD >> 5\r\n +\r\n 1\r\n =\r\n 6.00\r\n");
}

TEST(Recalc, ReadsAFile) {
    const auto path = std::filesystem::temp_directory_path() /
                      ("zovrek_recalc_" + std::to_string(::testing::UnitTest::GetInstance()
                                                             ->random_seed()) + ".tape");
    {
        std::ofstream file(path, std::ios::binary);
        file << kTape;
    }
    const Outcome got = recalc({path.string()}, "ignored");
    std::filesystem::remove(path);
    EXPECT_EQ(got.status, kOk);
    EXPECT_EQ(got.out, kFixed);
}

struct BadRow {
    const char* name;
    Args args;
};

void PrintTo(const BadRow& row, std::ostream* os) { *os << row.name; }

class RecalcBadArguments : public ::testing::TestWithParam<BadRow> {};

TEST_P(RecalcBadArguments, UsageAndStatusTwo) {
    const Outcome got = recalc(GetParam().args, kTape);
    EXPECT_EQ(got.status, kUsage);
    EXPECT_EQ(got.out, "");
    EXPECT_NE(got.err.find("usage: zovrek-tape recalc"), std::string::npos) << got.err;
}

INSTANTIATE_TEST_SUITE_P(
    Rows, RecalcBadArguments,
    ::testing::Values(BadRow{"UnknownOption", {"--frobnicate"}},
                      BadRow{"PlacesFour", {"--places", "4"}},
                      BadRow{"PlacesEmpty", {"--places="}},
                      BadRow{"PlacesMissing", {"--places"}},
                      BadRow{"TwoFiles", {"a.tape", "b.tape"}},
                      BadRow{"MissingFile", {"/nonexistent/zovrek/none.tape"}},
                      BadRow{"FolderAsFile", {std::filesystem::temp_directory_path().string()}}),
    [](const ::testing::TestParamInfo<BadRow>& row) { return std::string(row.param.name); });

}  // namespace
}  // namespace zovrek::cli
