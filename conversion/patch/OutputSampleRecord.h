#pragma once

// One output WAVE file of a volume: the Akai sample or stereo pair it holds, the name it is stored under
// and whether it was written. The samples belong to the volume conversion, which outlives the records.

#include <cstdint>
#include <string>
#include <vector>

namespace NSAkaiParser {
class IAkaiSample;
}

namespace NSAkaiConversion {

class COutputSampleRecord
{
public:
    // left is null for a sample that a zone names but the volume does not hold; right is null for a mono
    // file.
    COutputSampleRecord(const NSAkaiParser::IAkaiSample* left, const NSAkaiParser::IAkaiSample* right,
                        std::string name, bool written = false);

    const NSAkaiParser::IAkaiSample* GetLeftSample() const { return mLeft; }
    const NSAkaiParser::IAkaiSample* GetRightSample() const { return mRight; }
    const std::string& GetName() const { return mName; }
    bool IsWritten() const { return mWritten; }
    void SetWritten(bool written) { mWritten = written; }
    bool IsStereo() const { return mRight != nullptr; }

private:
    const NSAkaiParser::IAkaiSample* mLeft;  // borrowed from the volume conversion
    const NSAkaiParser::IAkaiSample* mRight; // borrowed likewise
    std::string mName;
    bool mWritten;
};

using COutputSampleRecords = std::vector<COutputSampleRecord>;

// A name no record carries yet: the wanted name through the file-name rules, then, while a record
// carries the candidate, its stem with 2, 3, ... appended before the extension.
std::string MakeUniqueSampleName(const COutputSampleRecords& records, const std::string& wanted);

// The first record with exactly this output name, or records.end().
COutputSampleRecords::const_iterator FindSampleRecord(const COutputSampleRecords& records, const std::string& name);
bool ContainsSampleName(const COutputSampleRecords& records, const std::string& name);

// Appends an unwritten record for the sample, or for the pair when right is given, under a unique name
// made from the left sample's name. Returns the new record's index. Stereo names need the converter's
// strings (NSConverter::SetUIStrings).
std::size_t AddSampleRecord(COutputSampleRecords& records, const NSAkaiParser::IAkaiSample& left,
                            const NSAkaiParser::IAkaiSample* right);
// The record for a sample that a zone names but the volume does not hold, named after the zone's sample
// with ".wav"; added once per name. Returns the index of the record that carries the name.
std::size_t AddMissingSampleRecord(COutputSampleRecords& records, const std::string& zoneSampleName);

} // namespace NSAkaiConversion
