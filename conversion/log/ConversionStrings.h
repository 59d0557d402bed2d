#pragma once

// The conversion's own table of user-interface texts. The application fills it once before any
// conversion, so that nothing reaches the program's resources while a conversion runs.

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace NSAkaiConversion {

using CConversionStringTable = std::vector<std::pair<std::uint32_t, std::string>>;

// Texts are named by their full reference number in string table 128: entry 1210 is 401281210.
constexpr std::uint32_t ConversionStringId(std::uint32_t entry)
{
    return 401280000u + entry;
}

constexpr std::uint32_t kPatchFileExtensionId = ConversionStringId(51);       // ".mqp"
constexpr std::uint32_t kNoPartitionNameId = ConversionStringId(1150);        // "-"
constexpr std::uint32_t kNoVolumeNameId = ConversionStringId(1151);           // "-"
constexpr std::uint32_t kExaminingDiskId = ConversionStringId(1152);
constexpr std::uint32_t kExaminingPartitionId = ConversionStringId(1153);
constexpr std::uint32_t kExaminingVolumeId = ConversionStringId(1154);
constexpr std::uint32_t kBlankVolumeNameId = ConversionStringId(1155);        // "Volume ^0"
constexpr std::uint32_t kAnalyzingSamplesId = ConversionStringId(1200);
constexpr std::uint32_t kReadingSampleId = ConversionStringId(1201);
constexpr std::uint32_t kReadingProgramId = ConversionStringId(1202);
constexpr std::uint32_t kConvertingSampleId = ConversionStringId(1203);
constexpr std::uint32_t kWritingSampleId = ConversionStringId(1204);
constexpr std::uint32_t kLeftChannelNoteId = ConversionStringId(1205);
constexpr std::uint32_t kRightChannelNoteId = ConversionStringId(1206);
constexpr std::uint32_t kConvertingProgramId = ConversionStringId(1207);
constexpr std::uint32_t kWritingProgramId = ConversionStringId(1208);
constexpr std::uint32_t kProgramNotReadId = ConversionStringId(1209);
constexpr std::uint32_t kProgramNotConvertedId = ConversionStringId(1210);
constexpr std::uint32_t kSampleNotReadId = ConversionStringId(1211);
constexpr std::uint32_t kSampleNotConvertedId = ConversionStringId(1212);
// Cause pairs: the long text for the sentence, the next id the short one for the log.
constexpr std::uint32_t kOutOfMemoryCauseId = ConversionStringId(1250);
constexpr std::uint32_t kBadFormatCauseId = ConversionStringId(1252);
constexpr std::uint32_t kDiskFullCauseId = ConversionStringId(1254);
constexpr std::uint32_t kDiskErrorCauseId = ConversionStringId(1256);
constexpr std::uint32_t kUnknownErrorCauseId = ConversionStringId(1258);
// Abort causes, chosen by the coordinator.
constexpr std::uint32_t kAbortedOutOfMemoryId = ConversionStringId(1270);
constexpr std::uint32_t kAbortedDiskFullId = ConversionStringId(1271);
constexpr std::uint32_t kAbortedDiskErrorId = ConversionStringId(1272);
constexpr std::uint32_t kAbortedUnexpectedId = ConversionStringId(1273);

// Replaces the whole table by a copy of strings.
void SetUIStrings(const CConversionStringTable& strings);

} // namespace NSAkaiConversion

namespace NSConverter {

// The text of the first entry with this id; std::range_error("UI string not found") when none has it.
std::string GetConversionString(std::uint32_t id);

} // namespace NSConverter
