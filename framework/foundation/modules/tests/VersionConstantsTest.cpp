#include "framework/foundation/modules/FrameworkConstants.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

// Filled by a static initialiser in VersionConstantsStaticInit.cpp.
const std::vector<std::string>& GetCodesSeenAtStart();
const std::vector<std::string>& GetSignaturesSeenAtStart();
const std::vector<std::string>& GetVersionsSeenAtStart();

using namespace NSTramvell;

TEST(FrameworkConstants, AStaticInitialiserElsewhereSeesEveryValueBuilt)
{
    EXPECT_EQ(GetCodesSeenAtStart(), (std::vector<std::string>{"AIFF", "AIFC", "FORM", "APPL", "INST", "MARK", "COMM",
                                                    "SSND", "NONE", "FORM", "MThd", "MTrk", "RIFF", "data",
                                                    "smpl", "fmt ", "RIFF", "WAVE"}));
    EXPECT_EQ(GetSignaturesSeenAtStart(), (std::vector<std::string>{"SBOy", "TVLa", "TVLb", "TVLc", "TVLd", "TVLe", "TVLf",
                                                         "TVLg", "TVLh", "TVLi", "TVLj"}));
    EXPECT_EQ(GetVersionsSeenAtStart(), (std::vector<std::string>{"1.0.0", "1.0.0", "1.0.0", "1.0.0", "1.0.0"}));
}

TEST(FrameworkConstants, CodesCarryTheirCharactersMostSignificantFirst)
{
    EXPECT_EQ(GetWaveFormatChunkCode().GetFourCharCode(), 0x666D7420u);
    EXPECT_EQ(GetMIDIHeaderChunkCode().GetFourCharCode(), 0x4D546864u);
    EXPECT_EQ(GetTraceLogSignature(9).GetFourCharCode(), 0x54564C6Au);
    EXPECT_THROW(GetTraceLogSignature(kTraceLogSignatureCount), std::out_of_range);
}
