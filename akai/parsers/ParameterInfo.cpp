#include "akai/parsers/ParameterInfo.h"

#include "framework/foundation/core/Exceptions.h"
#include "framework/foundation/core/Media.h"
#include "framework/foundation/strings/StringManager.h"

namespace NSAkaiParser {

namespace {

constexpr std::uint16_t kFirstNameKey = 100;
constexpr std::uint16_t kSecondNameKey = 500;
constexpr std::uint16_t kThirdNameKey = 2200;

std::string NameAt(const std::vector<std::string>& names, std::uint8_t count, std::uint8_t value)
{
    return value < count && value < names.size() ? names[value] : std::string();
}

std::vector<std::string> NamesUpTo(const std::vector<std::string>& names, std::uint8_t count)
{
    std::vector<std::string> result;
    for (std::uint16_t value = 0; value < count; ++value)
        result.push_back(NameAt(names, count, static_cast<std::uint8_t>(value)));
    return result;
}

} // namespace

std::string LookUpKey(const CKeyedStrings& table, std::uint16_t key)
{
    for (const auto& entry : table) {
        if (entry.first == key)
            return entry.second;
    }
    return std::string();
}

CParameterInfo::CParameterInfo(std::uint8_t firstCount, std::uint32_t firstId, std::uint8_t secondCount,
                               std::uint32_t secondId)
    : mFirstCount(firstCount), mFirstId(firstId), mSecondCount(secondCount), mSecondId(secondId)
{
}

CParameterInfo::CParameterInfo(std::uint8_t firstCount, std::uint32_t firstId)
    : CParameterInfo(firstCount, firstId, 0, 0)
{
}

CParameterInfo::~CParameterInfo() = default;

std::string CParameterInfo::GetFirstValueName(std::uint8_t value) const
{
    return NameAt(mFirstNames, mFirstCount, value);
}

std::string CParameterInfo::GetSecondValueName(std::uint8_t value) const
{
    return NameAt(mSecondNames, mSecondCount, value);
}

std::vector<std::string> CParameterInfo::GetFirstValueNames() const
{
    return NamesUpTo(mFirstNames, mFirstCount);
}

std::vector<std::string> CParameterInfo::GetSecondValueNames() const
{
    return NamesUpTo(mSecondNames, mSecondCount);
}

std::string CParameterInfo::GetThirdValueName(std::int16_t index) const
{
    return mThirdNames.at(static_cast<std::size_t>(index));
}

void CParameterInfo::SetValueName(EValueList list, std::size_t index, const std::string& name)
{
    std::vector<std::string>& names = List(list);
    if (names.size() <= index)
        names.resize(index + 1);
    names[index] = name;
}

void CParameterInfo::SetValueNames(EValueList list, const std::vector<std::string>& names)
{
    for (std::size_t i = 0; i < names.size(); ++i)
        SetValueName(list, i, names[i]);
}

void CParameterInfo::FillNames(const CKeyedStrings& table)
{
    for (std::uint16_t i = 0; i < mFirstCount; ++i)
        SetValueName(EValueList::kFirst, i, LookUpKey(table, static_cast<std::uint16_t>(kFirstNameKey + i)));
    for (std::uint16_t i = 0; i < mSecondCount; ++i)
        SetValueName(EValueList::kSecond, i, LookUpKey(table, static_cast<std::uint16_t>(kSecondNameKey + i)));
    for (std::size_t i = 0; i < mThirdNames.size(); ++i)
        mThirdNames[i] = LookUpKey(table, static_cast<std::uint16_t>(kThirdNameKey + i));
}

CParameterInfo CParameterInfo::WithNamesFromResource(std::uint16_t resourceNumber) const
{
    NSTramvell::CStringManager* manager = NSTramvell::GetStringManager();
    NSTramvell::CStringScriptTable* stringTables =
        manager != nullptr ? manager->FindTable(NSTramvell::CRulingString<NSTramvell::CResourceTypeRule>(
                                 std::string(NSTramvell::kStringTableResourceType)))
                           : nullptr;
    if (stringTables == nullptr)
        throw NSTramvell::XBase();
    const std::unique_ptr<NSTramvell::CMedia> script = manager->ReadScript(*stringTables, resourceNumber);
    if (!script)
        throw NSTramvell::XBase();

    CKeyedStrings table;
    for (const NSTramvell::CStringScriptEntry& entry : NSTramvell::ParseScript(NSTramvell::MediaToString(*script)))
        table.emplace_back(entry.id, entry.text);
    CParameterInfo named(*this);
    named.FillNames(table);
    return named;
}

std::vector<std::string>& CParameterInfo::List(EValueList list)
{
    switch (list) {
    case EValueList::kFirst:
        return mFirstNames;
    case EValueList::kSecond:
        return mSecondNames;
    case EValueList::kThird:
        break;
    }
    return mThirdNames;
}

CByteParameterInfo::CByteParameterInfo(std::uint8_t byte0, std::uint8_t byte1, std::uint8_t byte2, std::uint8_t byte3,
                                       std::uint32_t long0, std::uint32_t long1, std::uint32_t long2,
                                       std::uint32_t long3, std::uint16_t id)
    : mByteValues{byte0, byte1, byte2, byte3}, mLongValues{long0, long1, long2, long3}, mId(id)
{
}

CByteParameterInfo::CByteParameterInfo(const CByteParameterInfo& other)
    : mByteValues(other.mByteValues), mLongValues(other.mLongValues), mId(other.mId)
{
}

CByteParameterInfo::~CByteParameterInfo() = default;

CLongParameterInfo::CLongParameterInfo(std::uint8_t byteValue, const std::array<std::uint32_t, 7>& longValues,
                                       std::uint16_t id)
    : mByteValue(byteValue), mLongValues(longValues), mId(id)
{
}

CLongParameterInfo::~CLongParameterInfo() = default;

} // namespace NSAkaiParser
