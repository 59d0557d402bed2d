#pragma once

// Every user-visible text lives in script resources of the program file: "SSTR" string tables, "SALR"
// alert scripts, "SMNU" menu scripts and "SHLP" help strings. Code names a text by one decimal reference
// number KRRRREEEE (kind, resource number, entry id). The string manager reads and parses each script
// resource once, on its first use, through the application's IStringResourceReader, and answers every
// later request from what it parsed.

#include "framework/foundation/strings/RulingString.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace NSTramvell {

class CMedia;

inline constexpr std::string_view kStringTableResourceType = "SSTR";
inline constexpr std::string_view kAlertScriptResourceType = "SALR";
inline constexpr std::string_view kMenuScriptResourceType = "SMNU";
inline constexpr std::string_view kHelpStringResourceType = "SHLP";

// One resource of the program file: its four-character type and its number.
class CResourceKey
{
public:
    CResourceKey(const CRulingString<CResourceTypeRule>& type, std::uint16_t number);

    const CRulingString<CResourceTypeRule>& GetType() const { return mType; }
    std::uint16_t GetNumber() const { return mNumber; }

private:
    CRulingString<CResourceTypeRule> mType;
    std::uint16_t mNumber;
};

// The application's source of script resources.
class IStringResourceReader
{
public:
    virtual ~IStringResourceReader();
    virtual bool HasStringResource(const CResourceKey& key) = 0;
    // A new media holding a copy of the resource's bytes at position 0. Throws XBase when the program
    // file has no such resource.
    virtual std::unique_ptr<CMedia> ReadStringResource(const CResourceKey& key) = 0;
};

struct CStringScriptEntry
{
    std::uint16_t id;
    std::string text;
};

class CStringScriptTable;

// What a table asks for the scripts of its type.
class IStringScriptReader
{
public:
    virtual ~IStringScriptReader();
    virtual bool HasScript(const CStringScriptTable& table, std::uint16_t resourceNumber) = 0;
    // A new media with the script's bytes; null when the reader has no scripts for this table.
    virtual std::unique_ptr<CMedia> ReadScript(const CStringScriptTable& table, std::uint16_t resourceNumber) = 0;
};

// The parsed resources of one resource type, in the order they were first asked for; kept for the run.
class CStringScriptTable
{
public:
    // owner is borrowed and outlives the table (it is the manager that holds the table).
    explicit CStringScriptTable(IStringScriptReader& owner);
    CStringScriptTable(const CStringScriptTable&) = delete;
    CStringScriptTable& operator=(const CStringScriptTable&) = delete;

    IStringScriptReader& GetOwner() const { return mOwner; }
    // The entry's text, reading and parsing the resource on its first use; null when the resource has no
    // entry with that id. A failed read passes its exception on and leaves the table unchanged.
    const std::string* FindEntry(std::uint16_t resourceNumber, std::uint16_t entryId);

private:
    struct CParsedResource
    {
        std::uint16_t number;
        std::vector<CStringScriptEntry> entries;
    };

    const CParsedResource& FindOrReadResource(std::uint16_t resourceNumber);

    IStringScriptReader& mOwner;
    std::vector<CParsedResource> mResources;
};

// Owns one table per script resource type and reads their scripts through the application's reader.
class CStringManager : public IStringScriptReader
{
public:
    // reader is borrowed: the application owns it and outlives the manager.
    explicit CStringManager(IStringResourceReader& reader);
    CStringManager(const CStringManager&) = delete;
    CStringManager& operator=(const CStringManager&) = delete;
    ~CStringManager() override;

    // The entry's text; empty when there is no such entry or the type is none of the four.
    std::string GetEntry(const CResourceKey& key, std::uint16_t entryId);
    // As GetEntry, but null for a missing entry or an unknown type, so an empty entry can be told apart.
    const std::string* FindEntry(const CResourceKey& key, std::uint16_t entryId);
    // The table of one of the four types; null for any other type.
    CStringScriptTable* FindTable(const CRulingString<CResourceTypeRule>& type);

    bool HasScript(const CStringScriptTable& table, std::uint16_t resourceNumber) override;
    std::unique_ptr<CMedia> ReadScript(const CStringScriptTable& table, std::uint16_t resourceNumber) override;

private:
    // The resource type of one of the four tables; null for a table this manager does not hold.
    const char* TypeOfTable(const CStringScriptTable& table) const;

    CStringScriptTable mStringTables;
    CStringScriptTable mAlertScripts;
    CStringScriptTable mMenuScripts;
    CStringScriptTable mHelpStrings;
    IStringResourceReader& mReader;
};

// The process-wide manager. A second CreateStringManager replaces the pointer without deleting the first.
void CreateStringManager(IStringResourceReader& reader);
void DestroyStringManager();
// Null before CreateStringManager and after DestroyStringManager.
CStringManager* GetStringManager();

// The texts of one reference number; "" when the resource has no entry with that id, so callers that
// must have a text test for emptiness. XBase when the resource itself is missing or there is no manager.
std::string GetString(std::int32_t referenceNumber);
std::string GetAlertScript(std::int32_t referenceNumber);
std::string GetMenuScript(std::int32_t referenceNumber);
std::string GetHelpString(std::int32_t referenceNumber);

// The numbered entries of a script in script order ("12 {text}", "//" and "/* */" comments; "\r" in a
// text stands for a carriage return, physical line breaks inside braces are dropped).
std::vector<CStringScriptEntry> ParseScript(const std::string& script);
// The bytes from the media's position to its end, up to the first zero byte.
std::string MediaToString(CMedia& media);
// The entries of every resource 0 to 15999 the table's reader has, in resource-number order; the table's
// cache is neither used nor changed.
std::vector<CStringScriptEntry> ReadAllEntries(const CStringScriptTable& table);
// KRRRREEEE: kind = n / 100000000, resource number = (n mod 100000000) / 10000, entry id = n mod 10000.
void SplitReferenceNumber(std::int32_t referenceNumber, std::uint8_t& kind, std::uint16_t& resourceNumber,
                          std::uint16_t& entryId);

} // namespace NSTramvell
