#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <sstream>

#include "commands.h"

namespace zovrek::cli {
namespace {

struct Run {
    int status;
    std::string out, err;
};

Run keys(const Args& args) {
    std::istringstream in;
    std::ostringstream out, err;
    const int status = runKeys(args, {in, out, err});
    return {status, out.str(), err.str()};
}

TEST(KeysCommand, PrintsTapeLinesAndShownDisplay) {
    const auto r = keys({"5+3+2="});
    EXPECT_EQ(r.status, kOk);
    EXPECT_EQ(r.out, " 5.00\n +\n 3.00\n =\n 8.00\n +\n 2.00\n =\n 10.00\ndisplay: 10.00\n");
}

TEST(KeysCommand, SplitsArgumentsAtWhiteSpaceAndReadsNamesInAnyCase) {
    EXPECT_EQ(keys({"16 sqrt", "\tC  "}).out, keys({"16", "SQRT", "C"}).out);
}

TEST(KeysCommand, OptionsChoosePlacesAndMode) {
    EXPECT_EQ(keys({"--places", "F", "1/3="}).out,
              " 1.\n /\n 3.\n =\n 0.333333333333\ndisplay: 0.333333333333\n");
    EXPECT_EQ(keys({"--mode", "adding", "5+3+2="}).out,
              " 5.00\n +\n 3.00\n +\n 2.00\n =\n 10.00\ndisplay: 10.00\n");
}

TEST(KeysCommand, JsonHasExactlyTheDocumentedKeys) {
    const auto r = keys({"--json", "--save-tape", "cancel", "8/.0= CA"});
    ASSERT_EQ(r.status, kOk);
    const auto j = nlohmann::json::parse(r.out);
    std::vector<std::string> names;
    for (const auto& [key, value] : j.items()) names.push_back(key);
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"dialogs", "display", "entry", "memory_number",
                                               "memory_text", "places_text", "shown", "sounds",
                                               "tape"}));
    EXPECT_EQ(j["display"], "Infinity");
    EXPECT_EQ(j["shown"], "Infinity");
    EXPECT_EQ(j["entry"], "inf");
    EXPECT_EQ(j["tape"], " 8.00\r\n /\r\n 0.00\r\n =\r\n Infinity\r\n");
    EXPECT_EQ(j["dialogs"], nlohmann::json::array({"Save Tape?"}));
    EXPECT_EQ(j["memory_number"], 1);
    EXPECT_EQ(j["places_text"], "2");
    EXPECT_EQ(j["sounds"].back(), (nlohmann::json{{"name", "chimeup.wav"}, {"wait", false}}));
}

TEST(KeysCommand, MemberAndShownDisplayDifferAfterOperator) {
    const auto j = nlohmann::json::parse(keys({"--json", "5+"}).out);
    EXPECT_EQ(j["display"], "0.");
    EXPECT_EQ(j["shown"], "5.");
    EXPECT_EQ(j["entry"], "0");
}

TEST(KeysCommand, GiveHandsBackAValue) {
    EXPECT_EQ(keys({"GIVE:193.328 +1="}).out,
              " 193.33\n +\n 1.00\n =\n 194.33\ndisplay: 194.33\n");
}

TEST(KeysCommand, RefusesBadInputWithoutOutput) {
    for (const Args& args : {Args{"5", "FROB"}, Args{"GIVE:abc"}, Args{"--places", "4", "5"},
                             Args{"--mode"}, Args{"--save-tape", "ok", "5"}, Args{"5+x"}}) {
        const auto r = keys(args);
        EXPECT_EQ(r.status, kUsage) << args.back();
        EXPECT_TRUE(r.out.empty());
        EXPECT_FALSE(r.err.empty());
    }
    EXPECT_NE(keys({"5", "FROB"}).err.find("FROB"), std::string::npos);
}

}  // namespace
}  // namespace zovrek::cli
