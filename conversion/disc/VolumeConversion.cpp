#include "conversion/disc/VolumeConversion.h"

#include "akai/filesystem/AkaiFile.h"
#include "akai/filesystem/AkaiFileSystem.h"
#include "akai/filesystem/AkaiPartition.h"
#include "akai/filesystem/AkaiPartitionCache.h"
#include "akai/parsers/AkaiProgram.h"
#include "akai/parsers/AkaiSample.h"
#include "conversion/disc/AkaiFileMedia.h"
#include "conversion/log/ConversionStrings.h"
#include "conversion/log/ItemErrorReport.h"
#include "conversion/log/Log.h"
#include "conversion/disc/OutputFiles.h"
#include "conversion/patch/PatchFileWriter.h"
#include "conversion/disc/ProgressReport.h"
#include "conversion/wave/SampleAnalysis.h"
#include "conversion/wave/SampleWriter.h"
#include "framework/foundation/strings/StringUtilities.h"

#include <algorithm>

namespace NSAkaiConversion {

using NSAkaiFileSystemImplementation::IsProgramKind;
using NSAkaiFileSystemImplementation::IsSampleKind;
using NSAkaiFileSystemImplementation::kKindProgram;
using NSAkaiFileSystemImplementation::kKindSample;
using NSConverter::EStepOutcome;
using NSConverter::GetConversionString;
using NSConverter::IsStop;

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

std::string WithoutExtension(const std::string& name, const std::string& extension)
{
    if (name.size() > extension.size() && name.compare(name.size() - extension.size(), extension.size(), extension) == 0)
        return name.substr(0, name.size() - extension.size());
    return name;
}

} // namespace

CVolumeConversion::CVolumeConversion(CVolumeContext context) : mContext(std::move(context)) {}

CVolumeConversion::~CVolumeConversion() = default;

EStepOutcome CVolumeConversion::ConvertVolume()
{
    ScaleProgress(7);
    if (const EStepOutcome outcome = ReadFiles(); IsStop(outcome))
        return outcome;
    if (const EStepOutcome outcome = Report(GetConversionString(kAnalyzingSamplesId)); IsStop(outcome))
        return outcome;

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
    if (const EStepOutcome outcome = WriteSamples(); IsStop(outcome))
        return outcome;
    const EStepOutcome outcome = WritePatches();
    UnscaleProgress(2);
    UnscaleProgress(7);
    return outcome;
}

EStepOutcome CVolumeConversion::ForEachItem(std::size_t count, const std::function<EStepOutcome(std::size_t)>& step)
{
    if (count == 0)
        return EStepOutcome::kGoOn;
    ScaleProgress(static_cast<std::uint32_t>(count));
    for (std::size_t i = 0; i < count; ++i) {
        if (const EStepOutcome outcome = step(i); IsStop(outcome))
            return outcome;
    }
    UnscaleProgress(static_cast<std::uint32_t>(count));
    return EStepOutcome::kGoOn;
}

EStepOutcome CVolumeConversion::ReadFiles()
{
    const int fileCount = mContext.fileSystem.GetFileCount(mContext.partition, mContext.volume);
    return ForEachItem(fileCount > 0 ? static_cast<std::size_t>(fileCount) : 0, [this](std::size_t i) {
        std::string message;
        if (const EStepOutcome outcome = ReadFile(static_cast<std::int32_t>(i), message); IsStop(outcome))
            return outcome;
        mContext.current += 5;
        return Advance(0, message);
    });
}

EStepOutcome CVolumeConversion::ReadFile(std::int32_t index, std::string& message)
{
    // The directory entry names the file for the report even when opening it fails.
    const NSAkaiFileSystemImplementation::CFileEntry entry =
        mContext.fileSystem.GetPartitionCache().GetPartition(mContext.partition).GetFile(mContext.volume, index);
    const bool isSample = IsSampleKind(entry.kind);
    const bool isProgram = IsProgramKind(entry.kind);
    if (isSample)
        message = Message(kReadingSampleId, entry.name);
    else if (isProgram)
        message = Message(kReadingProgramId, entry.name);
    if (!isSample && !isProgram)
        return EStepOutcome::kGoOn;

    // Every failure of one file, opening it included, is the user's to answer: a disc that can no longer
    // be read is reported for each file, and Abort or "Ignore All Errors" ends the questions.
    return Guarded(entry.name, isSample, false, [&] {
        NSAkaiFileSystem::CAkaiFile file(mContext.fileSystem, mContext.partition, mContext.volume, index);
        if (const EStepOutcome outcome = Report(message); IsStop(outcome))
            return outcome;
        NSAkaiConversionImplementation::CAkaiFileMedia media(file);
        std::vector<std::string> notes;
        // Room first: a list that cannot grow (out of memory goes to the report) must not leave a file's
        // notes without the file, which would give the next file's output these notes.
        if (isSample) {
            mSamples.reserve(mSamples.size() + 1);
            mSampleNotes.reserve(mSampleNotes.size() + 1);
            auto sample = NSAkaiParser::CreateAkaiSample(media, LayoutOfKind(entry.kind), notes, file.GetName());
            mSampleNotes.push_back(std::move(notes));
            mSamples.push_back(std::move(sample));
        } else {
            mPrograms.reserve(mPrograms.size() + 1);
            mProgramNotes.reserve(mProgramNotes.size() + 1);
            auto program = NSAkaiParser::CreateAkaiProgram(media, LayoutOfKind(entry.kind), notes);
            mProgramNotes.push_back(std::move(notes));
            mPrograms.push_back(std::move(program));
        }
        return EStepOutcome::kGoOn;
    });
}

