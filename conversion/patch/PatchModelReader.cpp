#include "conversion/patch/PatchModelReader.h"

#include "framework/foundation/modules/Version.h"
#include "framework/foundation/core/Exceptions.h"
#include "framework/foundation/core/Media.h"

namespace NSConverterImplementation {
namespace {

// Reads a list's version and count. The count comes from the file: it must fit in what remains before it
// sizes anything.
std::uint32_t ReadListCount(NSTramvell::CMedia& media, std::int32_t recordSizeInBytes)
{
    const NSTramvell::CVersion version(media);
    if (version.GetMajor() == 1)
        media.ReadBigEndian32(); // a word of the older form that nothing uses
    else if (version.GetMajor() != 2)
        throw NSTramvell::XBadFormat();
    const std::uint32_t count = media.ReadBigEndian32();
    const std::int64_t remaining = std::int64_t{media.GetSize()} - media.GetPosition();
    if (remaining < 0 || count > remaining / recordSizeInBytes)
        throw NSTramvell::XBadFormat();
    return count;
}

CPatchParameterRecord ReadParameterRecord(NSTramvell::CMedia& media)
{
    const std::int32_t number = media.ReadByte();
    const std::int32_t kind = media.ReadByte();
    const std::int32_t value = media.ReadByte();
    const std::int32_t rate = static_cast<std::int32_t>(media.ReadBigEndian32());
    if (!CPatchParameterRecord::kKindRange.IsInRange(kind))
        throw NSTramvell::XBadFormat();
    return CPatchParameterRecord(CPatchParameterRecord::kNumberRange.ValidateOrClamp(number), kind,
                                 CPatchParameterRecord::kValueRange.ValidateOrClamp(value),
                                 CPatchParameterRecord::kRateRange.ValidateOrClamp(rate));
}

std::int32_t ReadField(NSTramvell::CMedia& media, const CZoneFieldLayout& layout)
{
    const CRange32& range = layout.range;
    std::int32_t value = 0;
    if (layout.widthInBytes == 1) {
        const std::uint8_t stored = media.ReadByte();
        value = range.GetMin() < 0 ? static_cast<std::int8_t>(stored) : stored;
        value = range.ValidateOrClamp(value);
    } else if (layout.widthInBytes == 2) {
        const std::int16_t stored = static_cast<std::int16_t>(media.ReadBigEndian16());
        const CRange16 range16(static_cast<std::int16_t>(range.GetMin()), static_cast<std::int16_t>(range.GetMax()),
                               static_cast<std::int16_t>(range.GetDefault()));
        value = range16.ValidateOrClamp(stored);
    } else {
        value = static_cast<std::int32_t>(media.ReadBigEndian32());
        if (layout.negativeIsBadFormat && value < 0)
            throw NSTramvell::XBadFormat();
        value = range.ValidateOrClamp(value);
    }
    if (layout.flagFollows)
        media.ReadByte(); // the writer derives it from the value
    return value;
}

template <typename TBlock>
TBlock ReadBlock(NSTramvell::CMedia& media)
{
    TBlock block;
    const auto& layout = TBlock::GetLayout();
    for (std::size_t i = 0; i < TBlock::kFieldCount; ++i)
        block.SetField(i, ReadField(media, layout[i]));
    return block;
}

CPatchZone ReadZoneRecord(NSTramvell::CMedia& media)
{
    const std::int32_t slotIndex = static_cast<std::int32_t>(media.ReadBigEndian32());
    const CSampleMapBlock sampleMap = ReadBlock<CSampleMapBlock>(media);
    const CModulationBlock modulation = ReadBlock<CModulationBlock>(media);
    const CPitchLfoBlock pitchLfo = ReadBlock<CPitchLfoBlock>(media);
    const CPanLfoBlock panLfo = ReadBlock<CPanLfoBlock>(media);
    const CModulationEnvelopeBlock modulationEnvelope = ReadBlock<CModulationEnvelopeBlock>(media);
    const CTuningBlock tuning = ReadBlock<CTuningBlock>(media);
    const CFilterBlock filter = ReadBlock<CFilterBlock>(media);
    const CAmplitudeEnvelopeBlock amplitudeEnvelope = ReadBlock<CAmplitudeEnvelopeBlock>(media);
    const CPanBlock pan = ReadBlock<CPanBlock>(media);
    CPatchZone zone(sampleMap, modulation, pitchLfo, panLfo, modulationEnvelope, tuning, filter, amplitudeEnvelope,
                    pan);
    zone.SetSampleSlotIndex(slotIndex);
    return zone;
}

} // namespace

CPatchModel ReadPatchModel(NSTramvell::CMedia& media)
{
    std::vector<CPatchParameterRecord> parameters;
    const std::uint32_t parameterCount = ReadListCount(media, CPatchParameterRecord::kStoredSizeInBytes);
    for (std::uint32_t i = 0; i < parameterCount; ++i)
        parameters.push_back(ReadParameterRecord(media));

    std::vector<CPatchZone> zones;
    const std::uint32_t zoneCount = ReadListCount(media, CPatchZone::kRecordSizeInBytes);
    for (std::uint32_t i = 0; i < zoneCount; ++i)
        zones.push_back(ReadZoneRecord(media));
    return CPatchModel(std::move(parameters), std::move(zones));
}

} // namespace NSConverterImplementation
