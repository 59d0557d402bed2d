#include "conversion/patch/ZoneSamples.h"

#include "akai/parsers/AkaiProgram.h"
#include "akai/parsers/AkaiSample.h"
#include "akai/parsers/AkaiSampleParameters.h"
#include "akai/parsers/KeyGroup.h"
#include "conversion/patch/LoopAndStereoRules.h"

#include <array>
#include <utility>

namespace NSAkaiConversion {
namespace {

using NSAkaiParser::CAkaiSampleParameters;
using NSAkaiParser::IAkaiSample;

constexpr std::int32_t kHardLeftPan = -50;
constexpr std::int32_t kHardRightPan = 50;

// The order in which zone pairs are tried.
constexpr std::array<std::pair<std::size_t, std::size_t>, 6> kCandidatePairs = {
    {{0, 1}, {0, 2}, {0, 3}, {1, 2}, {1, 3}, {2, 3}}};

const IAkaiSample* FindParsedSample(const CParsedSamples& samples, const std::string& name)
{
    for (const IAkaiSample* sample : samples) {
        if (sample != nullptr && sample->GetName() == name)
            return sample;
    }
    return nullptr;
}

bool HoldsSample(const COutputSampleRecord& record, const IAkaiSample* sample)
{
    return record.GetLeftSample() == sample || record.GetRightSample() == sample;
}

// The record holding exactly these two samples, in either order; -1 when none does.
std::int32_t FindPairRecord(const COutputSampleRecords& records, const IAkaiSample* a, const IAkaiSample* b)
{
    if (a == nullptr && b == nullptr)
        return -1;
    for (std::size_t i = 0; i < records.size(); ++i) {
        const COutputSampleRecord& record = records[i];
        if ((record.GetLeftSample() == a && record.GetRightSample() == b) ||
            (record.GetLeftSample() == b && record.GetRightSample() == a))
            return static_cast<std::int32_t>(i);
    }
    return -1;
}

std::int32_t FindMonoRecord(const COutputSampleRecords& records, const std::string& sampleName)
{
    for (std::size_t i = 0; i < records.size(); ++i) {
        const COutputSampleRecord& record = records[i];
        if (record.GetLeftSample() != nullptr && record.GetRightSample() == nullptr &&
            record.GetLeftSample()->GetName() == sampleName)
            return static_cast<std::int32_t>(i);
    }
    return -1;
}

bool HasStereoPan(const CAkaiSampleParameters& left, const CAkaiSampleParameters& right)
{
    return IsLeftName(left.GetSampleName()) && IsRightName(right.GetSampleName()) && left.GetPan() == kHardLeftPan &&
           right.GetPan() == kHardRightPan;
}

std::int32_t FindOrAddStereoRecord(COutputSampleRecords& records, const IAkaiSample& a, const IAkaiSample& b)
{
    const IAkaiSample& left = IsLeftName(a.GetName()) ? a : b;
    const IAkaiSample& right = &left == &a ? b : a;
    const std::int32_t existing = FindPairRecord(records, &left, &right);
    if (existing >= 0)
        return existing;
    return static_cast<std::int32_t>(AddSampleRecord(records, left, &right));
}

std::int32_t FindOrAddMonoRecord(COutputSampleRecords& records, const CParsedSamples& samples, const std::string& name)
{
    const std::int32_t existing = FindMonoRecord(records, name);
    if (existing >= 0)
        return existing;
    const IAkaiSample* sample = FindParsedSample(samples, name);
    if (sample != nullptr)
        return static_cast<std::int32_t>(AddSampleRecord(records, *sample, nullptr));
    return static_cast<std::int32_t>(AddMissingSampleRecord(records, name));
}

struct CLeftOver
{
    const IAkaiSample* left;
    const IAkaiSample* right;
};

bool IsHeld(const COutputSampleRecords& records, const CLeftOver& candidate)
{
    if (candidate.right != nullptr)
        return FindPairRecord(records, candidate.left, candidate.right) >= 0;
    for (const COutputSampleRecord& record : records) {
        if (HoldsSample(record, candidate.left))
            return true;
    }
    return false;
}

} // namespace

std::vector<CZoneTableEntry> GetZoneTableEntries(const CZoneTable& table, const NSAkaiParser::IKeyGroup& keyGroup)
{
    std::vector<CZoneTableEntry> entries;
    for (const CZoneTableEntry& entry : table) {
        if (entry.keyGroup == &keyGroup)
            entries.push_back(entry);
    }
    return entries;
}

bool IsStereoZonePair(const CAkaiSampleParameters& a, const CAkaiSampleParameters& b)
{
    if (!HasStereoPan(a, b) && !HasStereoPan(b, a))
        return false;
    return a.GetKeyTracking() == b.GetKeyTracking() && a.GetVelocityToSampleStart() == b.GetVelocityToSampleStart() &&
           a.GetLowVelocity() == b.GetLowVelocity() && a.GetHighVelocity() == b.GetHighVelocity() &&
           a.GetTuneCents() == b.GetTuneCents() && a.GetLoudness() == b.GetLoudness() &&
           a.GetFilter() == b.GetFilter() && a.GetLoopMode() == b.GetLoopMode();
}

void AddKeyGroupSamples(const NSAkaiParser::IAkaiProgram& program, const NSAkaiParser::IKeyGroup& keyGroup,
                        const CParsedSamples& samples, COutputSampleRecords& records, CZoneTable& table)
{
    const std::vector<CAkaiSampleParameters> zones = keyGroup.GetSampleParameters();
    std::vector<bool> used(zones.size(), false);

    // A moving pan would pull the two halves of one file apart, so such a program keeps them mono.
    if (program.GetPanLFODepth() == 0) {
        for (const auto& [first, second] : kCandidatePairs) {
            if (second >= zones.size() || !IsStereoZonePair(zones[first], zones[second]))
                continue;
            const IAkaiSample* a = FindParsedSample(samples, zones[first].GetSampleName());
            const IAkaiSample* b = FindParsedSample(samples, zones[second].GetSampleName());
            if (a == nullptr || b == nullptr || !IsStereoPair(*a, *b))
                continue;
            const std::int32_t record = FindOrAddStereoRecord(records, *a, *b);
            table.push_back({&keyGroup, record, static_cast<std::int32_t>(first)});
            used[first] = true;
            used[second] = true;
        }
    }

    for (std::size_t i = 0; i < zones.size(); ++i) {
        const std::string name = zones[i].GetSampleName();
        if (used[i] || name.empty())
            continue;
        table.push_back({&keyGroup, FindOrAddMonoRecord(records, samples, name), static_cast<std::int32_t>(i)});
    }
}

void AddLeftOverSamples(const CParsedSamples& samples, COutputSampleRecords& records)
{
    std::vector<CLeftOver> leftOvers;
    for (std::size_t i = 0; i < samples.size(); ++i) {
        const IAkaiSample* sample = samples[i];
        if (sample == nullptr)
            continue;
        CLeftOver leftOver{sample, nullptr};
        const std::string name = sample->GetName();
        if (IsStereoName(name)) {
            for (std::size_t j = i + 1; j < samples.size(); ++j) {
                const IAkaiSample* partner = samples[j];
                if (partner != nullptr && IsStereoNamePair(name, partner->GetName()) && IsStereoPair(*sample, *partner)) {
                    leftOver = IsLeftName(name) ? CLeftOver{sample, partner} : CLeftOver{partner, sample};
                    break;
                }
            }
        }
        leftOvers.push_back(leftOver);
    }
    for (const CLeftOver& leftOver : leftOvers) {
        if (!IsHeld(records, leftOver))
            AddSampleRecord(records, *leftOver.left, leftOver.right);
    }
}

} // namespace NSAkaiConversion
