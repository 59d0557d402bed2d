#include "conversion/disc/VolumeConversion.h"

#include "akai/filesystem/AkaiFile.h"
#include "akai/filesystem/AkaiFileSystem.h"
#include "akai/filesystem/AkaiPartition.h"
#include "akai/filesystem/AkaiPartitionCache.h"
#include "akai/parsers/AkaiProgram.h"
#include "akai/parsers/AkaiSample.h"
#include "conversion/disc/AkaiFileMedia.h"
#include "conversion/log/ConversionStrings.h"
#include "conversion/log/Log.h"
#include "conversion/disc/OutputFiles.h"
#include "conversion/patch/PatchFileWriter.h"
#include "conversion/disc/ProgressListener.h"
#include "conversion/wave/SampleAnalysis.h"
#include "conversion/wave/SampleWriter.h"
#include "framework/foundation/core/Exceptions.h"
#include "framework/foundation/strings/StringUtilities.h"

#include <algorithm>
#include <new>

namespace NSAkaiConversion {

using NSAkaiFileSystemImplementation::IsProgramKind;
using NSAkaiFileSystemImplementation::IsSampleKind;
using NSAkaiFileSystemImplementation::kKindProgram;
using NSAkaiFileSystemImplementation::kKindSample;
using NSConverter::GetConversionString;

namespace {

// The header layout the parsers read: the longer one for the kinds of Akai types 240 and 243.
std::int32_t LayoutOfKind(int kind)
{
    return kind == kKindProgram || kind == kKindSample ? 8 : 7;
}

std::string Message(std::uint32_t id, const std::string& name)
{
    return NSTramvell::ReplaceParameters(GetConversionString(id), name);
}

// Failures that no single file causes: the conversion cannot go on past them.
bool IsFatalAnywhere(const std::exception& failure)
{
    return dynamic_cast<const std::bad_alloc*>(&failure) != nullptr ||
           dynamic_cast<const XDiskFull*>(&failure) != nullptr;
}

std::string WithoutExtension(const std::string& name, const std::string& extension)
{
    if (name.size() > extension.size() && name.compare(name.size() - extension.size(), extension.size(), extension) == 0)
        return name.substr(0, name.size() - extension.size());
    return name;
}

} // namespace

CVolumeConversion::CVolumeConversion(NSProgressListener::IProgressListener& progressListener, std::uint32_t current,
                                     std::uint32_t total, NSErrorListener::IErrorListener& errorListener,
                                     NSLogger::ILog& log, std::uint64_t bytesWritten, bool ignoreAllErrors,
                                     const NSTramvell::CDirSpec& volumeFolder,
                                     const NSAkaiFileSystem::CAkaiFileSystem& fileSystem, std::int16_t partition,
                                     std::int16_t volume, std::string partitionName, std::string volumeName,
                                     std::uint8_t outputMode)
    : mProgressListener(progressListener), mCurrent(current), mTotal(total), mErrorListener(errorListener), mLog(log),
      mBytesWritten(bytesWritten), mIgnoreAllErrors(ignoreAllErrors), mVolumeFolder(volumeFolder),
      mFileSystem(fileSystem), mPartition(partition), mVolume(volume), mPartitionName(std::move(partitionName)),
      mVolumeName(std::move(volumeName)), mOutputMode(outputMode)
{
}

CVolumeConversion::~CVolumeConversion() = default;

std::uint32_t CVolumeConversion::ConvertVolume()
{
    ScaleProgress(7);
    if (const std::uint32_t result = ReadFiles(); result != NSConverter::kItemGoOn)
        return result;
    if (const std::uint32_t result = Report(GetConversionString(kAnalyzingSamplesId)); result != NSConverter::kItemGoOn)
        return result;

    CParsedPrograms programs;
    for (const auto& program : mPrograms)
        programs.push_back(program.get());
    CParsedSamples samples;
    for (const auto& sample : mSamples)
        samples.push_back(sample.get());
    mSampleNameTable.clear();
    mOutputSamples = AnalyseSamples(programs, samples, mSampleNameTable);

    // From here a volume spans 14 steps: 12 for reading, one for the samples, one for the patches.
    ScaleProgress(2);
    if (const std::uint32_t result = WriteSamples(); result != NSConverter::kItemGoOn)
        return result;
    const std::uint32_t result = WritePatches();
    UnscaleProgress(2);
    UnscaleProgress(7);
    return result;
}

std::uint32_t CVolumeConversion::ReadFiles()
{
    const int fileCount = mFileSystem.GetFileCount(mPartition, mVolume);
    if (fileCount <= 0)
        return NSConverter::kItemGoOn;
    const auto count = static_cast<std::uint32_t>(fileCount);
    ScaleProgress(count);
    for (std::int32_t i = 0; i < fileCount; ++i) {
        std::string message;
        if (const std::uint32_t result = ReadFile(i, message); result != NSConverter::kItemGoOn)
            return result;
        mCurrent += 5;
        if (const std::uint32_t result = Advance(0, message); result != NSConverter::kItemGoOn)
            return result;
    }
    UnscaleProgress(count);
    return NSConverter::kItemGoOn;
}

std::uint32_t CVolumeConversion::ReadFile(std::int32_t index, std::string& message)
{
    // The directory entry names the file for the report even when opening it fails.
    const NSAkaiFileSystemImplementation::CFileEntry entry =
        mFileSystem.GetPartitionCache().GetPartition(mPartition).GetFile(mVolume, index);
    const bool isSample = IsSampleKind(entry.kind);
    const bool isProgram = IsProgramKind(entry.kind);
    if (isSample)
        message = Message(kReadingSampleId, entry.name);
    else if (isProgram)
        message = Message(kReadingProgramId, entry.name);
    if (!isSample && !isProgram)
        return NSConverter::kItemGoOn;

    bool opened = false;
    try {
        NSAkaiFileSystem::CAkaiFile file(mFileSystem, mPartition, mVolume, index);
        opened = true;
        if (const std::uint32_t result = Report(message); result != NSConverter::kItemGoOn)
            return result;
        NSAkaiConversionImplementation::CAkaiFileMedia media(file);
        std::vector<std::string> notes;
        if (isSample) {
            auto sample = NSAkaiParser::CreateAkaiSample(media, LayoutOfKind(entry.kind), notes, file.GetName());
            mSampleNotes.push_back(std::move(notes));
            mSamples.push_back(std::move(sample));
        } else {
            auto program = NSAkaiParser::CreateAkaiProgram(media, LayoutOfKind(entry.kind), notes);
            mProgramNotes.push_back(std::move(notes));
            mPrograms.push_back(std::move(program));
        }
    } catch (const std::exception& failure) {
        const bool discFailed = !opened && (dynamic_cast<const NSTramvell::XRead*>(&failure) != nullptr ||
                                            dynamic_cast<const XFile*>(&failure) != nullptr);
        if (discFailed || IsFatalAnywhere(failure)) {
            NSConverter::LogSkippedItem(&failure, {entry.name, mPartitionName, mVolumeName, isSample, false}, mLog);
            throw;
        }
        return ReportFailure(&failure, entry.name, isSample, false);
    }
    return NSConverter::kItemGoOn;
}

std::uint32_t CVolumeConversion::WriteSamples()
{
    const std::size_t count = mOutputSamples.size();
    if (count == 0)
        return NSConverter::kItemGoOn;
    ScaleProgress(static_cast<std::uint32_t>(count));
    for (std::size_t k = 0; k < count; ++k) {
        if (const std::uint32_t result = WriteSample(k); result != NSConverter::kItemGoOn)
            return result;
        // A stop asked for now is seen at the next report.
        Advance(0, Message(kWritingSampleId, mOutputSamples[k].GetName()));
    }
    UnscaleProgress(static_cast<std::uint32_t>(count));
    return NSConverter::kItemGoOn;
}

std::uint32_t CVolumeConversion::WriteSample(std::size_t index)
{
    const COutputSampleRecord record = mOutputSamples[index];
    if (const std::uint32_t result = Report(Message(kConvertingSampleId, record.GetName()));
        result != NSConverter::kItemGoOn)
        return result;
    if (record.GetLeftSample() == nullptr)
        return NSConverter::kItemGoOn;

    std::unique_ptr<NSConverterImplementation::COutputFileMemoryMedia> media;
    std::vector<std::string> notes;
    try {
        media = NSConverterImplementation::WriteSampleFile(*record.GetLeftSample(), record.GetRightSample());
        notes = MakeSampleNotes(record);
    } catch (const std::exception& failure) {
        if (IsFatalAnywhere(failure)) {
            NSConverter::LogSkippedItem(&failure, {record.GetName(), mPartitionName, mVolumeName, true, true}, mLog);
            throw;
        }
        return ReportFailure(&failure, record.GetName(), true, true);
    }
    if (const std::uint32_t result = Report(Message(kWritingSampleId, record.GetName()));
        result != NSConverter::kItemGoOn)
        return result;

    std::string storedName;
    try {
        storedName = NSAkaiConversionImplementation::CreateSampleFile(media->AsOutputFile(), mVolumeFolder,
                                                                      record.GetName())
                         .GetString();
    } catch (const std::exception& failure) {
        NSConverter::LogSkippedItem(&failure, {record.GetName(), mPartitionName, mVolumeName, true, true}, mLog);
        throw;
    }
    const std::uint64_t size = static_cast<std::uint64_t>(media->AsOutputFile().GetSize());
    mLog.AddSample({mPartitionName, mVolumeName, storedName, storedName, size, std::move(notes)});
    // The patches refer to the name the file was stored under.
    mOutputSamples[index] = COutputSampleRecord(record.GetLeftSample(), record.GetRightSample(), storedName, true);
    mBytesWritten += size;
    return NSConverter::kItemGoOn;
}

std::uint32_t CVolumeConversion::WritePatches()
{
    const std::size_t count = mPrograms.size();
    if (count == 0)
        return NSConverter::kItemGoOn;
    ScaleProgress(static_cast<std::uint32_t>(count));
    for (std::size_t j = 0; j < count; ++j) {
        if (const std::uint32_t result = WritePatch(j); result != NSConverter::kItemGoOn)
            return result;
        if (const std::uint32_t result = Advance(0, Message(kWritingProgramId, mPrograms[j]->GetName()));
            result != NSConverter::kItemGoOn)
            return result;
    }
    UnscaleProgress(static_cast<std::uint32_t>(count));
    return NSConverter::kItemGoOn;
}

std::uint32_t CVolumeConversion::WritePatch(std::size_t index)
{
    const NSAkaiParser::IAkaiProgram& program = *mPrograms[index];
    const std::string name = program.GetName();
    if (const std::uint32_t result = Report(Message(kConvertingProgramId, name)); result != NSConverter::kItemGoOn)
        return result;

    std::vector<std::string> references;
    std::vector<std::string> missingSamples;
    std::unique_ptr<NSConverterImplementation::COutputFileMemoryMedia> media;
    try {
        media = NSConverterImplementation::WritePatchFile(program, mOutputSamples, mSampleNameTable, references,
                                                          missingSamples, mOutputMode);
    } catch (const std::exception& failure) {
        if (IsFatalAnywhere(failure)) {
            NSConverter::LogSkippedItem(&failure, {name, mPartitionName, mVolumeName, false, true}, mLog);
            throw;
        }
        return ReportFailure(&failure, name, false, true);
    }
    if (const std::uint32_t result = Report(Message(kWritingProgramId, name)); result != NSConverter::kItemGoOn)
        return result;

    std::string storedName;
    try {
        storedName = NSAkaiConversionImplementation::CreatePatchFile(mVolumeFolder, name, media->AsOutputFile()).GetString();
    } catch (const std::exception& failure) {
        NSConverter::LogSkippedItem(&failure, {name, mPartitionName, mVolumeName, false, true}, mLog);
        throw;
    }
    const std::uint64_t size = static_cast<std::uint64_t>(media->AsOutputFile().GetSize());
    const std::string shownName =
        WithoutExtension(storedName, GetConversionString(kPatchFileExtensionId));
    mLog.AddPatch({mPartitionName, mVolumeName, storedName, shownName, size, std::move(references),
                   std::move(missingSamples), mProgramNotes[index]});
    mBytesWritten += size;
    return NSConverter::kItemGoOn;
}

std::vector<std::string> CVolumeConversion::MakeSampleNotes(const COutputSampleRecord& record) const
{
    const auto notesOf = [this](const NSAkaiParser::IAkaiSample* sample) {
        for (std::size_t i = 0; i < mSamples.size(); ++i) {
            if (mSamples[i].get() == sample)
                return mSampleNotes[i];
        }
        return std::vector<std::string>();
    };
    std::vector<std::string> notes = notesOf(record.GetLeftSample());
    if (record.GetRightSample() == nullptr)
        return notes;
    for (std::string& note : notes)
        note = Message(kLeftChannelNoteId, note);
    for (const std::string& note : notesOf(record.GetRightSample()))
        notes.push_back(Message(kRightChannelNoteId, note));
    return notes;
}

std::uint32_t CVolumeConversion::ReportFailure(const std::exception* failure, const std::string& fileName,
                                               bool isSample, bool converting)
{
    return NSConverter::ReportItemError(failure, {fileName, mPartitionName, mVolumeName, isSample, converting},
                                        mErrorListener, mLog, mIgnoreAllErrors);
}

std::uint32_t CVolumeConversion::Report(const std::string& message)
{
    switch (mProgressListener.ReportProgress(mCurrent, mTotal, mPartitionName, mVolumeName, message, mBytesWritten)) {
    case NSProgressListener::kStopKeepOutput:
        return NSConverter::kItemStopKeepOutput;
    case NSProgressListener::kStopDeleteOutput:
        return NSConverter::kItemStopDeleteOutput;
    default:
        return NSConverter::kItemGoOn;
    }
}

std::uint32_t CVolumeConversion::Advance(std::uint64_t byteCount, const std::string& message)
{
    ++mCurrent;
    mBytesWritten += byteCount;
    return Report(message);
}

void CVolumeConversion::ScaleProgress(std::uint32_t factor)
{
    mCurrent *= factor;
    mTotal *= factor;
}

void CVolumeConversion::UnscaleProgress(std::uint32_t divisor)
{
    mCurrent /= divisor;
    mTotal /= divisor;
}

} // namespace NSAkaiConversion
