#include "app/coordinator/ConversionRecords.h"

#include "framework/foundation/core/Media.h"

#include <utility>
#include <vector>

namespace NSConversionCoordinator {
namespace {

constexpr char kProgressUpdateTag[] = "PrUD";
constexpr char kErrorReportTag[] = "ErRp";
constexpr char kConversionResultTag[] = "CoRe";
constexpr std::int32_t kTagSizeInBytes = 4;

void WriteTag(NSTramvell::CMedia& media, const char* tag)
{
    media.Write(kTagSizeInBytes, tag);
}

void SkipTag(NSTramvell::CMedia& media)
{
    char tag[kTagSizeInBytes];
    media.Read(kTagSizeInBytes, tag);
}

void Write64(NSTramvell::CMedia& media, std::uint64_t value)
{
    media.WriteBigEndian32(static_cast<std::uint32_t>(value >> 32));
    media.WriteBigEndian32(static_cast<std::uint32_t>(value));
}

std::uint64_t Read64(NSTramvell::CMedia& media)
{
    const std::uint64_t high = media.ReadBigEndian32();
    return high << 32 | media.ReadBigEndian32();
}

// A list is its 32-bit count and its items.
template <typename TWriteItem>
void WriteList(NSTramvell::CMedia& media, std::size_t count, TWriteItem&& writeItem)
{
    media.WriteBigEndian32(static_cast<std::uint32_t>(count));
    for (std::size_t i = 0; i < count; ++i)
        writeItem(i);
}

// Item by item, so that a damaged count fails at the end of the media, not in an allocation.
template <typename TReadItem>
void ReadList(NSTramvell::CMedia& media, TReadItem&& readItem)
{
    for (std::uint32_t count = media.ReadBigEndian32(); count > 0; --count)
        readItem();
}

void WriteStrings(NSTramvell::CMedia& media, const std::vector<std::string>& texts)
{
    WriteList(media, texts.size(), [&](std::size_t i) { NSTramvell::WriteStdString(media, texts[i]); });
}

std::vector<std::string> ReadStrings(NSTramvell::CMedia& media)
{
    std::vector<std::string> texts;
    ReadList(media, [&] { texts.push_back(NSTramvell::ReadStdString(media)); });
    return texts;
}

// Every entry begins with where it lies: partition, volume and its own name.
void WritePlace(NSTramvell::CMedia& media, const std::string& partitionName, const std::string& volumeName,
                const std::string& itemName)
{
    NSTramvell::WriteStdString(media, partitionName);
    NSTramvell::WriteStdString(media, volumeName);
    NSTramvell::WriteStdString(media, itemName);
}

void ReadPlace(NSTramvell::CMedia& media, std::string& partitionName, std::string& volumeName, std::string& itemName)
{
    partitionName = NSTramvell::ReadStdString(media);
    volumeName = NSTramvell::ReadStdString(media);
    itemName = NSTramvell::ReadStdString(media);
}

// A patch's and a sample's entries go on alike: the name shown and the size written.
template <typename TEntry>
void WriteFileEntry(NSTramvell::CMedia& media, const TEntry& entry)
{
    WritePlace(media, entry.partitionName, entry.volumeName, entry.itemName);
    NSTramvell::WriteStdString(media, entry.shownName);
    Write64(media, entry.sizeInBytes);
}

template <typename TEntry>
void ReadFileEntry(NSTramvell::CMedia& media, TEntry& entry)
{
    ReadPlace(media, entry.partitionName, entry.volumeName, entry.itemName);
    entry.shownName = NSTramvell::ReadStdString(media);
    entry.sizeInBytes = Read64(media);
}

void WritePatch(NSTramvell::CMedia& media, const NSLogger::CPatchEntry& entry)
{
    WriteFileEntry(media, entry);
    WriteStrings(media, entry.referencedSamples);
    WriteStrings(media, entry.missingSamples);
    WriteStrings(media, entry.notes);
}

NSLogger::CPatchEntry ReadPatch(NSTramvell::CMedia& media)
{
    NSLogger::CPatchEntry entry;
    ReadFileEntry(media, entry);
    entry.referencedSamples = ReadStrings(media);
    entry.missingSamples = ReadStrings(media);
    entry.notes = ReadStrings(media);
    return entry;
}

void WriteSample(NSTramvell::CMedia& media, const NSLogger::CSampleEntry& entry)
{
    WriteFileEntry(media, entry);
    WriteStrings(media, entry.notes);
}

NSLogger::CSampleEntry ReadSample(NSTramvell::CMedia& media)
{
    NSLogger::CSampleEntry entry;
    ReadFileEntry(media, entry);
    entry.notes = ReadStrings(media);
    return entry;
}

void WriteSkipped(NSTramvell::CMedia& media, const NSLogger::CSkippedEntry& entry)
{
    WritePlace(media, entry.partitionName, entry.volumeName, entry.fileName);
    NSTramvell::WriteStdString(media, entry.cause);
}

NSLogger::CSkippedEntry ReadSkipped(NSTramvell::CMedia& media)
{
    NSLogger::CSkippedEntry entry;
    ReadPlace(media, entry.partitionName, entry.volumeName, entry.fileName);
    entry.cause = NSTramvell::ReadStdString(media);
    return entry;
}

void WriteVolume(NSTramvell::CMedia& media, const NSLogger::CLogVolume& volume)
{
    NSTramvell::WriteStdString(media, volume.GetName());
    WriteList(media, volume.GetPatchCount(), [&](std::size_t i) { WritePatch(media, volume.GetPatch(i)); });
    WriteList(media, volume.GetSampleCount(), [&](std::size_t i) { WriteSample(media, volume.GetSample(i)); });
    WriteList(media, volume.GetSkippedProgramCount(),
              [&](std::size_t i) { WriteSkipped(media, volume.GetSkippedProgram(i)); });
    WriteList(media, volume.GetSkippedSampleCount(),
              [&](std::size_t i) { WriteSkipped(media, volume.GetSkippedSample(i)); });
}

void ReadVolume(NSTramvell::CMedia& media, const std::string& partitionName, NSLogger::CLogTree& tree)
{
    NSLogger::CLogVolume& volume = tree.FindOrAddVolume(partitionName, NSTramvell::ReadStdString(media));
    ReadList(media, [&] { volume.AddPatch(ReadPatch(media)); });
    ReadList(media, [&] { volume.AddSample(ReadSample(media)); });
    ReadList(media, [&] { volume.AddSkippedProgram(ReadSkipped(media)); });
    ReadList(media, [&] { volume.AddSkippedSample(ReadSkipped(media)); });
}

void WriteTree(NSTramvell::CMedia& media, const NSLogger::CLogTree& tree)
{
    WriteList(media, tree.GetPartitionCount(), [&](std::size_t p) {
        const NSLogger::CLogPartition& partition = tree.GetPartition(p);
        NSTramvell::WriteStdString(media, partition.GetName());
        WriteList(media, partition.GetVolumeCount(),
                  [&](std::size_t v) { WriteVolume(media, partition.GetVolume(v)); });
    });
}

// A partition exists in the tree only through its volumes, so one stored without any is not restored.
NSLogger::CLogTree ReadTree(NSTramvell::CMedia& media)
{
    NSLogger::CLogTree tree;
    ReadList(media, [&] {
        const std::string partitionName = NSTramvell::ReadStdString(media);
        ReadList(media, [&] { ReadVolume(media, partitionName, tree); });
    });
    return tree;
}

} // namespace

CProgressUpdate::CProgressUpdate(std::uint32_t done, std::uint32_t total, std::string partitionName,
                                 std::string volumeName, std::string message, std::uint64_t bytesWritten)
    : mDone(done)
    , mTotal(total)
    , mPartitionName(std::move(partitionName))
    , mVolumeName(std::move(volumeName))
    , mMessage(std::move(message))
    , mBytesWritten(bytesWritten)
{
}

CErrorReport::CErrorReport(std::string message)
    : mMessage(std::move(message))
{
}

CConversionResult::CConversionResult(std::uint32_t converterResult, bool aborted, std::string abortCause,
                                     NSLogger::CLogTree partitions)
    : mConverterResult(converterResult)
    , mAborted(aborted)
    , mAbortCause(std::move(abortCause))
    , mPartitions(std::move(partitions))
{
}

void WriteProgressUpdate(const CProgressUpdate& update, NSTramvell::CMedia& media)
{
    WriteTag(media, kProgressUpdateTag);
    media.WriteBigEndian32(update.GetDone());
    media.WriteBigEndian32(update.GetTotal());
    NSTramvell::WriteStdString(media, update.GetPartitionName());
    NSTramvell::WriteStdString(media, update.GetVolumeName());
    NSTramvell::WriteStdString(media, update.GetMessage());
    media.WriteBigEndian32(static_cast<std::uint32_t>(update.GetBytesWritten()));
}

CProgressUpdate ReadProgressUpdate(NSTramvell::CMedia& media)
{
    SkipTag(media);
    const std::uint32_t done = media.ReadBigEndian32();
    const std::uint32_t total = media.ReadBigEndian32();
    std::string partitionName = NSTramvell::ReadStdString(media);
    std::string volumeName = NSTramvell::ReadStdString(media);
    std::string message = NSTramvell::ReadStdString(media);
    const std::uint32_t bytesWritten = media.ReadBigEndian32();
    return CProgressUpdate(done, total, std::move(partitionName), std::move(volumeName), std::move(message),
                           bytesWritten);
}

void WriteErrorReport(const CErrorReport& report, NSTramvell::CMedia& media)
{
    WriteTag(media, kErrorReportTag);
    NSTramvell::WriteStdString(media, report.GetMessage());
}

CErrorReport ReadErrorReport(NSTramvell::CMedia& media)
{
    SkipTag(media);
    return CErrorReport(NSTramvell::ReadStdString(media));
}

void WriteConversionResult(const CConversionResult& result, NSTramvell::CMedia& media)
{
    WriteTag(media, kConversionResultTag);
    media.WriteByte(static_cast<std::uint8_t>(result.GetConverterResult()));
    media.WriteByte(result.IsAborted() ? 1 : 0);
    NSTramvell::WriteStdString(media, result.GetAbortCause());
    WriteTree(media, result.GetPartitions());
}

CConversionResult ReadConversionResult(NSTramvell::CMedia& media)
{
    SkipTag(media);
    const std::uint32_t converterResult = media.ReadByte();
    const bool aborted = media.ReadByte() == 1;
    std::string abortCause = NSTramvell::ReadStdString(media);
    return CConversionResult(converterResult, aborted, std::move(abortCause), ReadTree(media));
}

} // namespace NSConversionCoordinator