EStepOutcome CVolumeConversion::WriteSamples()
{
    return ForEachItem(mOutputSamples.size(), [this](std::size_t k) {
        // A sample that a zone names but the volume lacks has no file and takes no step.
        const bool passedOver = mOutputSamples[k].GetLeftSample() == nullptr;
        if (const EStepOutcome outcome = WriteSample(k); IsStop(outcome) || passedOver)
            return outcome;
        // The answer is left unread: a stop asked for now is seen at the next report.
        static_cast<void>(Advance(0, Message(kWritingSampleId, mOutputSamples[k].GetName())));
        return EStepOutcome::kGoOn;
    });
}

EStepOutcome CVolumeConversion::WriteSample(std::size_t index)
{
    const COutputSampleRecord record = mOutputSamples[index];
    std::vector<std::string> notes;
    return WriteOutputItem({
        record.GetName(),
        true,
        kConvertingSampleId,
        kWritingSampleId,
        [&]() -> COutputMedia {
            if (record.GetLeftSample() == nullptr)
                return nullptr;
            COutputMedia media =
                NSConverterImplementation::WriteSampleFile(*record.GetLeftSample(), record.GetRightSample());
            notes = MakeSampleNotes(record);
            return media;
        },
        [&](NSConverter::IOutputFileMedia& file) {
            return NSAkaiConversionImplementation::CreateSampleFile(file, mContext.volumeFolder, record.GetName())
                .GetString();
        },
        [&](const std::string& storedName, std::uint64_t sizeInBytes) {
            mContext.log.AddSample({mContext.partitionName, mContext.volumeName, storedName, storedName, sizeInBytes,
                                    std::move(notes)});
            // The patches refer to the name the file was stored under.
            mOutputSamples[index] =
                COutputSampleRecord(record.GetLeftSample(), record.GetRightSample(), storedName, true);
        },
    });
}

EStepOutcome CVolumeConversion::WritePatches()
{
    return ForEachItem(mPrograms.size(), [this](std::size_t j) {
        if (const EStepOutcome outcome = WritePatch(j); IsStop(outcome))
            return outcome;
        return Advance(0, Message(kWritingProgramId, mPrograms[j]->GetName()));
    });
}

EStepOutcome CVolumeConversion::WritePatch(std::size_t index)
{
    const NSAkaiParser::IAkaiProgram& program = *mPrograms[index];
    const std::string name = program.GetName();
    std::vector<std::string> references;
    std::vector<std::string> missingSamples;
    return WriteOutputItem({
        name,
        false,
        kConvertingProgramId,
        kWritingProgramId,
        [&] {
            return NSConverterImplementation::WritePatchFile(program, mOutputSamples, mSampleNameTable, references,
                                                             missingSamples, mContext.outputMode);
        },
        [&](NSConverter::IOutputFileMedia& file) {
            return NSAkaiConversionImplementation::CreatePatchFile(mContext.volumeFolder, name, file).GetString();
        },
        [&](const std::string& storedName, std::uint64_t sizeInBytes) {
            const std::string shownName = WithoutExtension(storedName, GetConversionString(kPatchFileExtensionId));
            mContext.log.AddPatch({mContext.partitionName, mContext.volumeName, storedName, shownName, sizeInBytes,
                                   std::move(references), std::move(missingSamples), mProgramNotes[index]});
        },
    });
}

EStepOutcome CVolumeConversion::WriteOutputItem(const COutputItem& item)
{
    if (const EStepOutcome outcome = Report(Message(item.convertingMessageId, item.name)); IsStop(outcome))
        return outcome;
    // A full disk or a folder that cannot be written fails this file only: the user may free space, or
    // ignore the files that follow.
    return Guarded(item.name, item.isSample, true, [&] {
        const COutputMedia media = item.build();
        if (media == nullptr)
            return EStepOutcome::kGoOn;
        if (const EStepOutcome outcome = Report(Message(item.writingMessageId, item.name)); IsStop(outcome))
            return outcome;
        const std::string storedName = item.store(media->AsOutputFile());
        // A stored file is output to keep or delete, even when logging it fails.
        const auto sizeInBytes = static_cast<std::uint64_t>(media->AsOutputFile().GetSize());
        mContext.bytesWritten += sizeInBytes;
        item.record(storedName, sizeInBytes);
        return EStepOutcome::kGoOn;
    });
}

EStepOutcome CVolumeConversion::Guarded(const std::string& fileName, bool isSample, bool converting,
                                        const std::function<EStepOutcome()>& step)
{
    try {
        return step();
    } catch (const std::exception& failure) {
        return ReportFailure(&failure, fileName, isSample, converting);
    } catch (...) {
        return ReportFailure(nullptr, fileName, isSample, converting);
    }
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

EStepOutcome CVolumeConversion::ReportFailure(const std::exception* failure, const std::string& fileName,
                                              bool isSample, bool converting)
{
    return NSConverter::ReportItemError(
        failure, {fileName, mContext.partitionName, mContext.volumeName, isSample, converting},
        mContext.errorListener, mContext.log, mContext.ignoreAllErrors);
}

EStepOutcome CVolumeConversion::Report(const std::string& message)
{
    return ReportProgress(mContext.progressListener, mContext.current, mContext.total, mContext.partitionName,
                          mContext.volumeName, message, mContext.bytesWritten);
}

EStepOutcome CVolumeConversion::Advance(std::uint64_t byteCount, const std::string& message)
{
    ++mContext.current;
    mContext.bytesWritten += byteCount;
    return Report(message);
}

void CVolumeConversion::ScaleProgress(std::uint32_t factor)
{
    mContext.current *= factor;
    mContext.total *= factor;
}

void CVolumeConversion::UnscaleProgress(std::uint32_t divisor)
{
    mContext.current /= divisor;
    mContext.total /= divisor;
}

} // namespace NSAkaiConversion
