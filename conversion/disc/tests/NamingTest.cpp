// Names of the output folders and files: the rules, the numbering that makes them unique, the blank
// volume name and the log's file name.

#include "conversion/disc/OutputNames.h"
#include "conversion/disc/tests/support/ConversionTexts.h"
#include "framework/foundation/core/Exceptions.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

using namespace NSAkaiConversionImplementation;
using namespace NSConversionTestSupport;

namespace {

class Naming : public testing::Test
{
protected:
    void SetUp() override { InstallConversionTexts(); }

    CNameTaken TakenIn(const std::set<std::string>& names)
    {
        return [names](const std::string& name) { return names.count(name) != 0; };
    }
};

} // namespace

TEST_F(Naming, FolderNamesAreNumberedDirectly)
{
    EXPECT_EQ(MakeUniqueFolderName("Partition A", TakenIn({})).GetString(), "Partition A");
    EXPECT_EQ(MakeUniqueFolderName("Partition A", TakenIn({"Partition A", "Partition A2"})).GetString(),
              "Partition A3");
    // The rule applies before the test and again to each numbered name.
    EXPECT_EQ(MakeUniqueFolderName("A/B", TakenIn({"A_B"})).GetString(), "A_B2");
    EXPECT_EQ(MakeUniqueFolderName("VOL.1", TakenIn({"VOL.1"})).GetString(), "VOL.12");
}

TEST_F(Naming, FileNamesAreNumberedBeforeTheExtension)
{
    const struct
    {
        const char* wanted;
        std::set<std::string> taken;
        const char* expected;
    } kCases[] = {
        {"PIANO.mqp", {}, "PIANO.mqp"},
        {"PIANO.mqp", {"PIANO.mqp"}, "PIANO2.mqp"},
        {"PIANO.mqp", {"PIANO.mqp", "PIANO2.mqp"}, "PIANO3.mqp"},
        {"X.wav", {"X.wav"}, "X2.wav"},
        {"GRAND PNO (S).wav", {"GRAND PNO (S).wav"}, "GRAND PNO (S)2.wav"},
        {"A*B.wav", {"A_B.wav"}, "A_B2.wav"},
        {"NOEXT", {"NOEXT", "NOEXT2"}, "NOEXT3"},
        {"LONG.extension1", {"LONG.extension1"}, "LONG.extension12"},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.wanted);
        EXPECT_EQ(MakeUniqueFileName(c.wanted, TakenIn(c.taken)).GetString(), c.expected);
    }
}

TEST_F(Naming, BlankVolumeNameGetsThePlaceholder)
{
    EXPECT_EQ(MakeVolumeFolderText("", 3), "Volume 3");
    EXPECT_EQ(MakeVolumeFolderText("   ", 1), "Volume 1");
    EXPECT_EQ(MakeVolumeFolderText(" SPACED", 2), " SPACED");
    EXPECT_EQ(MakeVolumeFolderText("PIANOS", 2), "PIANOS");
    // The placeholder passes the folder rule, which refuses empty text.
    EXPECT_EQ(MakeUniqueFolderName(MakeVolumeFolderText("", 1), TakenIn({"Volume 1"})).GetString(), "Volume 12");
}

TEST_F(Naming, PatchNamesAreTheProgramNameWithTheExtension)
{
    EXPECT_EQ(MakePatchFileText("GRAND PIANO"), "GRAND PIANO.mqp");
    EXPECT_EQ(MakeUniqueFileName(MakePatchFileText("GRAND PIANO"), TakenIn({"GRAND PIANO.mqp"})).GetString(),
              "GRAND PIANO2.mqp");
}

TEST_F(Naming, LogFileNameIsNumberedUpTo274)
{
    EXPECT_EQ(MakeLogFileName("Drums", TakenIn({})).GetString(), "Drums.htm");
    EXPECT_EQ(MakeLogFileName("Drums", TakenIn({"Drums.htm", "Drums #2.htm"})).GetString(), "Drums #3.htm");
    EXPECT_EQ(MakeLogFileName("a:b", TakenIn({})).GetString(), "a_b.htm");

    std::set<std::string> all = {"Drums.htm"};
    for (int n = 2; n <= 273; ++n)
        all.insert("Drums #" + std::to_string(n) + ".htm");
    EXPECT_EQ(MakeLogFileName("Drums", TakenIn(all)).GetString(), "Drums #274.htm");
    all.insert("Drums #274.htm");
    EXPECT_THROW(MakeLogFileName("Drums", TakenIn(all)), XCreateFailed);
}
