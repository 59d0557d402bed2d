// The conversion log's tree: where entries land, and the sizes the HTML page shows.

#include "conversion/log/Logger.h"

#include <gtest/gtest.h>

#include <stdexcept>

using NSLoggerImplementation::CLogger;

namespace {

NSLogger::CSampleEntry Sample(const std::string& partition, const std::string& volume, const std::string& name,
                              std::uint64_t size)
{
    return {partition, volume, name, name, size, {}};
}

NSLogger::CPatchEntry Patch(const std::string& partition, const std::string& volume, const std::string& name,
                            std::uint64_t size, std::vector<std::string> references)
{
    return {partition, volume, name + ".mqp", name, size, std::move(references), {}, {}};
}

} // namespace

TEST(LoggerTree, EntriesFindTheirPartitionAndVolumeByExactName)
{
    CLogger logger;
    logger.AddSample(Sample("A", "V1", "s1.wav", 1));
    logger.AddSample(Sample("B", "V1", "s2.wav", 2));
    logger.AddPatch(Patch("A", "V1", "p", 3, {}));
    logger.AddSkippedProgram({"A", "v1", "BAD PROG", "bad format"});
    logger.AddSkippedSample({"a", "V1", "BAD SAMPLE", "bad format"});

    const NSLogger::CLogTree tree = logger.GetTree();
    ASSERT_EQ(tree.GetPartitionCount(), 3u);
    EXPECT_EQ(tree.GetPartition(0).GetName(), "A");
    EXPECT_EQ(tree.GetPartition(1).GetName(), "B");
    EXPECT_EQ(tree.GetPartition(2).GetName(), "a");
    const NSLogger::CLogPartition& a = tree.GetPartition(0);
    ASSERT_EQ(a.GetVolumeCount(), 2u);
    EXPECT_EQ(a.GetVolume(0).GetName(), "V1");
    EXPECT_EQ(a.GetVolume(0).GetSampleCount(), 1u);
    EXPECT_EQ(a.GetVolume(0).GetPatchCount(), 1u);
    EXPECT_EQ(a.GetVolume(1).GetName(), "v1");
    EXPECT_EQ(a.GetVolume(1).GetSkippedProgramCount(), 1u);
    EXPECT_EQ(a.GetVolume(1).GetSkippedSampleCount(), 0u);
    EXPECT_EQ(tree.GetPartition(2).GetVolume(0).GetSkippedSample(0).fileName, "BAD SAMPLE");
    EXPECT_EQ(tree.GetTotalSizeInBytes(), 6u);
}

TEST(LoggerTree, PatchSizeCountsEachReferenceAndTheLaterSampleOfAName)
{
    CLogger logger;
    logger.AddSample(Sample("A", "V", "x.wav", 100));
    logger.AddSample(Sample("A", "V", "y.wav", 10));
    logger.AddSample(Sample("A", "V", "x.wav", 1000));
    logger.AddPatch(Patch("A", "V", "p", 1, {"x.wav", "y.wav", "y.wav", "missing.wav"}));
    const NSLogger::CLogTree tree = logger.GetTree();
    const NSLogger::CLogVolume& volume = tree.GetPartition(0).GetVolume(0);
    EXPECT_EQ(volume.GetPatchSizeWithSamples(0), 1u + 1000u + 10u + 10u);
    EXPECT_EQ(volume.GetSizeInBytes(), 1111u);
    EXPECT_EQ(volume.FindSample("x.wav"), 2);
    EXPECT_EQ(volume.FindSample("X.wav"), -1);
}

TEST(LoggerTree, EmptyLogAndIndexesOutOfRange)
{
    CLogger logger;
    const NSLogger::CLogTree tree = logger.GetTree();
    EXPECT_EQ(tree.GetPartitionCount(), 0u);
    EXPECT_EQ(tree.GetTotalSizeInBytes(), 0u);
    EXPECT_FALSE(tree.HasNotes());
    try {
        tree.GetPartition(0);
        FAIL() << "no out_of_range";
    } catch (const std::out_of_range& e) {
        EXPECT_STREQ(e.what(), "invalid vector<T> subscript");
    }
    logger.AddSample(Sample("A", "V", "x.wav", 1));
    const NSLogger::CLogVolume volume = logger.GetTree().GetPartition(0).GetVolume(0);
    EXPECT_THROW(volume.GetSample(1), std::out_of_range);
    EXPECT_THROW(volume.GetPatch(0), std::out_of_range);
    EXPECT_THROW(volume.GetSkippedProgram(0), std::out_of_range);
}

TEST(LoggerTree, NotesAreFoundOnPatchesAndSamples)
{
    CLogger withSampleNote;
    withSampleNote.AddSample({"A", "V", "x.wav", "x.wav", 1, {"Loop 1: ..."}});
    EXPECT_TRUE(withSampleNote.GetTree().HasNotes());
    CLogger withoutNotes;
    withoutNotes.AddSample(Sample("A", "V", "x.wav", 1));
    withoutNotes.AddSkippedSample({"A", "V", "y", "bad format"});
    EXPECT_FALSE(withoutNotes.GetTree().HasNotes());
}
