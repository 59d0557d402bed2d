#pragma once

// What the converter records about one conversion: every patch and sample file it wrote and every file
// it could not convert. The entries are values; every text is a byte string.

#include <cstdint>
#include <string>
#include <vector>

namespace NSLogger {

struct CPatchEntry
{
    std::string partitionName;
    std::string volumeName;
    std::string itemName;
    std::string shownName;
    std::uint64_t sizeInBytes = 0;                  // of the written patch file
    std::vector<std::string> referencedSamples;     // item names of the volume's sample entries
    std::vector<std::string> missingSamples;
    std::vector<std::string> notes;
};

struct CSampleEntry
{
    std::string partitionName;
    std::string volumeName;
    std::string itemName;
    std::string shownName;
    std::uint64_t sizeInBytes = 0;                  // of the written WAVE file
    std::vector<std::string> notes;
};

struct CSkippedEntry
{
    std::string partitionName;
    std::string volumeName;
    std::string fileName;
    std::string cause;                              // short, as "bad format"
};

// The slot order is fixed. Never deleted through this interface.
class ILog
{
public:
    virtual void AddPatch(const CPatchEntry& entry) = 0;
    virtual void AddSample(const CSampleEntry& entry) = 0;
    // The first skipped list (programs) and the second (samples).
    virtual void AddSkippedProgram(const CSkippedEntry& entry) = 0;
    virtual void AddSkippedSample(const CSkippedEntry& entry) = 0;

protected:
    ~ILog() = default;
};

} // namespace NSLogger
