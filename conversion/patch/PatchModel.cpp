#include "conversion/patch/PatchModel.h"

#include "framework/foundation/modules/Version.h"
#include "framework/foundation/core/Media.h"

#include <utility>

namespace NSConverterImplementation {
namespace {

void WriteField(NSTramvell::CMedia& media, const CZoneFieldLayout& layout, std::int32_t value)
{
    const std::uint32_t bits = static_cast<std::uint32_t>(value);
    if (layout.widthInBytes == 1)
        media.WriteByte(static_cast<std::uint8_t>(bits));
    else if (layout.widthInBytes == 2)
        media.WriteBigEndian16(static_cast<std::uint16_t>(bits));
    else
        media.WriteBigEndian32(bits);
    if (layout.flagFollows)
        media.WriteByte(value == layout.range.GetMin() ? 1 : 0);
}

template <typename TBlock>
void WriteBlock(NSTramvell::CMedia& media, const TBlock& block)
{
    const auto& layout = TBlock::GetLayout();
    for (std::size_t i = 0; i < TBlock::kFieldCount; ++i)
        WriteField(media, layout[i], block.GetField(i));
}

void WriteListHeader(NSTramvell::CMedia& media, CModelVersion version, std::size_t count)
{
    NSTramvell::CVersion(version.major, version.minor).Write(media);
    media.WriteBigEndian32(static_cast<std::uint32_t>(count));
}

} // namespace

CPatchParameterRecord::CPatchParameterRecord()
    : mNumber(kNumberRange.GetDefault())
    , mKind(kKindRange.GetDefault())
    , mValue(kValueRange.GetDefault())
    , mRate(kRateRange.GetDefault())
{
}

CPatchParameterRecord::CPatchParameterRecord(std::int32_t number, std::int32_t kind, std::int32_t value,
                                             std::int32_t rate)
    : mNumber(number), mKind(kind), mValue(value), mRate(rate)
{
}

CPatchModel::CPatchModel(std::vector<CPatchParameterRecord> parameters, std::vector<CPatchZone> zones)
    : mParameters(std::move(parameters)), mZones(std::move(zones))
{
}

void WriteZoneRecord(NSTramvell::CMedia& media, const CPatchZone& zone)
{
    media.WriteBigEndian32(static_cast<std::uint32_t>(zone.GetSampleSlotIndex()));
    WriteBlock(media, zone.GetSampleMap());
    WriteBlock(media, zone.GetModulation());
    WriteBlock(media, zone.GetPitchLfo());
    WriteBlock(media, zone.GetPanLfo());
    WriteBlock(media, zone.GetModulationEnvelope());
    WriteBlock(media, zone.GetTuning());
    WriteBlock(media, zone.GetFilter());
    WriteBlock(media, zone.GetAmplitudeEnvelope());
    WriteBlock(media, zone.GetPan());
}

void WritePatchModel(NSTramvell::CMedia& media, const CPatchModel& model)
{
    WriteListHeader(media, kParameterListVersion, model.GetParameters().size());
    for (const CPatchParameterRecord& parameter : model.GetParameters()) {
        media.WriteByte(static_cast<std::uint8_t>(parameter.GetNumber()));
        media.WriteByte(static_cast<std::uint8_t>(parameter.GetKind()));
        media.WriteByte(static_cast<std::uint8_t>(parameter.GetValue()));
        media.WriteBigEndian32(static_cast<std::uint32_t>(parameter.GetRate()));
    }
    WriteListHeader(media, kZoneListVersion, model.GetZones().size());
    for (const CPatchZone& zone : model.GetZones())
        WriteZoneRecord(media, zone);
}

} // namespace NSConverterImplementation
