#include "framework/foundation/audio/LoopSlicerFiles.h"

#include "framework/foundation/audio/AIFFFile.h"
#include "framework/foundation/audio/tests/AudioTestSupport.h"
#include "framework/foundation/core/Exceptions.h"
#include "framework/foundation/files/FileMedia.h"
#include "framework/foundation/files/tests/FilesTestSupport.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>

namespace {

using namespace NSTramvell;
using namespace NSAudioTests;

TEST(LoopSlicerDocument, ReadsAFileByItsName)
{
    CLoopSlicerDocument document;
    document.mMagic = 0xD1DADED0;
    document.mVersion = CVersion(1, 0);
    document.mSplitValue = 0x1234;
    document.mValueD = 0xCAFEF00D;
    document.mSliceCount = 2;
    CLoopSlicerSlice slices[2] = {{5, true, 0x01020304, 0x0506}, {127, false, 0xFFFFFFFF, 0xFFFF}};
    TBytes record(kLoopSlicerDocumentSizeInBytes);
    BuildLoopSlicerDocument(document, record.data(), slices);
    auto sample = MakeSample(2, 44100, 16, SamplePattern(20));
    COwnedMemoryMedia written;
    WriteAIFF(written, *sample, nullptr, 16, CFourCharCode("FnDr"), record.data(),
              static_cast<std::int32_t>(record.size()));

    NSFilesTest::CScratchFolder scratch;
    const std::string path = scratch.GetPath() + "loop.fnd";
    NSFilesTest::WriteWholeFile(path, std::string(written.GetBuffer(), written.GetBuffer() + written.GetSize()));
    CLoopSlicerDocument read;
    std::unique_ptr<CLoopSlicerSlice[]> readSlices;
    ReadLoopSlicerDocument(scratch.GetFile("loop.fnd"), read, readSlices);
    EXPECT_EQ(read.mSplitValue, 0x1234);
    EXPECT_EQ(read.mValueD, 0xCAFEF00Du);
    ASSERT_EQ(read.mSliceCount, 2);
    ASSERT_NE(readSlices, nullptr);
    EXPECT_EQ(readSlices[0].mValue, 5);
    EXPECT_TRUE(readSlices[0].mFlag);
    EXPECT_EQ(readSlices[0].mLongValue, 0x01020304u);
    EXPECT_EQ(readSlices[1].mValue, 127);
    EXPECT_FALSE(readSlices[1].mFlag);
    EXPECT_EQ(readSlices[1].mShortValue, 0xFFFF);

    EXPECT_THROW(ReadLoopSlicerDocument(scratch.GetFile("missing.fnd"), read, readSlices), XFileNotFound);
    EXPECT_EQ(readSlices, nullptr);
}

} // namespace
