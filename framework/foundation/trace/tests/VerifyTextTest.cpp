#include "framework/foundation/trace/Verify.h"

#include <gtest/gtest.h>

#include <string>

using namespace NSTramvell;

namespace {

TEST(VerifyMessage, FileAndLineOrTheTooLongNotice)
{
    const std::string longest(NSVerifyInternal::kLongestShownFileName, 'f');
    const struct
    {
        std::string file;
        int line;
        std::string message;
    } kCases[] = {
        {"Sample.cpp", 42, "Sample.cpp(42) : VERIFY failure"},
        {"C:\\src\\x.cpp", -1, "C:\\src\\x.cpp(-1) : VERIFY failure"},
        {"", 0, "(0) : VERIFY failure"},
        {longest, 7, longest + "(7) : VERIFY failure"},
        {longest + "f", 7, "VERIFY failure (filename to long)"},
        {std::string(2000, 'f'), 7, "VERIFY failure (filename to long)"},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.file.size());
        EXPECT_EQ(NSVerifyInternal::MakeVerifyMessage(c.file.c_str(), c.line), c.message);
    }
    EXPECT_EQ(longest.size(), 487u);
}

std::string gReported;

TEST(ReportVerifyFailure, ReachesTheHandlerOnlyWhenSet)
{
    const TVerifyHandler previous = GetVerifyHandler();
    gReported.clear();
    SetVerifyHandler(nullptr);
    ReportVerifyFailure("a.cpp", 1);
    EXPECT_EQ(gReported, "");
    SetVerifyHandler([](const char* file, int line) { gReported = std::string(file) + ":" + std::to_string(line); });
    ReportVerifyFailure("b.cpp", 2);
    SetVerifyHandler(previous);
    EXPECT_EQ(gReported, "b.cpp:2");
}

} // namespace
