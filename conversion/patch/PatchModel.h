#pragma once

// The in-memory model of one sampler patch: its zones, written in order, and its patch parameter
// records.

#include "conversion/patch/PatchRange.h"
#include "conversion/patch/PatchZone.h"

#include <cstdint>
#include <vector>

namespace NSTramvell {
class CMedia;
}

namespace NSConverterImplementation {

// One patch-level parameter: 20 bytes in memory, 7 in the file (the identifier is not written).
class CPatchParameterRecord
{
public:
    static constexpr std::int32_t kIdentifier = 666;
    static constexpr std::int32_t kStoredSizeInBytes = 7;
    static constexpr CRange32 kNumberRange{1, 99, 8};
    static constexpr CRange32 kKindRange{46, 47, 47};
    static constexpr CRange32 kValueRange{0, 127, 0};
    static constexpr CRange32 kRateRange{-9700, 4500, -536};

    // The defaults of the four ranges.
    CPatchParameterRecord();
    CPatchParameterRecord(std::int32_t number, std::int32_t kind, std::int32_t value, std::int32_t rate);
    bool operator==(const CPatchParameterRecord&) const = default;

    std::int32_t GetIdentifier() const { return mIdentifier; }
    std::int32_t GetNumber() const { return mNumber; }
    void SetNumber(std::int32_t number) { mNumber = number; }
    std::int32_t GetKind() const { return mKind; }
    void SetKind(std::int32_t kind) { mKind = kind; }
    std::int32_t GetValue() const { return mValue; }
    void SetValue(std::int32_t value) { mValue = value; }
    std::int32_t GetRate() const { return mRate; }
    void SetRate(std::int32_t rate) { mRate = rate; }

private:
    std::int32_t mIdentifier = kIdentifier;
    std::int32_t mNumber;
    std::int32_t mKind;
    std::int32_t mValue;
    std::int32_t mRate;
};

// A value.
class CPatchModel
{
public:
    CPatchModel() = default;
    CPatchModel(std::vector<CPatchParameterRecord> parameters, std::vector<CPatchZone> zones);
    bool operator==(const CPatchModel&) const = default;

    const std::vector<CPatchParameterRecord>& GetParameters() const { return mParameters; }
    const std::vector<CPatchZone>& GetZones() const { return mZones; }
    std::vector<CPatchZone>& GetZones() { return mZones; }

private:
    std::vector<CPatchParameterRecord> mParameters;
    std::vector<CPatchZone> mZones;
};

// Versions of the two lists the model writes: 2.0 before the parameter records, 2.2 before the zones.
struct CModelVersion
{
    std::uint8_t major;
    std::uint8_t minor;
};
constexpr CModelVersion kParameterListVersion{2, 0};
constexpr CModelVersion kZoneListVersion{2, 2};

// Writes the parameter list, then the zone list, big-endian, at the media's position.
void WritePatchModel(NSTramvell::CMedia& media, const CPatchModel& model);
// The 241-byte record of one zone.
void WriteZoneRecord(NSTramvell::CMedia& media, const CPatchZone& zone);

} // namespace NSConverterImplementation
