#include "framework/foundation/strings/StringManager.h"

#include "framework/foundation/core/Exceptions.h"
#include "framework/foundation/core/Media.h"
#include "framework/foundation/strings/StringUtilities.h"

#include <algorithm>
#include <iterator>

namespace NSTramvell {

namespace {

constexpr std::uint16_t kLastResourceNumber = 15999;
constexpr char kScriptLineBreaks[] = "\r\n\t";

CStringManager* gStringManager = nullptr;

// Where a pattern next occurs at or after a position that never moves back. A place found stays the
// answer until the position passes it, and a pattern missing from one position is missing from every
// later one, so the searches of one script read each byte of it a bounded number of times.
class CForwardSearch
{
public:
    CForwardSearch(const std::string& text, const char* pattern) : mText(text), mPattern(pattern) {}

    std::size_t From(std::size_t position)
    {
        if (!mHasSearched || (mFound != std::string::npos && mFound < position)) {
            mFound = mText.find(mPattern, position);
            mHasSearched = true;
        }
        return mFound;
    }

private:
    const std::string& mText;
    const char* mPattern;
    std::size_t mFound = std::string::npos;
    bool mHasSearched = false;
};

std::string CleanEntryText(std::string text)
{
    RemoveChars(text, kScriptLineBreaks);
    std::string result;
    result.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\\' && i + 1 < text.size() && text[i + 1] == 'r') {
            result += '\r';
            ++i;
        } else {
            result += text[i];
        }
    }
    return result;
}

std::string GetEntryOfType(std::string_view type, std::int32_t referenceNumber)
{
    if (gStringManager == nullptr)
        throw XBase();
    std::uint8_t kind = 0;
    std::uint16_t resourceNumber = 0;
    std::uint16_t entryId = 0;
    SplitReferenceNumber(referenceNumber, kind, resourceNumber, entryId);
    const CResourceKey key(CRulingString<CResourceTypeRule>(std::string(type)), resourceNumber);
    return gStringManager->GetEntry(key, entryId);
}

} // namespace

CResourceKey::CResourceKey(const CRulingString<CResourceTypeRule>& type, std::uint16_t number)
    : mType(type), mNumber(number)
{
}

IStringResourceReader::~IStringResourceReader() = default;

IStringScriptReader::~IStringScriptReader() = default;

CStringScriptTable::CStringScriptTable(IStringScriptReader& owner) : mOwner(owner) {}

const std::string* CStringScriptTable::FindEntry(std::uint16_t resourceNumber, std::uint16_t entryId)
{
    const CParsedResource& resource = FindOrReadResource(resourceNumber);
    const auto entry = std::find_if(resource.entries.begin(), resource.entries.end(),
                                    [entryId](const CStringScriptEntry& e) { return e.id == entryId; });
    return entry == resource.entries.end() ? nullptr : &entry->text;
}

const CStringScriptTable::CParsedResource& CStringScriptTable::FindOrReadResource(std::uint16_t resourceNumber)
{
    const auto found = std::find_if(mResources.begin(), mResources.end(),
                                    [resourceNumber](const CParsedResource& r) { return r.number == resourceNumber; });
    if (found != mResources.end())
        return *found;
    const std::unique_ptr<CMedia> media = mOwner.ReadScript(*this, resourceNumber);
    if (!media)
        throw XBase();
    std::vector<CStringScriptEntry> entries = ParseScript(MediaToString(*media));
    mResources.push_back(CParsedResource{resourceNumber, std::move(entries)});
    return mResources.back();
}

CStringManager::CStringManager(IStringResourceReader& reader)
    : mStringTables(*this), mAlertScripts(*this), mMenuScripts(*this), mHelpStrings(*this), mReader(reader)
{
}

CStringManager::~CStringManager() = default;

std::string CStringManager::GetEntry(const CResourceKey& key, std::uint16_t entryId)
{
    const std::string* text = FindEntry(key, entryId);
    return text == nullptr ? std::string() : *text;
}

const std::string* CStringManager::FindEntry(const CResourceKey& key, std::uint16_t entryId)
{
    CStringScriptTable* table = FindTable(key.GetType());
    return table == nullptr ? nullptr : table->FindEntry(key.GetNumber(), entryId);
}

CStringScriptTable* CStringManager::FindTable(const CRulingString<CResourceTypeRule>& type)
{
    if (type == std::string(kStringTableResourceType))
        return &mStringTables;
    if (type == std::string(kAlertScriptResourceType))
        return &mAlertScripts;
    if (type == std::string(kMenuScriptResourceType))
        return &mMenuScripts;
    if (type == std::string(kHelpStringResourceType))
        return &mHelpStrings;
    return nullptr;
}

const char* CStringManager::TypeOfTable(const CStringScriptTable& table) const
{
    if (&table == &mStringTables)
        return kStringTableResourceType.data();
    if (&table == &mAlertScripts)
        return kAlertScriptResourceType.data();
    if (&table == &mMenuScripts)
        return kMenuScriptResourceType.data();
    if (&table == &mHelpStrings)
        return kHelpStringResourceType.data();
    return nullptr;
}

