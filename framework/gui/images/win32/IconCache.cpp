#include "framework/gui/images/IconCache.h"

#include "framework/foundation/core/Exceptions.h"
#include "framework/foundation/core/OutOfMemory.h"
#include "framework/foundation/files/FileSpec.h"
#include "framework/foundation/files/Folders.h"
#include "framework/foundation/modules/CodeModule.h"
#include "framework/foundation/platform/win32/PlatformTables.h"
#include "framework/gui/application/Application.h"
#include "framework/gui/drawing/Canvas.h"
#include "framework/gui/drawing/CanvasDrawingState.h"
#include "framework/gui/images/ShellIconSize.h"
#include "framework/gui/shell/ShellItem.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace NSTramvell {
namespace {

constexpr std::uint32_t kSourceShellItem = 1;
constexpr std::uint32_t kSourceResource = 2;
constexpr std::uint32_t kSourceStockKind = 3;
constexpr std::uint32_t kSourcePath = 4;
constexpr std::uint32_t kNoStockKind = 18;
constexpr std::uint32_t kNoResourceId = 0xFFFFFFFFu;
constexpr UINT kImageListFlags = 9;       // 8-bit colour with a mask
constexpr UINT kHighlightStyle = 5;       // transparent, blended as selected
constexpr UINT kIconDrawStyle = 3;        // image and mask

struct CIconSizes
{
    std::int32_t smallWidth;
    std::int32_t smallHeight;
    std::int32_t shellSide;
};

std::optional<CIconSizes> gIconSizes;

// The user's "Shell Icon Size", or nothing.
std::optional<std::int32_t> ReadShellIconSize()
{
    CKernelTable& kernel = GetKernelTable();
    HKEY key = nullptr;
    if (kernel.RegOpenKeyExA(HKEY_CURRENT_USER, "Control Panel\\Desktop\\WindowMetrics", 0, KEY_READ, &key) !=
        ERROR_SUCCESS)
        return std::nullopt;
    std::uint8_t data[100];
    DWORD type = 0;
    DWORD size = sizeof data;
    const LSTATUS status = kernel.RegQueryValueExA(key, "Shell Icon Size", nullptr, &type, data, &size);
    kernel.RegCloseKey(key);
    if (status != ERROR_SUCCESS)
        return std::nullopt;
    return ParseShellIconSize(type, data, std::min<DWORD>(size, sizeof data));
}

const CIconSizes& GetIconSizes()
{
    if (!gIconSizes) {
        CWindowTable& window = GetWindowTable();
        gIconSizes = CIconSizes{window.GetSystemMetrics(SM_CXSMICON), window.GetSystemMetrics(SM_CYSMICON),
                                ReadShellIconSize().value_or(window.GetSystemMetrics(SM_CXICON))};
    }
    return *gIconSizes;
}

// What the shell reports for a path: where its icon lies and two words, together the key of a path's record.
struct CShellIconKey
{
    std::string location;
    std::uint32_t index = 0;
    std::uint32_t attributes = 0;

