#include "akai/client/BrakvelDebugger.h"
#include "akai/client/DiskMountingFilter.h"

#include "akai/client/BrakvelErrors.h"
#include "akai/client/VolumeHolder.h"
#include "akai/client/tests/ClientTestVolume.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

namespace {

using NSBrakvel::GetBrakvelDebugger;
using NSBrakvel::GetDiskMountingFilter;

class CRecordingDebugger final : public NSBrakvel::CABCDebugger
{
public:
    void Print(const std::string& text, int value) override { lines.push_back(text + " " + std::to_string(value)); }
    void Print(const std::string& text, int value, const std::string& detail) override
    {
        lines.push_back(text + " " + std::to_string(value) + " " + detail);
    }

    std::vector<std::string> lines;
};

TEST(CABCDebugger, ASecondDebuggerIsRefusedAndTheFirstStaysCurrent)
{
    CRecordingDebugger first;
    EXPECT_THROW(CRecordingDebugger second, NSBrakvel::XIllegalCallSequence);
    EXPECT_EQ(NSBrakvel::GetCurrentDebugger(), &first);

    GetBrakvelDebugger().Print("opened", 3);
    EXPECT_EQ(first.lines, (std::vector<std::string>{"opened 3"}));
}

TEST(CABCDebugger, TheAdapterForwardsToTheCurrentDebuggerOnly)
{
    GetBrakvelDebugger().Print("dropped", 1);   // none registered: nothing happens
    {
        CRecordingDebugger debugger;
        GetBrakvelDebugger().Print("read", 7, "E:");
        GetBrakvelDebugger().Print(nullptr, 0, nullptr);
        EXPECT_EQ(debugger.lines, (std::vector<std::string>{"read 7 E:", " 0 "}));
    }
    EXPECT_EQ(NSBrakvel::GetCurrentDebugger(), nullptr);
    CRecordingDebugger next;   // the slot is free again
    EXPECT_EQ(NSBrakvel::GetCurrentDebugger(), &next);
}

class CTestFilter final : public NSBrakvel::CABCDiskMountingFilter
{
public:
    bool AcceptsVolume(NSBrakvel::CVolumeHolder* volume) override
    {
        ++questions;
        if (volume == nullptr)
            throw std::logic_error("asked with null");
        if (throws)
            throw std::runtime_error("filter failed");
        lastSize = volume->GetSize();
        return accepts;
    }

    bool accepts = true;
    bool throws = false;
    int questions = 0;
    std::int64_t lastSize = -1;
};

TEST(CABCDiskMountingFilter, TheAdapterAsksTheCurrentFilterThroughABorrowedHolder)
{
    bool destroyed = false;
    NSClientTest::CTestVolume volume({1, 2, 3}, &destroyed);

    EXPECT_EQ(GetDiskMountingFilter().FilterVolume(&volume), 0);   // no filter: not wanted

    CTestFilter first;
    CTestFilter filter;   // the last one constructed is current
    EXPECT_EQ(GetDiskMountingFilter().GetCurrentFilter(), &filter);
    const struct
    {
        bool accepts;
        int answer;
    } kCases[] = {{true, -1}, {false, 0}};
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.accepts);
        filter.accepts = c.accepts;
        EXPECT_EQ(GetDiskMountingFilter().FilterVolume(&volume), c.answer);
    }
    EXPECT_EQ(filter.questions, 2);
    EXPECT_EQ(filter.lastSize, 3);
    EXPECT_EQ(first.questions, 0);
    EXPECT_FALSE(destroyed);

    filter.throws = true;
    EXPECT_THROW(GetDiskMountingFilter().FilterVolume(&volume), std::runtime_error);
    EXPECT_FALSE(destroyed);
}

TEST(CABCDiskMountingFilter, DestroyingTheFilterLeavesNone)
{
    NSClientTest::CTestVolume volume;
    {
        CTestFilter filter;
    }
    EXPECT_EQ(GetDiskMountingFilter().GetCurrentFilter(), nullptr);
    EXPECT_EQ(GetDiskMountingFilter().FilterVolume(&volume), 0);
}

} // namespace