bool CStringManager::HasScript(const CStringScriptTable& table, std::uint16_t resourceNumber)
{
    const char* type = TypeOfTable(table);
    return type != nullptr && mReader.HasStringResource(CResourceKey(type, resourceNumber));
}

std::unique_ptr<CMedia> CStringManager::ReadScript(const CStringScriptTable& table, std::uint16_t resourceNumber)
{
    const char* type = TypeOfTable(table);
    if (type == nullptr)
        return nullptr;
    return mReader.ReadStringResource(CResourceKey(type, resourceNumber));
}

void CreateStringManager(IStringResourceReader& reader)
{
    gStringManager = new CStringManager(reader);
}

void DestroyStringManager()
{
    delete gStringManager;
    gStringManager = nullptr;
}

CStringManager* GetStringManager()
{
    return gStringManager;
}

std::string GetString(std::int32_t referenceNumber)
{
    return GetEntryOfType(kStringTableResourceType, referenceNumber);
}

std::string GetAlertScript(std::int32_t referenceNumber)
{
    return GetEntryOfType(kAlertScriptResourceType, referenceNumber);
}

std::string GetMenuScript(std::int32_t referenceNumber)
{
    return GetEntryOfType(kMenuScriptResourceType, referenceNumber);
}

std::string GetHelpString(std::int32_t referenceNumber)
{
    return GetEntryOfType(kHelpStringResourceType, referenceNumber);
}

// The script is walked by position and never cut from its front, so a damaged or huge script costs
// time in proportion to its length.
std::vector<CStringScriptEntry> ParseScript(const std::string& script)
{
    std::vector<CStringScriptEntry> entries;
    CForwardSearch nextOpen(script, "{");
    CForwardSearch nextClose(script, "}");
    CForwardSearch nextCommentEnd(script, "*/");
    std::size_t position = script.find_first_not_of(kScriptLineBreaks);
    while (position < script.size()) {
        if (script.compare(position, 2, "//") == 0) {
            position = script.find_first_of("\r\n", position);
        } else if (script.compare(position, 2, "/*") == 0) {
            const std::size_t commentEnd = nextCommentEnd.From(position + 2);
            position = commentEnd == std::string::npos ? position + 1 : commentEnd + 2;
        } else if (script[position] >= '0' && script[position] <= '9') {
            const std::size_t digitsEnd = script.find_first_not_of("0123456789", position);
            std::int32_t id = 0;
            StringToInt(script.substr(position, digitsEnd - position), id);
            const std::size_t open = nextOpen.From(position);
            const std::size_t close = nextClose.From(position);
            // Without a closing brace nothing after the number can form an entry.
            if (close == std::string::npos)
                break;
            if (open != std::string::npos && open < close) {
                entries.push_back(CStringScriptEntry{static_cast<std::uint16_t>(id),
                                                     CleanEntryText(script.substr(open + 1, close - open - 1))});
            }
            position = close + 1;
        } else {
            ++position;
        }
        position = script.find_first_not_of(kScriptLineBreaks, position);
    }
    return entries;
}

std::string MediaToString(CMedia& media)
{
    // Only the bytes from the position to the end exist; the size counts from 0.
    const std::int32_t position = media.GetPosition();
    const std::int32_t size = media.GetSize();
    const std::int32_t remaining = position < size ? size - position : 0;
    std::string text(static_cast<std::size_t>(remaining), '\0');
    if (remaining > 0)
        media.Read(remaining, text.data());
    const std::size_t zero = text.find('\0');
    if (zero != std::string::npos)
        text.erase(zero);
    return text;
}

std::vector<CStringScriptEntry> ReadAllEntries(const CStringScriptTable& table)
{
    IStringScriptReader& reader = table.GetOwner();
    std::vector<CStringScriptEntry> all;
    for (std::uint32_t number = 0; number <= kLastResourceNumber; ++number) {
        const auto resourceNumber = static_cast<std::uint16_t>(number);
        if (!reader.HasScript(table, resourceNumber))
            continue;
        const std::unique_ptr<CMedia> media = reader.ReadScript(table, resourceNumber);
        if (!media)
            continue;
        std::vector<CStringScriptEntry> entries = ParseScript(MediaToString(*media));
        std::move(entries.begin(), entries.end(), std::back_inserter(all));
    }
    return all;
}

void SplitReferenceNumber(std::int32_t referenceNumber, std::uint8_t& kind, std::uint16_t& resourceNumber,
                          std::uint16_t& entryId)
{
    kind = static_cast<std::uint8_t>(referenceNumber / 100000000);
    resourceNumber = static_cast<std::uint16_t>((referenceNumber % 100000000) / 10000);
    entryId = static_cast<std::uint16_t>(referenceNumber % 10000);
}

} // namespace NSTramvell
