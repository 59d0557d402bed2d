#pragma once

// Descriptors of sampler parameters: their identifiers, the range of their stored form, and the display
// names of their values.

#include <array>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace NSAkaiParser {

// A (key, text) table such as a string-table resource holds.
using CKeyedStrings = std::vector<std::pair<std::uint16_t, std::string>>;

// The text of the first pair with the key; empty when no pair has it.
std::string LookUpKey(const CKeyedStrings& table, std::uint16_t key);

// A parameter with up to three lists of value names. The first two lists are bounded by their value
// counts; the third is indexed by the caller, who keeps to its length.
class CParameterInfo
{
public:
    enum class EValueList
    {
        kFirst,
        kSecond,
        kThird,
    };

    CParameterInfo(std::uint8_t firstCount, std::uint32_t firstId, std::uint8_t secondCount, std::uint32_t secondId);
    CParameterInfo(std::uint8_t firstCount, std::uint32_t firstId);
    CParameterInfo(const CParameterInfo&) = default;
    CParameterInfo& operator=(const CParameterInfo&) = default;
    virtual ~CParameterInfo();

    std::uint8_t GetFirstCount() const { return mFirstCount; }
    std::uint32_t GetFirstId() const { return mFirstId; }
    std::uint8_t GetSecondCount() const { return mSecondCount; }
    std::uint32_t GetSecondId() const { return mSecondId; }

    // The name of a value; empty at or past the count, or past the names the list holds.
    std::string GetFirstValueName(std::uint8_t value) const;
    std::string GetSecondValueName(std::uint8_t value) const;
    // The names of the values 0 to count - 1, each by the rule above.
    std::vector<std::string> GetFirstValueNames() const;
    std::vector<std::string> GetSecondValueNames() const;
    std::string GetThirdValueName(std::int16_t index) const;
    std::size_t GetThirdValueCount() const { return mThirdNames.size(); }

    // Grows the list with empty names as far as needed.
    void SetValueName(EValueList list, std::size_t index, const std::string& name);
    void SetValueNames(EValueList list, const std::vector<std::string>& names);

    // First names from keys 100 + i, second from 500 + i, and each third name the list holds from
    // 2200 + i; a key the table lacks gives an empty name.
    void FillNames(const CKeyedStrings& table);
    // A copy whose names come from string-table resource resourceNumber of the program, through the
    // string manager. Throws NSTramvell::XBase without a string manager or that resource.
    CParameterInfo WithNamesFromResource(std::uint16_t resourceNumber) const;

private:
    std::vector<std::string>& List(EValueList list);

    std::uint8_t mFirstCount;
    std::uint32_t mFirstId;
    std::uint8_t mSecondCount;
    std::uint32_t mSecondId;
    std::vector<std::string> mFirstNames;
    std::vector<std::string> mSecondNames;
    std::vector<std::string> mThirdNames;
};

// A parameter stored in bytes: four byte values, four 32-bit values and its identifier.
class CByteParameterInfo
{
public:
    CByteParameterInfo(std::uint8_t byte0, std::uint8_t byte1, std::uint8_t byte2, std::uint8_t byte3,
                       std::uint32_t long0, std::uint32_t long1, std::uint32_t long2, std::uint32_t long3,
                       std::uint16_t id);
    CByteParameterInfo(const CByteParameterInfo& other);
    CByteParameterInfo& operator=(const CByteParameterInfo&) = default;
    virtual ~CByteParameterInfo();

    std::uint8_t GetByteValue(std::size_t index) const { return mByteValues.at(index); }
    std::uint32_t GetLongValue(std::size_t index) const { return mLongValues.at(index); }
    std::uint16_t GetId() const { return mId; }

private:
    std::array<std::uint8_t, 4> mByteValues;
    std::array<std::uint32_t, 4> mLongValues;
    std::uint16_t mId;
};

// A parameter stored in 32-bit values: one byte value, seven 32-bit values and its identifier.
class CLongParameterInfo
{
public:
    CLongParameterInfo(std::uint8_t byteValue, const std::array<std::uint32_t, 7>& longValues, std::uint16_t id);
    CLongParameterInfo(const CLongParameterInfo&) = default;
    CLongParameterInfo& operator=(const CLongParameterInfo&) = default;
    virtual ~CLongParameterInfo();

    std::uint8_t GetByteValue() const { return mByteValue; }
    std::uint32_t GetLongValue(std::size_t index) const { return mLongValues.at(index); }
    std::uint16_t GetId() const { return mId; }

private:
    std::uint8_t mByteValue;
    std::array<std::uint32_t, 7> mLongValues;
    std::uint16_t mId;
};

} // namespace NSAkaiParser
