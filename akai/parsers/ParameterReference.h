#pragma once

// Value records that name a parameter by identifier and carry two codes: a plain reference, one with a
// range and one with a value. Defaults stand for "no parameter".

#include <cstdint>
#include <limits>

namespace NSAkaiParser {

constexpr std::uint32_t kDefaultReferenceId = 52;
constexpr std::uint16_t kDefaultFirstCode = 668;
constexpr std::uint16_t kDefaultSecondCode = 669;

class CParameterReference
{
public:
    CParameterReference() = default;
    CParameterReference(std::uint32_t id, std::uint16_t firstCode, std::uint16_t secondCode = kDefaultSecondCode)
        : mId(id), mFirstCode(firstCode), mSecondCode(secondCode)
    {
    }

    std::uint32_t GetId() const { return mId; }
    std::uint16_t GetFirstCode() const { return mFirstCode; }
    std::uint16_t GetSecondCode() const { return mSecondCode; }

    bool operator==(const CParameterReference&) const = default;

private:
    std::uint32_t mId = kDefaultReferenceId;
    std::uint16_t mFirstCode = kDefaultFirstCode;
    std::uint16_t mSecondCode = kDefaultSecondCode;
};

class CParameterRangeReference
{
public:
    CParameterRangeReference() = default;
    CParameterRangeReference(std::uint32_t id, std::int32_t minimum, std::int32_t maximum, std::uint16_t firstCode,
                             std::uint16_t secondCode = kDefaultSecondCode)
        : mId(id), mMinimum(minimum), mMaximum(maximum), mFirstCode(firstCode), mSecondCode(secondCode)
    {
    }

    std::uint32_t GetId() const { return mId; }
    std::int32_t GetMinimum() const { return mMinimum; }
    std::int32_t GetMaximum() const { return mMaximum; }
    std::uint16_t GetFirstCode() const { return mFirstCode; }
    std::uint16_t GetSecondCode() const { return mSecondCode; }

    bool operator==(const CParameterRangeReference&) const = default;

private:
    std::uint32_t mId = kDefaultReferenceId;
    std::int32_t mMinimum = -100;
    std::int32_t mMaximum = -1;
    std::uint16_t mFirstCode = kDefaultFirstCode;
    std::uint16_t mSecondCode = kDefaultSecondCode;
};

class CParameterValueReference
{
public:
    CParameterValueReference() = default;
    CParameterValueReference(std::uint32_t id, std::int32_t value, std::uint16_t firstCode,
                             std::uint16_t secondCode = kDefaultSecondCode)
        : mId(id), mValue(value), mFirstCode(firstCode), mSecondCode(secondCode)
    {
    }

    std::uint32_t GetId() const { return mId; }
    std::int32_t GetValue() const { return mValue; }
    std::uint16_t GetFirstCode() const { return mFirstCode; }
    std::uint16_t GetSecondCode() const { return mSecondCode; }

    bool operator==(const CParameterValueReference&) const = default;

private:
    std::uint32_t mId = kDefaultReferenceId;
    // Only the top bit set: no value.
    std::int32_t mValue = std::numeric_limits<std::int32_t>::min();
    std::uint16_t mFirstCode = kDefaultFirstCode;
    std::uint16_t mSecondCode = kDefaultSecondCode;
};

} // namespace NSAkaiParser
