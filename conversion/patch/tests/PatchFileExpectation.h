#pragma once

// What a written patch file must hold, as the independent checker check_patch.py reads it: the JSON
// beside each ".mqp" file. Every value comes from a test's inputs; the checker finds each field by its
// own table of offsets.

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace NSConverterImplementation {
class COutputFileMemoryMedia;
}

namespace NSPatchTests {

class CZoneExpectation
{
public:
    // Records the value under the checker's name of the field and hands it back, so that a test sets and
    // expects a value in one step: block.SetLowKey(zone.Put("lowKey", 10)).
    std::int32_t Put(const std::string& field, std::int32_t value);
    const std::vector<std::pair<std::string, std::int32_t>>& GetFields() const { return mFields; }

private:
    std::vector<std::pair<std::string, std::int32_t>> mFields;
};

struct CPatchExpectation
{
    std::string programName;
    std::vector<std::string> references;
    // number, kind, value, rate
    std::vector<std::vector<std::int32_t>> parameters;
    std::vector<CZoneExpectation> zones;
    std::vector<std::string> slots;

    std::string ToJson() const;
};

// Leaves the file, and the expectation when one is given, in the folder the checker looks at.
void SavePatchFile(const std::string& caseName, const NSConverterImplementation::COutputFileMemoryMedia& media,
                   const CPatchExpectation* expectation);

} // namespace NSPatchTests
