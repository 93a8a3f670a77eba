#include <gtest/gtest.h>

#include <sstream>

#include "commands.h"
#include "tape/cal_format.h"
#include "test_files.h"

namespace zovrek::cli {
namespace {

struct Outcome {
    int status;
    std::string out;
    std::string err;
};

Outcome csv(const Args& args) {
    std::istringstream in;
    std::ostringstream out, err;
    const int status = runCsv(args, Streams{in, out, err});
    return {status, out.str(), err.str()};
}

const std::string kTape = "Rent, flat >> 1200.00\r\n +\r\n 30.00\r\n =\r\n 1230.00\r\n";
const std::string kCsv =
    "line,note,entry,value,kind\r\n"
    "1,\"Rent, flat\",1200.00,1200.00,number\r\n"
    "2,,+,,operator\r\n"
    "3,,30.00,30.00,number\r\n"
    "4,,=,,operator\r\n"
    "5,,1230.00,1230.00,total\r\n";

TEST(CsvCommandTest, ToStandardOutputOrAFile) {
    test::TempDir dir;
    test::writeBytes(dir / "t.cal", encodeCal(kTape));
    const Outcome toOut = csv({(dir / "t.cal").string()});
    EXPECT_EQ(toOut.status, kOk) << toOut.err;
    EXPECT_EQ(toOut.out, kCsv);

    const Outcome toFile = csv({(dir / "t.cal").string(), (dir / "t.csv").string()});
    EXPECT_EQ(toFile.status, kOk) << toFile.err;
    EXPECT_EQ(toFile.out, "");
    EXPECT_EQ(test::readBytes(dir / "t.csv"), kCsv);
    EXPECT_EQ(dir.listing(), "t.cal;t.csv;");
}

struct FailRow {
    const char* name;
    bool goodTape;
    const char* output;  // under the test's folder; "" for standard output
    int status;
    const char* errPart;
};

class CsvCommandFailTest : public testing::TestWithParam<FailRow> {};

TEST_P(CsvCommandFailTest, StatusAndAClearMessage) {
    const FailRow& r = GetParam();
    test::TempDir dir;
    test::writeBytes(dir / "t.cal", r.goodTape ? encodeCal(kTape) : std::string("\xFF\x01"));
    std::filesystem::create_directory(dir / "folder.csv");
    Args args = {(dir / "t.cal").string()};
    if (*r.output) args.push_back((dir / r.output).string());
    const Outcome o = csv(args);
    EXPECT_EQ(o.status, r.status);
    EXPECT_EQ(o.out, "");
    EXPECT_NE(o.err.find(r.errPart), std::string::npos) << o.err;
    EXPECT_EQ(dir.listing(), "folder.csv;t.cal;");  // nothing half written
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CsvCommandFailTest,
    testing::Values(FailRow{"DamagedTape", false, "", kFailed, "Could not read"},
                    FailRow{"OutputIsAFolder", true, "folder.csv", kFailed, "Could not save"},
                    FailRow{"OutputFolderMissing", true, "no/t.csv", kFailed,
                            "No such file or directory"}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(CsvCommandTest, MissingTapeAndBadArguments) {
    EXPECT_EQ(csv({"/nonexistent/zovrek/none.cal"}).status, kFailed);
    for (const Args& args : {Args{}, Args{"a.cal", "b.csv", "c"}, Args{"--help"},
                             Args{"a.cal", "-"}}) {
        const Outcome o = csv(args);
        EXPECT_EQ(o.status, kUsage);
        EXPECT_NE(o.err.find("usage: zovrek-tape csv FILE.cal [OUT.csv]"), std::string::npos);
    }
}

}  // namespace
}  // namespace zovrek::cli
