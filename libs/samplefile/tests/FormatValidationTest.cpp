#include "libs/samplefile/FormatValidation.h"

#include "libs/samplefile/tests/FakeByteStreams.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

using NSSondrel::EValidation;
using NSSondrel::FormatInfo;
using NSSondrel::ValidateFormatInfo;

FormatInfo MakeValid()
{
    return NSSondrelTest::MakeFormat(2, 16);
}

struct ValidationCase
{
    const char* name;
    std::function<void(FormatInfo&)> change;
    bool lenient;
    bool strict;
};

TEST(ValidateFormatInfo, TableOfCasesLenientAndStrict)
{
    using namespace NSSondrel;
    const ValidationCase kCases[] = {
        {"stereo 16 bits", [](FormatInfo&) {}, true, true},
        {"channels 0", [](FormatInfo& f) { f.channels = 0; }, false, false},
        {"channels 3", [](FormatInfo& f) { f.channels = 3; }, false, false},
        {"channels 1", [](FormatInfo& f) { f.channels = 1; }, true, true},
        {"bits 12", [](FormatInfo& f) { f.bitsPerSample = 12; }, false, false},
        {"bits 20", [](FormatInfo& f) { f.bitsPerSample = 20; }, true, true},
        {"bits 22", [](FormatInfo& f) { f.bitsPerSample = 22; }, true, true},
        {"rate 0", [](FormatInfo& f) { f.sampleRate = 0; }, false, false},
        {"loop none ignores the loop fields",
         [](FormatInfo& f) {
             f.alternate = 7;
             f.loopStart = 50;
             f.loopEnd = 10;
         },
         true, true},
        {"loop mode 45", [](FormatInfo& f) { f.loopMode = 45; f.loopEnd = 10; f.frameCount = 10; }, false, false},
        {"forward loop 10..10",
         [](FormatInfo& f) {
             f.loopMode = kLoopForward;
             f.loopStart = 10;
             f.loopEnd = 10;
             f.frameCount = 100;
         },
         false, false},
        {"forward loop, alternate 98",
         [](FormatInfo& f) {
             f.loopMode = kLoopForward;
             f.alternate = 98;
             f.loopEnd = 10;
             f.frameCount = 100;
         },
         false, false},
        {"backward loop ending at 1000 of 999 frames",
         [](FormatInfo& f) {
             f.loopMode = kLoopBackward;
             f.loopEnd = 1000;
             f.frameCount = 999;
         },
         true, false},
        {"backward loop ending at 1000 of 1000 frames",
         [](FormatInfo& f) {
             f.loopMode = kLoopBackward;
             f.alternate = kAlternateYes;
             f.loopEnd = 1000;
             f.frameCount = 1000;
         },
         true, true},
        {"loop start above a negative frame count compares unsigned",
         [](FormatInfo& f) {
             f.loopMode = kLoopForward;
             f.loopStart = 5;
             f.loopEnd = 6;
             f.frameCount = -1;
         },
         true, true},
        {"root fine -51", [](FormatInfo& f) { f = NSSondrelTest::WithRoot(f, 60, -51); }, false, false},
        {"root fine 51", [](FormatInfo& f) { f = NSSondrelTest::WithRoot(f, 60, 51); }, false, false},
        {"root fine -50, key 127", [](FormatInfo& f) { f = NSSondrelTest::WithRoot(f, 127, -50); }, true, true},
        {"root key 128", [](FormatInfo& f) { f = NSSondrelTest::WithRoot(f, 128, 0); }, false, false},
        {"high value 128",
         [](FormatInfo& f) {
             f = NSSondrelTest::WithRoot(f, 60, 0);
             f.highValue = 128;
         },
         false, false},
        {"low value 128",
         [](FormatInfo& f) {
             f = NSSondrelTest::WithRoot(f, 60, 0);
             f.lowValue = 128;
         },
         false, false},
        {"no root with the reader's markers",
         [](FormatInfo& f) {
             f.rootKey = kNoRootKey;
             f.fineTune = kNoFineTune;
             f.lowValue = kNoKeyValue;
             f.highValue = kNoKeyValue;
         },
         true, true},
    };
    for (const ValidationCase& c : kCases) {
        SCOPED_TRACE(c.name);
        FormatInfo info = MakeValid();
        c.change(info);
        EXPECT_EQ(ValidateFormatInfo(info, EValidation::kLenient), c.lenient);
        EXPECT_EQ(ValidateFormatInfo(info, EValidation::kStrict), c.strict);
    }
}

} // namespace
