#include <gtest/gtest.h>

#include <sstream>

#include "command_run.h"
#include "tape/cal_format.h"
#include "test_files.h"

namespace zovrek::cli {
namespace {

using runner::Outcome;

Outcome csv(const Args& args) { return runner::run(runCsv, args); }

const std::string kCsv =
    "line,note,entry,value,kind\r\n1,\"Rent, flat\",1200.00,1200.00,number\r\n"
    "2,,+,,operator\r\n3,,30.00,30.00,number\r\n4,,=,,operator\r\n5,,1230.00,1230.00,total\r\n";

TEST(CsvCommandTest, ToStandardOutputOrAFile) {
    test::TempDir dir;
    test::writeBytes(dir / "t.cal",
                     encodeCal("Rent, flat >> 1200.00\r\n +\r\n 30.00\r\n =\r\n 1230.00\r\n"));
    const Outcome toOut = csv({(dir / "t.cal").string()});
    EXPECT_EQ(toOut.status, kOk) << toOut.err;
    EXPECT_EQ(toOut.out, kCsv);
    const Outcome toFile = csv({(dir / "t.cal").string(), (dir / "t.csv").string()});
    EXPECT_EQ(toFile.status, kOk) << toFile.err;
    EXPECT_EQ(test::readBytes(dir / "t.csv"), kCsv);
}

TEST(CsvCommandTest, FailuresSayWhyAndWriteNothing) {
    test::TempDir dir;
    test::writeBytes(dir / "bad.cal", "\xFF\x01");
    test::writeBytes(dir / "t.cal", encodeCal(" 1.00\r\n"));
    std::filesystem::create_directory(dir / "folder.csv");
    const struct {
        Args args;
        int status;
        const char* errPart;
    } cases[] = {
        {{(dir / "bad.cal").string()}, kFailed, "Could not read"},
        {{(dir / "none.cal").string()}, kFailed, "No such file or directory"},
        {{(dir / "t.cal").string(), (dir / "folder.csv").string()}, kFailed, "Could not save"},
        {{(dir / "t.cal").string(), (dir / "no" / "t.csv").string()}, kFailed, "Could not save"},
        {{}, kUsage, "usage: zovrek-tape csv FILE.cal [OUT.csv]"},
        {{"a.cal", "b.csv", "c"}, kUsage, "usage:"},
        {{"a.cal", "--help"}, kUsage, "usage:"},
    };
    for (const auto& c : cases) {
        const Outcome o = csv(c.args);
        EXPECT_EQ(o.status, c.status) << o.err;
        EXPECT_NE(o.err.find(c.errPart), std::string::npos) << o.err;
        EXPECT_EQ(o.out, "");
    }
    EXPECT_EQ(dir.listing(), "bad.cal;folder.csv;t.cal;");
}

}  // namespace
}  // namespace zovrek::cli
