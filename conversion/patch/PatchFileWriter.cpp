#include "conversion/patch/PatchFileWriter.h"

#include "akai/parsers/AkaiProgram.h"
#include "conversion/patch/PatchAssembly.h"
#include "framework/foundation/modules/Version.h"
#include "framework/foundation/chunks/IFFFile.h"
#include "framework/foundation/core/Media.h"

#include <algorithm>
#include <stdexcept>

namespace NSConverterImplementation {
namespace {

constexpr int kBigEndianSizes = 0;

void WriteString(NSTramvell::CMedia& media, std::string_view text)
{
    media.WriteBigEndian32(static_cast<std::uint32_t>(text.size()));
    media.Write(static_cast<std::int32_t>(text.size()), text.data());
}

// A version followed by a zero byte: a sub-object with nothing in it.
void WriteEmptyObject(NSTramvell::CMedia& media, std::uint8_t major, std::uint8_t minor)
{
    NSTramvell::CVersion(major, minor).Write(media);
    media.WriteByte(0);
}

void WriteTail(NSTramvell::CMedia& media)
{
    NSTramvell::CVersion(1, 0).Write(media);
    WriteEmptyObject(media, 1, 2);
    WriteEmptyObject(media, 1, 4);
}

void WriteSampleSlot(NSTramvell::CMedia& media, const std::string& name, const std::vector<std::string>& references)
{
    if (name.empty()) {
        media.WriteByte(0);
        return;
    }
    const auto reference = std::find(references.begin(), references.end(), name);
    if (reference == references.end())
        throw std::invalid_argument("sample slot without a reference");
    media.WriteByte(1);
    NSTramvell::CVersion(4, 1).Write(media);
    media.WriteByte(1);
    media.WriteBigEndian32(static_cast<std::uint32_t>(reference - references.begin()));
}

} // namespace

void WriteReferenceChunk(NSTramvell::CIFFFileWriter& writer, const std::string& name)
{
    writer.BeginChunk("REFE");
    NSTramvell::CMedia& media = writer.GetMedia();
    NSTramvell::CVersion(1, 1).Write(media);
    NSTramvell::CVersion(1, 1).Write(media);
    media.WriteByte(1);
    media.WriteBigEndian32(0);
    media.WriteBigEndian32(1);
    WriteString(media, name);
    WriteEmptyObject(media, 1, 2);
    WriteEmptyObject(media, 1, 4);
    WriteString(media, name);
    WriteString(media, "");
    WriteString(media, "");
    media.WriteByte(0x0D);
    WriteString(media, "");
    writer.EndChunk();
}

void WriteReferenceGroup(NSTramvell::CIFFFileWriter& writer, const std::vector<std::string>& references)
{
    writer.BeginCAT("REFS");
    for (const std::string& name : references)
        WriteReferenceChunk(writer, name);
    writer.EndChunk();
}

void WriteDescriptionChunk(NSTramvell::CIFFFileWriter& writer, const std::string& programName)
{
    writer.BeginChunk("DESC");
    NSTramvell::CMedia& media = writer.GetMedia();
    NSTramvell::CVersion(1, 3).Write(media);
    media.WriteByte(0x12);
    WriteString(media, programName);
    WriteString(media, kPatchSamplerName);
    writer.EndChunk();
}

void WritePatchInfoChunk(NSTramvell::CIFFFileWriter& writer)
{
    writer.BeginChunk("AUTH");
    NSTramvell::CMedia& media = writer.GetMedia();
    NSTramvell::CVersion(1, 0).Write(media);
    WriteString(media, kPatchProductName);
    WriteString(media, kPatchMakerWebAddress);
    writer.EndChunk();
}

void WriteParameterChunk(NSTramvell::CIFFFileWriter& writer)
{
    // Nine (identifier, value) pairs the sampler expects in every patch.
    static constexpr std::uint8_t kPairs[] = {5, 0, 6, 0, 7, 0, 8, 0, 9, 0, 10, 0, 11, 0, 12, 0, 13, 100};
    writer.BeginChunk("PARM");
    NSTramvell::CMedia& media = writer.GetMedia();
    NSTramvell::CVersion(1, 0).Write(media);
    media.WriteByte(sizeof kPairs / 2);
    media.Write(sizeof kPairs, kPairs);
    media.WriteByte(0);
    writer.EndChunk();
}

void WriteSampleTableChunk(NSTramvell::CIFFFileWriter& writer, const CPatchModel& model,
                           const std::vector<std::string>& slotNames, const std::vector<std::string>& references)
{
    writer.BeginChunk("BODY");
    NSTramvell::CMedia& media = writer.GetMedia();
    NSTramvell::CVersion(1, 0).Write(media);
    WritePatchModel(media, model);
    for (const std::string& name : slotNames)
        WriteSampleSlot(media, name, references);
    WriteTail(media);
    WriteTail(media);
    writer.EndChunk();
}

std::unique_ptr<COutputFileMemoryMedia> WritePatchFile(const NSAkaiParser::IAkaiProgram& program,
                                                       const NSAkaiConversion::COutputSampleRecords& records,
                                                       const NSAkaiConversion::CZoneTable& table,
                                                       std::vector<std::string>& references,
                                                       std::vector<std::string>& missingSamples,
                                                       std::uint8_t outputMode)
{
    std::vector<std::string> slotNames;
    const CPatchModel model =
        NSAkaiConversion::AssemblePatch(program, records, table, references, missingSamples, slotNames, outputMode);

    auto media = std::make_unique<COutputFileMemoryMedia>(kPatchFileInitialCapacityInBytes);
    {
        NSTramvell::CIFFFileWriter writer(*media, kBigEndianSizes);
        writer.BeginFORM("PTCH");
        WriteReferenceGroup(writer, references);
        WriteDescriptionChunk(writer, program.GetName());
        WritePatchInfoChunk(writer);
        WriteParameterChunk(writer);
        WriteSampleTableChunk(writer, model, slotNames, references);
        writer.EndChunk();
    }
    return media;
}

} // namespace NSConverterImplementation