    bool operator==(const CShellIconKey&) const = default;
};

struct CIconRecord
{
    std::uint32_t source;
    std::uint32_t resourceId;
    std::uint32_t stockKind;
    std::int32_t referenceCount;
    CIconSet set;
    CShellIconKey shellKey;
};

class CIconCache
{
public:
    virtual ~CIconCache() = default;
    std::vector<std::unique_ptr<CIconRecord>> mRecords;   // in the order they were made
};

CIconCache* gIconCache = nullptr;   // owned; deleted when its last record goes

// A module loaded for its icons and released again.
class CIconModule
{
public:
    explicit CIconModule(const char* name) : mHandle(GetKernelTable().LoadLibraryA(name))
    {
        if (mHandle == nullptr)
            throw XBase();
    }
    ~CIconModule() { GetKernelTable().FreeLibrary(mHandle); }
    CIconModule(const CIconModule&) = delete;
    CIconModule& operator=(const CIconModule&) = delete;
    HMODULE Get() const { return mHandle; }

private:
    HMODULE mHandle;
};

HICON LoadIcon(HINSTANCE module, std::uint32_t id, std::int32_t width, std::int32_t height)
{
    HANDLE loaded = GetWindowTable().LoadImageA(module, MAKEINTRESOURCEA(id), IMAGE_ICON, width, height,
                                                module == nullptr ? LR_SHARED : 0);
    if (loaded == nullptr)
        throw XBase();
    if (module != nullptr)
        return static_cast<HICON>(loaded);
    // A shared system icon belongs to the system: keep a copy of our own.
    HICON copy = GetWindowTable().CopyIcon(static_cast<HICON>(loaded));
    if (copy == nullptr)
        throw XBase();
    return copy;
}

// Entries base + 1 and base + 3 from entries base and base + 2, drawn highlighted through an icon list.
void AddHighlights(CIconSet& set, int base, std::int32_t width, std::int32_t height)
{
    CWindowTable& window = GetWindowTable();
    HIMAGELIST list = window.ImageList_Create(width, height, kImageListFlags, 2, 0);
    if (list == nullptr)
        throw XBase();
    try {
        for (int i = 0; i < 2; ++i) {
            if (window.ImageList_ReplaceIcon(list, -1, set.Get(base + 2 * i)) != i)
                throw XBase();
        }
        for (int i = 0; i < 2; ++i) {
            HICON highlighted = window.ImageList_GetIcon(list, i, kHighlightStyle);
            if (highlighted == nullptr)
                throw XBase();
            set.Set(base + 2 * i + 1, highlighted);
        }
    } catch (...) {
        window.ImageList_Destroy(list);
        throw;
    }
    window.ImageList_Destroy(list);
}

CIconSet BuildSet(HINSTANCE module, std::uint32_t closedId, std::uint32_t openId)
{
    const CIconSizes& sizes = GetIconSizes();
    CIconSet set;
    set.Set(0, LoadIcon(module, closedId, sizes.smallWidth, sizes.smallHeight));
    set.Set(2, LoadIcon(module, openId, sizes.smallWidth, sizes.smallHeight));
    set.Set(4, LoadIcon(module, closedId, sizes.shellSide, sizes.shellSide));
    set.Set(6, LoadIcon(module, openId, sizes.shellSide, sizes.shellSide));
    AddHighlights(set, 0, sizes.smallWidth, sizes.smallHeight);
    AddHighlights(set, 4, sizes.shellSide, sizes.shellSide);
    return set;
}

constexpr UINT kAskIconLocation = 0x1800;
// The shell's request flags of entries 0 to 7: icon, small or shell size, open, selected.
constexpr UINT kShellEntryFlags[CIconSet::kEntryCount] = {0x101, 0x10101, 0x103, 0x10103,
                                                          0x104, 0x10104, 0x106, 0x10106};
// Added to every request that names the object by its identifier list instead of a path.
constexpr UINT kItemListFlag = 0x8;

// What the shell is asked about: a path, or an identifier list with the list flag.
struct CShellObject
{
    LPCSTR name;
    UINT extraFlags;
};

CShellIconKey AskShellIconKey(const CShellObject& object)
{
    SHFILEINFOA info{};
    if (GetKernelTable().SHGetFileInfoA(object.name, 0, &info, sizeof info, kAskIconLocation | object.extraFlags) == 0)
        throw XBase();
    return {info.szDisplayName, static_cast<std::uint32_t>(info.iIcon), static_cast<std::uint32_t>(info.dwAttributes)};
}

CIconSet BuildShellSet(const CShellObject& object)
{
    CIconSet set;
    for (int entry = 0; entry < CIconSet::kEntryCount; ++entry) {
        SHFILEINFOA info{};
        if (GetKernelTable().SHGetFileInfoA(object.name, 0, &info, sizeof info,
                                            kShellEntryFlags[entry] | object.extraFlags) == 0 ||
            info.hIcon == nullptr)
            throw XBase();
        set.Set(entry, info.hIcon);
    }
    return set;
}

CIconSet BuildShellSet(const std::string& path)
{
    return BuildShellSet(CShellObject{path.c_str(), 0});
}

CIconSet BuildStockSet(std::uint32_t kind)
{
    // Shell32's resource ids of kinds 0 to 11 (closed, open).
    static const std::uint32_t kShellIcons[12][2] = {{1, 1},   {3, 3},   {9, 9},   {10, 10},   {12, 12},   {7, 7},
                                                     {32, 32}, {33, 33}, {35, 35}, {151, 151}, {154, 154}, {4, 5}};
    static const std::uint32_t kSystemIcons[3] = {32516, 32515, 32513};   // information, warning, error
    if (kind < 12) {
        const CIconModule shell("shell32.dll");
        return BuildSet(shell.Get(), kShellIcons[kind][0], kShellIcons[kind][1]);
    }
    if (kind == 12 || kind == 13)
        return BuildShellSet(GetSystemFolder().GetPath());
    if (kind == 14) {
        // The program's per-user data folder, which only the application can name.
        const CApplication* application = CApplication::GetApplication();
        if (application == nullptr)
            throw XBase();
        return BuildShellSet(application->GetUserDataFolder().GetPath());
    }
    if (kind >= 15 && kind <= 17)
        return BuildSet(nullptr, kSystemIcons[kind - 15], kSystemIcons[kind - 15]);
    // Kinds above 17 have no icon at all.
    throw XBase();
}

template <typename TMatches, typename TBuild>
CIconSet* FindOrCreate(TMatches matches, TBuild build, std::uint32_t source, std::uint32_t resourceId,
                       std::uint32_t stockKind, const CShellIconKey& shellKey = {})
{
    if (gIconCache == nullptr)
        gIconCache = new CIconCache;
    for (const std::unique_ptr<CIconRecord>& record : gIconCache->mRecords) {
        if (record->source == source && matches(*record)) {
            ++record->referenceCount;
            return &record->set;
        }
    }
    try {
        auto record = std::make_unique<CIconRecord>(CIconRecord{source, resourceId, stockKind, 1, build(), shellKey});
        gIconCache->mRecords.push_back(std::move(record));
    } catch (...) {
        if (gIconCache->mRecords.empty()) {
            delete gIconCache;
            gIconCache = nullptr;
        }
        throw;
    }
    return &gIconCache->mRecords.back()->set;
}

void AddReference(CIconSet* set)
{
    for (const std::unique_ptr<CIconRecord>& record : gIconCache->mRecords)
        if (&record->set == set)
            ++record->referenceCount;
}

void Release(CIconSet* set) noexcept
{
    if (set == nullptr || gIconCache == nullptr)
        return;
    auto& records = gIconCache->mRecords;
    for (auto it = records.begin(); it != records.end(); ++it) {
        if (&(*it)->set != set)
            continue;
        if (--(*it)->referenceCount == 0)
            records.erase(it);
        break;
    }
    if (records.empty()) {
        delete gIconCache;
        gIconCache = nullptr;
    }
}

} // namespace

