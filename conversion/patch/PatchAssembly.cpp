#include "conversion/patch/PatchAssembly.h"

#include "akai/parsers/AkaiProgram.h"
#include "akai/parsers/KeyGroup.h"
#include "conversion/patch/ZoneConversion.h"
#include "framework/foundation/core/ByteOrder.h"

#include <algorithm>
#include <utility>

namespace NSAkaiConversion {
namespace {

using NSConverterImplementation::CFilterBlock;
using NSConverterImplementation::CPatchModel;
using NSConverterImplementation::CPatchParameterRecord;
using NSConverterImplementation::CPatchZone;
using NSConverterImplementation::CSampleMapBlock;

constexpr std::int32_t kOpenFilterCents = 14100;
constexpr std::int32_t kPatchParameterKind = 47;

void AddOnce(std::vector<std::string>& list, const std::string& name)
{
    if (std::find(list.begin(), list.end(), name) == list.end())
        list.push_back(name);
}

void OpenAllFilters(std::vector<CPatchZone>& zones)
{
    for (CPatchZone& zone : zones) {
        CFilterBlock filter = zone.GetFilter();
        filter.SetFrequency(kOpenFilterCents);
        zone.SetFilter(filter);
    }
}

} // namespace

std::int32_t GetLowerOverlap(std::int32_t aLow, std::int32_t aHigh, std::int32_t bLow, std::int32_t bHigh)
{
    return bLow < aLow && bHigh < aHigh ? bHigh : 0;
}

std::int32_t GetUpperOverlap(std::int32_t aLow, std::int32_t aHigh, std::int32_t bLow, std::int32_t bHigh)
{
    return bLow > aLow && bHigh > aHigh ? bLow : 128;
}

void SetVelocityFades(std::vector<CPatchZone>& zones)
{
    std::vector<std::pair<std::int32_t, std::int32_t>> fades;
    for (std::size_t a = 0; a < zones.size(); ++a) {
        const CSampleMapBlock& zoneA = zones[a].GetSampleMap();
        std::int32_t fadeLow = 0;
        std::int32_t fadeHigh = 128;
        for (std::size_t b = 0; b < zones.size(); ++b) {
            if (b == a)
                continue;
            const CSampleMapBlock& zoneB = zones[b].GetSampleMap();
            fadeLow = std::max(fadeLow, GetLowerOverlap(zoneA.GetLowVelocity(), zoneA.GetHighVelocity(),
                                                        zoneB.GetLowVelocity(), zoneB.GetHighVelocity()));
            fadeHigh = std::min(fadeHigh, GetUpperOverlap(zoneA.GetLowVelocity(), zoneA.GetHighVelocity(),
                                                          zoneB.GetLowVelocity(), zoneB.GetHighVelocity()));
        }
        if (fadeLow > fadeHigh) {
            fadeLow = (fadeLow + fadeHigh) / 2;
            fadeHigh = fadeLow + 1;
        }
        fades.emplace_back(fadeLow, fadeHigh);
    }
    // The ranges are read as BuildZone set them, so the fades are stored only after all are known.
    for (std::size_t a = 0; a < zones.size(); ++a) {
        CSampleMapBlock sampleMap = zones[a].GetSampleMap();
        sampleMap.SetVelocityFadeLow(fades[a].first);
        sampleMap.SetVelocityFadeHigh(fades[a].second);
        sampleMap.ClampToRanges();
        zones[a].SetSampleMap(sampleMap);
    }
}

CPatchModel AssemblePatch(const NSAkaiParser::IAkaiProgram& program, const COutputSampleRecords& records,
                          const CZoneTable& table, std::vector<std::string>& references,
                          std::vector<std::string>& missingSamples, std::vector<std::string>& slotNames,
                          std::uint8_t outputMode)
{
    bool filtersOpen = true;
    std::vector<CPatchZone> zones;
    for (const NSAkaiParser::IKeyGroup* keyGroup : program.GetKeyGroups()) {
        const std::vector<NSAkaiParser::CAkaiSampleParameters> velocityZones = keyGroup->GetSampleParameters();
        std::vector<CPatchZone> keyGroupZones;
        for (const CZoneTableEntry& entry : GetZoneTableEntries(table, *keyGroup)) {
            if (entry.recordIndex < 0)
                continue;
            const COutputSampleRecord& record = records.at(static_cast<std::size_t>(entry.recordIndex));
            const NSAkaiParser::CAkaiSampleParameters& velocityZone =
                velocityZones.at(static_cast<std::size_t>(entry.velocityZoneIndex));
            const bool missing = !record.IsWritten();
            if (missing)
                AddOnce(missingSamples, record.GetName());
            keyGroupZones.push_back(
                BuildZone(program, record.GetLeftSample(), velocityZone, *keyGroup, record.IsStereo()));
            if (!IsFilterNeutral(program, *keyGroup))
                filtersOpen = false;
            if (missing && outputMode == kOutputModeArchive) {
                slotNames.emplace_back();
            } else {
                slotNames.push_back(record.GetName());
                AddOnce(references, record.GetName());
            }
        }
        if (keyGroup->GetVelocityZoneCrossfade())
            SetVelocityFades(keyGroupZones);
        zones.insert(zones.end(), keyGroupZones.begin(), keyGroupZones.end());
    }

    if (filtersOpen)
        OpenAllFilters(zones);
    if (zones.empty()) {
        zones.push_back(BuildDefaultZone());
        slotNames.emplace_back();
    }
    // Each zone names its entry in the sample-slot table, which holds one entry per zone in zone order.
    for (std::size_t i = 0; i < zones.size(); ++i)
        zones[i].SetSampleSlotIndex(static_cast<std::int32_t>(i));

    const CPatchParameterRecord parameters(NSTramvell::Clamp(program.GetPolyphony(), 1, 99), kPatchParameterKind, 0,
                                           CPatchParameterRecord::kRateRange.GetDefault());
    return CPatchModel({parameters}, std::move(zones));
}

} // namespace NSAkaiConversion
