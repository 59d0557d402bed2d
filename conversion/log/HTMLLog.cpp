#include "conversion/log/HTMLLog.h"

#include "conversion/log/LogTree.h"
#include "framework/foundation/strings/StringUtilities.h"

#include <array>
#include <stdexcept>

namespace NSLogger {
namespace {

CLogTextTable& Templates()
{
    static CLogTextTable templates;
    return templates;
}

CLogTextTable& Strings()
{
    static CLogTextTable strings;
    return strings;
}

std::string Find(const CLogTextTable& table, std::uint32_t key)
{
    for (const auto& [entryKey, text] : table) {
        if (entryKey == key)
            return text;
    }
    throw std::range_error("UI string not found");
}

std::string Kilobytes(std::uint64_t sizeInBytes)
{
    return NSTramvell::RealToString(static_cast<double>(sizeInBytes) / 1024.0, 1);
}

std::string Megabytes(std::uint64_t sizeInBytes)
{
    return NSTramvell::RealToString(static_cast<double>(sizeInBytes) / 1048576.0, 1);
}

// One page's composition; each template is looked up once, when first needed.
class CPageComposer
{
public:
    std::string ComposePage(const CLogTree& tree, const std::string& title, std::uint32_t endState)
    {
        const std::string body = Fill(kBodyTemplate, {title, Megabytes(tree.GetTotalSizeInBytes()),
                                                      SkippedNotes(tree), Partitions(tree), EndNote(endState)});
        return Fill(kPageTemplate, {Template(kHeadTemplate), body});
    }

private:
    const std::string& Template(std::uint32_t key)
    {
        std::string& text = mTemplates[key - kFirstTemplate];
        if (!mLoaded[key - kFirstTemplate]) {
            text = GetHTMLTemplate(key);
            mLoaded[key - kFirstTemplate] = true;
        }
        return text;
    }

    std::string Fill(std::uint32_t key, const std::vector<std::string>& parameters)
    {
        return NSTramvell::ReplaceParameters(Template(key), parameters);
    }

    std::string SkippedNotes(const CLogTree& tree)
    {
        std::string notes;
        for (std::size_t p = 0; p < tree.GetPartitionCount(); ++p) {
            const CLogPartition& partition = tree.GetPartition(p);
            for (std::size_t v = 0; v < partition.GetVolumeCount(); ++v) {
                const CLogVolume& volume = partition.GetVolume(v);
                for (std::size_t i = 0; i < volume.GetSkippedProgramCount(); ++i)
                    notes += SkippedNote(volume.GetSkippedProgram(i));
                for (std::size_t i = 0; i < volume.GetSkippedSampleCount(); ++i)
                    notes += SkippedNote(volume.GetSkippedSample(i));
            }
        }
        return notes;
    }

    std::string SkippedNote(const CSkippedEntry& entry)
    {
        return Fill(kSkippedNoteTemplate, {entry.partitionName, entry.volumeName, entry.fileName, entry.cause});
    }

    std::string Partitions(const CLogTree& tree)
    {
        std::string partitions;
        for (std::size_t p = 0; p < tree.GetPartitionCount(); ++p) {
            const CLogPartition& partition = tree.GetPartition(p);
            std::string volumes;
            for (std::size_t v = 0; v < partition.GetVolumeCount(); ++v)
                volumes += VolumeSection(partition.GetVolume(v), v);
            partitions += Fill(kPartitionTemplate, {partition.GetName(), volumes});
        }
        return partitions;
    }

    std::string VolumeSection(const CLogVolume& volume, std::size_t index)
    {
        return Fill(kVolumeTemplate, {std::to_string(index + 1), volume.GetName(), Kilobytes(volume.GetSizeInBytes()),
                                      std::to_string(volume.GetPatchCount()), std::to_string(volume.GetSampleCount()),
                                      PatchTable(volume), SampleTable(volume)});
    }

    std::string PatchTable(const CLogVolume& volume)
    {
        if (volume.GetPatchCount() == 0)
            return {};
        std::string rows;
        for (std::size_t i = 0; i < volume.GetPatchCount(); ++i) {
            const CPatchEntry& patch = volume.GetPatch(i);
            std::string notes;
            for (const std::string& missing : patch.missingSamples)
                notes += Fill(kMissingSampleTemplate, {missing});
            for (const std::string& note : patch.notes)
                notes += Fill(kPatchNoteTemplate, {note});
            rows += Fill(kPatchRowTemplate, {patch.shownName, Kilobytes(volume.GetPatchSizeWithSamples(i)), notes});
        }
        return Fill(kPatchTableTemplate, {rows});
    }

    std::string SampleTable(const CLogVolume& volume)
    {
        if (volume.GetSampleCount() == 0)
            return {};
        std::string rows;
        for (std::size_t i = 0; i < volume.GetSampleCount(); ++i) {
            const CSampleEntry& sample = volume.GetSample(i);
            std::string notes;
            for (const std::string& note : sample.notes)
                notes += Fill(kSampleNoteTemplate, {note});
            rows += Fill(kSampleRowTemplate, {sample.shownName, Kilobytes(sample.sizeInBytes), notes});
        }
        return Fill(kSampleTableTemplate, {rows});
    }

    std::string EndNote(std::uint32_t endState)
    {
        std::uint32_t textId = 0;
        switch (endState) {
        case kLogCompleted:
            textId = kEndOfLogTextId;
            break;
        case kLogFailed:
            textId = kFatalErrorTextId;
            break;
        case kLogAbortedByUser:
            textId = kAbortedByUserTextId;
            break;
        default:
            return {};
        }
        return Fill(kEndNoteTemplate, {GetLogString(textId)});
    }

    std::array<std::string, kLastTemplate - kFirstTemplate + 1> mTemplates;
    std::array<bool, kLastTemplate - kFirstTemplate + 1> mLoaded{};
};

} // namespace

void SetHTMLTemplates(const CLogTextTable& templates)
{
    Templates() = templates;
}

void SetUIStrings(const CLogTextTable& strings)
{
    Strings() = strings;
}

std::string GetHTMLTemplate(std::uint32_t key)
{
    return Find(Templates(), key);
}

std::string GetLogString(std::uint32_t key)
{
    return Find(Strings(), key);
}

std::string ComposeHTMLLog(const CLogTree& tree, const std::string& title, std::uint32_t endState)
{
    return CPageComposer().ComposePage(tree, title, endState);
}

} // namespace NSLogger