CIconSet::~CIconSet()
{
    for (int i = 0; i < kEntryCount; ++i)
        Set(i, nullptr);
}

CIconSet::CIconSet(const CIconSet& other)
{
    for (int i = 0; i < kEntryCount; ++i) {
        if (other.mHandles[i] == nullptr)
            continue;
        mHandles[i] = GetWindowTable().CopyIcon(other.mHandles[i]);
        if (mHandles[i] == nullptr) {
            // A constructor that throws runs no destructor: give back the copies made so far here.
            for (int j = 0; j < i; ++j)
                Set(j, nullptr);
            throw XBase();
        }
    }
}

CIconSet& CIconSet::operator=(const CIconSet& other)
{
    if (this == &other)
        return *this;
    CIconSet copy(other);
    for (int i = 0; i < kEntryCount; ++i)
        std::swap(mHandles[i], copy.mHandles[i]);
    return *this;
}

void CIconSet::Set(int entry, HICON handle)
{
    if (mHandles[entry] != nullptr)
        GetWindowTable().DestroyIcon(mHandles[entry]);
    mHandles[entry] = handle;
}

CIconRef::CIconRef(std::uint32_t stockKind)
    : mSet(FindOrCreate([stockKind](const CIconRecord& record) { return record.stockKind == stockKind; },
                        [stockKind] { return BuildStockSet(stockKind); }, kSourceStockKind, kNoResourceId,
                        stockKind))
{
}

