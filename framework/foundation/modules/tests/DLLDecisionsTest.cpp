#include "framework/foundation/modules/DLLOperations.h"

#include <gtest/gtest.h>

#include <functional>
#include <new>
#include <string>

using namespace NSTramvell;
using namespace NSTramvell::NSDLLOperationsInternal;

TEST(DLLVersionTests, PlatformVersionRecords)
{
    const struct
    {
        std::uint32_t family;
        std::uint32_t major;
        std::uint32_t minor;
        bool supported;
    } kCases[] = {
        {kWindows95Family, 4, 0, false},  {kWindows95Family, 4, 10, true}, {kWindows95Family, 4, 90, true},
        {kWindows95Family, 5, 0, true},   {kWindows95Family, 3, 95, false}, {kWindowsNTFamily, 4, 0, false},
        {kWindowsNTFamily, 4, 90, false}, {kWindowsNTFamily, 5, 0, true},   {kWindowsNTFamily, 10, 0, true},
        {0, 10, 0, false},                {3, 10, 0, false},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(std::to_string(c.family) + ": " + std::to_string(c.major) + "." + std::to_string(c.minor));
        EXPECT_EQ(IsPlatformVersionSupported(c.family, c.major, c.minor), c.supported);
    }
}

TEST(DLLVersionTests, LibraryLoadErrorsMapToExceptions)
{
    enum class EThrown
    {
        kBadAlloc,
        kBadFormat,
        kDependants,
        kFailedLoading
    };
    const auto thrown = [](std::uint32_t code) {
        try {
            ThrowLibraryLoadError(code);
        } catch (const std::bad_alloc& e) {
            EXPECT_STREQ(e.what(), "bad allocation");
            return EThrown::kBadAlloc;
        } catch (const XBadFormat&) {
            return EThrown::kBadFormat;
        } catch (const NSDLLOperations::XFailedLoadingDLLDependants&) {
            return EThrown::kDependants;
        } catch (const NSDLLOperations::XFailedLoadingDLL&) {
            return EThrown::kFailedLoading;
        }
        ADD_FAILURE() << "nothing thrown";
        return EThrown::kFailedLoading;
    };
    const struct
    {
        std::uint32_t code;
        EThrown expected;
    } kCases[] = {
        {4, EThrown::kBadAlloc},       {8, EThrown::kBadAlloc},        {14, EThrown::kBadAlloc},
        {11, EThrown::kBadFormat},     {30, EThrown::kBadFormat},      {31, EThrown::kBadFormat},
        {193, EThrown::kBadFormat},    {126, EThrown::kDependants},    {1157, EThrown::kDependants},
        {2, EThrown::kFailedLoading},  {5, EThrown::kFailedLoading},   {0, EThrown::kFailedLoading},
        {1156, EThrown::kFailedLoading},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.code);
        EXPECT_EQ(thrown(c.code), c.expected);
    }
}

TEST(DLLVersionTests, ComparedVersionCountsAVersionSixCommonControlsAssemblyAsSix)
{
    const std::uint32_t v581 = (5u << 16) | 81;
    const std::uint32_t v610 = (6u << 16) | 10;
    const std::uint32_t v600 = 6u << 16;
    const CRedirectingAssembly commonControls6{"Microsoft.Windows.Common-Controls", 6, true};
    const CRedirectingAssembly lowerCaseName{"microsoft.windows.common-controls", 6, true};
    const CRedirectingAssembly elsewhere{"Microsoft.Windows.Common-Controls", 6, false};
    const CRedirectingAssembly commonControls5{"Microsoft.Windows.Common-Controls", 5, true};
    const CRedirectingAssembly otherAssembly{"Microsoft.Windows.GdiPlus", 6, true};
    const struct
    {
        const char* name;
        std::uint32_t fileWord;
        const CRedirectingAssembly* assembly;
        std::uint32_t compared;
    } kCases[] = {
        {"side-by-side 5.81 file", v581, &commonControls6, v600},
        {"side-by-side 6.10 file", v610, &commonControls6, v610},
        {"name in any case", v581, &lowerCaseName, v600},
        {"not redirected", v581, nullptr, v581},
        {"file outside the assembly", v581, &elsewhere, v581},
        {"assembly version 5", v581, &commonControls5, v581},
        {"other assembly", v581, &otherAssembly, v581},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(ChooseComparedVersion(c.fileWord, c.assembly), c.compared);
    }
}

TEST(DLLVersionTests, AssemblyIdentityGivesNameAndMajorVersion)
{
    const struct
    {
        const char* identity;
        bool parsed;
        const char* name;
        std::uint16_t major;
    } kCases[] = {
        {"Microsoft.Windows.Common-Controls,processorArchitecture=\"amd64\",publicKeyToken=\"6595b64144ccf1df\","
         "type=\"win32\",version=\"6.0.2600.2982\"",
         true, "Microsoft.Windows.Common-Controls", 6},
        {"Some.Assembly,fileVersion=\"9.1\",version=\"12.3\"", true, "Some.Assembly", 12},
        {"Some.Assembly,fileVersion=\"9.1\"", true, "Some.Assembly", 0},
        {"Bare.Name", true, "Bare.Name", 0},
        {",version=\"6.0\"", false, "", 0},
        {"", false, "", 0},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.identity);
        std::string name = "before";
        std::uint16_t major = 99;
        ASSERT_EQ(ParseAssemblyIdentity(c.identity, name, major), c.parsed);
        if (c.parsed) {
            EXPECT_EQ(name, c.name);
            EXPECT_EQ(major, c.major);
        }
    }
}