CIconRef::CIconRef(CIconResourceId resource)
    : mSet(FindOrCreate([resource](const CIconRecord& record) { return record.resourceId == resource.id; },
                        [resource] {
                            CABCCodeModule* module = CABCCodeModule::GetCurrent();
                            if (module == nullptr)
                                throw XBase();
                            return BuildSet(module->GetInstanceHandle(), resource.id, resource.id);
                        },
                        kSourceResource, resource.id, kNoStockKind))
{
}

namespace {

CIconSet* FindOrCreateForShellObject(const CShellObject& object, std::uint32_t source)
{
    const CShellIconKey key = AskShellIconKey(object);
    return FindOrCreate([&key](const CIconRecord& record) { return record.shellKey == key; },
                        [&object] { return BuildShellSet(object); }, source, kNoResourceId, kNoStockKind, key);
}

CIconSet* FindOrCreateForPath(const std::string& path)
{
    return FindOrCreateForShellObject(CShellObject{path.c_str(), 0}, kSourcePath);
}

} // namespace

CIconRef::CIconRef(const CFileSpec& file) : mSet(FindOrCreateForPath(file.GetFullPath())) {}

CIconRef::CIconRef(const CDirSpec& folder) : mSet(FindOrCreateForPath(folder.GetPath())) {}

CIconRef::CIconRef(const CShellItem& item)
    : mSet(FindOrCreateForShellObject(
          CShellObject{reinterpret_cast<LPCSTR>(item.GetItemList()), kItemListFlag}, kSourceShellItem))
{
}

CIconRef::CIconRef(const CIconRef& other) : mSet(other.mSet)
{
    AddReference(mSet);
}

CIconRef& CIconRef::operator=(const CIconRef& other)
{
    if (this != &other) {
        AddReference(other.mSet);
        Release(mSet);
        mSet = other.mSet;
    }
    return *this;
}

CIconRef::~CIconRef()
{
    Release(mSet);
}

void CIconRef::Draw(CABCCanvas& canvas, const CRect& rect, std::uint32_t, bool highlighted, bool open) const
{
    CCanvasDrawingState* state = canvas.GetContext();
    if (state == nullptr)
        throw XOutOfMemory();
    const CIconSizes& sizes = GetIconSizes();
    const bool small = rect.GetWidth() <= sizes.smallWidth && rect.GetHeight() <= sizes.smallHeight;
    const int entry = (small ? 0 : 4) + (highlighted ? 1 : 0) + (open ? 2 : 0);
    GetWindowTable().DrawIconEx(state->GetHandle(), rect.GetLeft(), rect.GetTop(), mSet->Get(entry),
                                rect.GetWidth(), rect.GetHeight(), 0, nullptr, kIconDrawStyle);
}

CRect GetSmallIconRect()
{
    const CIconSizes& sizes = GetIconSizes();
    return CRect(0, 0, sizes.smallWidth, sizes.smallHeight);
}

CRect GetShellIconRect()
{
    const CIconSizes& sizes = GetIconSizes();
    return CRect(0, 0, sizes.shellSide, sizes.shellSide);
}

namespace NSIconCacheInternal {

std::int32_t GetCachedRecordCount()
{
    return gIconCache == nullptr ? -1 : static_cast<std::int32_t>(gIconCache->mRecords.size());
}

void ForgetIconSizes()
{
    gIconSizes.reset();
}

} // namespace NSIconCacheInternal

} // namespace NSTramvell
