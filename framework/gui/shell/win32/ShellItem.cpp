#include "framework/gui/shell/ShellItem.h"

#include "framework/foundation/core/Exceptions.h"
#include "framework/foundation/files/FileSpec.h"
#include "framework/foundation/files/VolumeSpec.h"
#include "framework/foundation/platform/win32/PlatformTables.h"
#include "framework/gui/application/GuiExceptions.h"
#include "framework/gui/shell/ShellItemList.h"

#include <objbase.h>
#include <shlobj.h>

#include <cstring>
#include <vector>

namespace NSTramvell {
namespace {

constexpr std::uint32_t kUnspecifiedFailure = 0x80004005;
constexpr std::uint32_t kFileNotFound = 0x80070002;
constexpr std::uint32_t kClassNotRegistered = 0x80040154;
constexpr std::uint32_t kNoMoreItems = 0x80070103;
constexpr std::uint32_t kUnexpected = 0x8000FFFF;
constexpr DWORD kEnumerateEverything = SHCONTF_FOLDERS | SHCONTF_NONFOLDERS | SHCONTF_INCLUDEHIDDEN;   // 0xE0

bool IsResult(HRESULT result, std::uint32_t code)
{
    return static_cast<std::uint32_t>(result) == code;
}

// The shell's allocator lent to the list helpers.
class CShellAllocator : public IItemListAllocator
{
public:
    explicit CShellAllocator(IMalloc* allocator) : mAllocator(allocator) {}
    void* Allocate(std::size_t sizeInBytes) override { return mAllocator->Alloc(sizeInBytes); }
    void Free(void* block) override { mAllocator->Free(block); }

private:
    IMalloc* mAllocator;   // borrowed from the item or iterator
};

// One reference to a COM object for the holder's lifetime.
template <typename T>
class CComReference
{
public:
    CComReference() = default;
    ~CComReference()
    {
        if (mObject != nullptr)
            mObject->Release();
    }
    CComReference(const CComReference&) = delete;
    CComReference& operator=(const CComReference&) = delete;

    T* Get() const { return mObject; }
    T** Out() { return &mObject; }
    void** OutVoid() { return reinterpret_cast<void**>(&mObject); }
    T* operator->() const { return mObject; }
    [[nodiscard]] T* Release()
    {
        T* object = mObject;
        mObject = nullptr;
        return object;
    }

private:
    T* mObject = nullptr;
};

// The whole text: a path cut at some length would name another object.
std::wstring ToWide(const std::string& text)
{
    if (text.empty())
        return std::wstring();
    CKernelTable& kernel = GetKernelTable();
    const int length = kernel.MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    if (length <= 0)
        throw XShell();
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    kernel.MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), wide.data(), length);
    return wide;
}

std::string FromWide(const wchar_t* wide)
{
    CKernelTable& kernel = GetKernelTable();
    const int length = kernel.WideCharToMultiByte(CP_ACP, 0, wide, -1, nullptr, 0, nullptr, nullptr);
    if (length <= 0)
        throw XShell();
    std::string text(static_cast<std::size_t>(length), '\0');
    kernel.WideCharToMultiByte(CP_ACP, 0, wide, -1, text.data(), length, nullptr, nullptr);
    text.resize(static_cast<std::size_t>(length - 1));
    return text;
}

const ITEMIDLIST* AsItemList(const std::uint8_t* list)
{
    return reinterpret_cast<const ITEMIDLIST*>(list);
}

std::uint8_t* AsBytes(ITEMIDLIST* list)
{
    return reinterpret_cast<std::uint8_t*>(list);
}

// The folder object of a container: the desktop itself for the empty list.
void BindFolder(IShellFolder* desktop, const std::uint8_t* list, IShellFolder** folder)
{
    if (!HasListItems(list)) {
        desktop->AddRef();
        *folder = desktop;
        return;
    }
    const HRESULT result =
        desktop->BindToObject(AsItemList(list), nullptr, IID_IShellFolder, reinterpret_cast<void**>(folder));
    if (IsResult(result, kClassNotRegistered))
        throw XShellUnableToOpenContainer();
    ThrowOnShellError(result);
}

std::string ReadNameRecord(STRRET& record, const std::uint8_t* item, IMalloc* allocator)
{
    switch (record.uType) {
    case STRRET_WSTR: {
        const std::string text = record.pOleStr != nullptr ? FromWide(record.pOleStr) : std::string();
        allocator->Free(record.pOleStr);
        return text;
    }
    case STRRET_OFFSET:
        return std::string(reinterpret_cast<const char*>(item) + record.uOffset);
    case STRRET_CSTR:
        return std::string(record.cStr, strnlen(record.cStr, sizeof record.cStr));
    default:
        throw XShell();
    }
}

bool IsDrivePath(const std::string& path)
{
    return (path.size() == 2 || path.size() == 3) && path[1] == ':';
}

// The path of a list, or empty when it has none.
std::string PathOfList(const std::uint8_t* list)
{
    char path[MAX_PATH] = "";
    if (!GetKernelTable().SHGetPathFromIDListA(AsItemList(list), path))
        return std::string();
    return path;
}

std::string WithTrailingBackslash(std::string path)
{
    if (path.empty() || path.back() != '\\')
        path += '\\';
    return path;
}

} // namespace

CShellItem::CShellItem()
{
    TakeShellObjects();
    try {
        CShellAllocator allocator(mAllocator);
        static const std::uint8_t kEmptyList[2] = {0, 0};
        mList = CopyList(allocator, kEmptyList);
        SetUpFromList();
    } catch (...) {
        ReleaseAll();
        throw;
    }
}

CShellItem::CShellItem(const std::uint8_t* absoluteList)
{
    TakeShellObjects();
    try {
        CShellAllocator allocator(mAllocator);
        mList = CopyList(allocator, absoluteList);
        SetUpFromList();
    } catch (...) {
        ReleaseAll();
        throw;
    }
}

CShellItem::CShellItem(const CShellItem& parent, const std::uint8_t* relativeList)
{
    TakeShellObjects();
    try {
        CShellAllocator allocator(mAllocator);
        mList = ConcatenateLists(allocator, parent.mList, relativeList);
        SetUpFromList();
    } catch (...) {
        ReleaseAll();
        throw;
    }
}

CShellItem::CShellItem(const std::string& path)
{
    TakeShellObjects();
    try {
        std::wstring wide = ToWide(path);
        ITEMIDLIST* list = nullptr;
        const HRESULT result = mDesktop->ParseDisplayName(nullptr, nullptr, wide.data(), nullptr, &list, nullptr);
        if (IsResult(result, kUnspecifiedFailure) || IsResult(result, kFileNotFound))
            throw XShellItemNotFound();
        ThrowOnShellError(result);
        mList = AsBytes(list);
        SetUpFromList();
        if ((mAttributes & kFileSystemBit) == 0)
            throw XShell();
    } catch (...) {
        ReleaseAll();
        throw;
    }
}

CShellItem::CShellItem(const CFileSpec& file)
    : CShellItem(file.GetFullPath())
{
}

CShellItem::CShellItem(const CDirSpec& folder)
    : CShellItem(folder.GetPath())
{
}

CShellItem::CShellItem(const CVolumeSpec& volume)
    : CShellItem(volume.GetName())
{
}

CShellItem::CShellItem(CMedia& media)
{
    TakeShellObjects();
    try {
        CShellAllocator allocator(mAllocator);
        mList = ReadStoredItemList(media, allocator);
        SetUpFromList();
    } catch (...) {
        ReleaseAll();
        throw;
    }
}

CShellItem::CShellItem(const CShellItem& other)
    : mAllocator(other.mAllocator)
    , mDesktop(other.mDesktop)
    , mAttributes(other.mAttributes)
    , mParent(other.mParent)
    , mName(other.mName)
{
    mAllocator->AddRef();
    mDesktop->AddRef();
    mParent->AddRef();
    try {
        CShellAllocator allocator(mAllocator);
        mList = CopyList(allocator, other.mList);
    } catch (...) {
        ReleaseAll();
        throw;
    }
}

CShellItem& CShellItem::operator=(const CShellItem& other)
{
    if (this != &other) {
        CShellItem copy(other);
        std::swap(mAllocator, copy.mAllocator);
        std::swap(mDesktop, copy.mDesktop);
        std::swap(mList, copy.mList);
        std::swap(mAttributes, copy.mAttributes);
        std::swap(mParent, copy.mParent);
        std::swap(mName, copy.mName);
    }
    return *this;
}

CShellItem::~CShellItem()
{
    ReleaseAll();
}

void CShellItem::ReleaseAll() noexcept
{
    if (mParent != nullptr)
        mParent->Release();
    mParent = nullptr;
    if (mList != nullptr)
        mAllocator->Free(mList);
    mList = nullptr;
    if (mDesktop != nullptr)
        mDesktop->Release();
    mDesktop = nullptr;
    if (mAllocator != nullptr)
        mAllocator->Release();
    mAllocator = nullptr;
}

void CShellItem::TakeShellObjects()
{
    ThrowOnShellError(GetKernelTable().SHGetMalloc(&mAllocator));
    const HRESULT result = GetKernelTable().SHGetDesktopFolder(&mDesktop);
    if (result < 0) {
        mAllocator->Release();
        mAllocator = nullptr;
        ThrowOnShellError(result);
    }
}

void CShellItem::SetUpFromList()
{
    if (mParent == nullptr) {
        if (CountListItems(mList) <= 1) {
            mDesktop->AddRef();
            mParent = mDesktop;
        } else {
            CShellAllocator allocator(mAllocator);
            CItemListHolder parentList(allocator, CopyParentList(allocator, mList));
            ThrowOnShellError(mDesktop->BindToObject(AsItemList(parentList.Get()), nullptr, IID_IShellFolder,
                                                     reinterpret_cast<void**>(&mParent)));
        }
    }
    SFGAOF attributes = kAttributeRequest;
    if (HasListItems(mList)) {
        const ITEMIDLIST* last = AsItemList(GetLastListItem(mList));
        ThrowOnShellError(mParent->GetAttributesOf(1, &last, &attributes));
    } else {
        // The desktop asked about itself: no item named.
        if (mDesktop->GetAttributesOf(0, nullptr, &attributes) < 0)
            attributes = kFolderBit;
    }
    mAttributes = attributes;
}

void CShellItem::Write(CMedia& media) const
{
    WriteStoredItemList(media, mList);
}

bool CShellItem::IsFolder() const
{
    return (mAttributes & kFolderBit) != 0;
}

bool CShellItem::IsFileSystemLink() const
{
    return (mAttributes & kLinkBit) != 0 && (mAttributes & kFileSystemBit) != 0;
}

bool CShellItem::IsPlainFile() const
{
    return (mAttributes & kFileSystemBit) != 0 && !IsFolder() && (mAttributes & kLinkBit) == 0;
}

bool CShellItem::IsDriveRoot() const
{
    const bool rootAttributes = IsFolder() && (mAttributes & kFileSystemBit) != 0 &&
                                (mAttributes & kNotRootBit) == 0 && (mAttributes & kLinkBit) == 0;
    return rootAttributes && IsDrivePath(PathOfList(mList));
}

bool CShellItem::IsFileSystemFolder() const
{
    return IsFolder() && (mAttributes & kFileSystemBit) != 0 && !IsDriveRoot();
}

std::string CShellItem::GetDisplayName() const
{
    const std::uint8_t* last = GetLastListItem(mList);
    STRRET record{};
    ThrowOnShellError(mParent->GetDisplayNameOf(AsItemList(last), SHGDN_NORMAL, &record));
    return ReadNameRecord(record, last, mAllocator);
}

std::string CShellItem::GetPath() const
{
    const std::string path = PathOfList(mList);
    if (path.empty())
        throw XShellFileSystemObjectNotFound();
    return path;
}

CFileSpec CShellItem::GetFileSpec() const
{
    if ((mAttributes & kFileSystemBit) == 0 || IsFolder())
        throw XShell();
    return CFileSpec(GetPath());
}

CDirSpec CShellItem::GetDirSpec() const
{
    if ((mAttributes & kFileSystemBit) == 0 || !IsFolder())
        throw XShell();
    return CDirSpec(WithTrailingBackslash(GetPath()));
}

CVolumeSpec CShellItem::GetVolumeSpec() const
{
    if (!IsDriveRoot())
        throw XShell();
    return CVolumeSpec(WithTrailingBackslash(GetPath()));
}

CShellItem CShellItem::GetParent() const
{
    CShellAllocator allocator(mAllocator);
    CItemListHolder parentList(allocator, CopyParentList(allocator, mList));
    return CShellItem(parentList.Get());
}

CShellItem CShellItem::Resolve() const
{
    CComReference<IShellLinkA> link;
    ThrowOnShellError(GetKernelTable().CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER,
                                                        IID_IShellLinkA, link.OutVoid()));
    CComReference<IPersistFile> file;
    ThrowOnShellError(link->QueryInterface(IID_IPersistFile, file.OutVoid()));
    const std::wstring path = ToWide(GetPath());
    const HRESULT loaded = file->Load(path.c_str(), STGM_READ);
    if (IsResult(loaded, kUnspecifiedFailure))
        throw XShellUnableToResolveAlias();
    ThrowOnShellError(loaded);
    ITEMIDLIST* target = nullptr;
    ThrowOnShellError(link->GetIDList(&target));
    if (target == nullptr)
        throw XShell();
    CShellAllocator allocator(mAllocator);
    CItemListHolder targetList(allocator, AsBytes(target));
    return CShellItem(targetList.Get());
}

bool CShellItem::operator==(const CShellItem& other) const
{
    const std::size_t size = GetListSize(mList);
    if (size == GetListSize(other.mList) && std::memcmp(mList, other.mList, size) == 0)
        return true;
    // Two lists may name one object (a folder reached through the desktop and through "My Computer").
    if (IsFileSystemFolder() && other.IsFileSystemFolder())
        return GetDisplayName() == other.GetDisplayName() && GetDirSpec() == other.GetDirSpec();
    if (IsPlainFile() && other.IsPlainFile())
        return GetDisplayName() == other.GetDisplayName() && GetFileSpec() == other.GetFileSpec();
    return false;
}

CShellContainerIterator::CShellContainerIterator(const CShellItem& container)
{
    ThrowOnShellError(GetKernelTable().SHGetMalloc(&mAllocator));
    try {
        CShellAllocator allocator(mAllocator);
        mContainerList = CopyList(allocator, container.GetItemList());
        CComReference<IShellFolder> desktop;
        ThrowOnShellError(GetKernelTable().SHGetDesktopFolder(desktop.Out()));
        CComReference<IShellFolder> folder;
        BindFolder(desktop.Get(), mContainerList, folder.Out());
        const HRESULT result = folder->EnumObjects(nullptr, kEnumerateEverything, &mEnumerator);
        const std::uint32_t code = static_cast<std::uint32_t>(result);
        if (code == 0x8007051F || code == 0x8007010B || code == 0x800704C7)
            throw XShellUnableToOpenContainer();
        ThrowOnShellError(result);
        // An answer without an enumerator has nothing to list.
        if (mEnumerator == nullptr)
            mAtEnd = true;
        else
            Advance();
    } catch (...) {
        if (mEnumerator != nullptr)
            mEnumerator->Release();
        if (mContainerList != nullptr)
            mAllocator->Free(mContainerList);
        mAllocator->Release();
        throw;
    }
}

CShellContainerIterator::~CShellContainerIterator()
{
    if (mCurrent != nullptr)
        mAllocator->Free(mCurrent);
    if (mEnumerator != nullptr)
        mEnumerator->Release();
    mAllocator->Free(mContainerList);
    mAllocator->Release();
}

CShellItem CShellContainerIterator::GetItem() const
{
    if (mCurrent == nullptr)
        throw XShell();
    CShellAllocator allocator(mAllocator);
    CItemListHolder absolute(allocator, ConcatenateLists(allocator, mContainerList, mCurrent));
    return CShellItem(absolute.Get());
}

void CShellContainerIterator::Advance()
{
    if (mAtEnd)
        return;
    ITEMIDLIST* next = nullptr;
    ULONG fetched = 0;
    const HRESULT result = mEnumerator->Next(1, &next, &fetched);
    const bool atEnd = result == S_FALSE || IsResult(result, kNoMoreItems) || IsResult(result, kUnspecifiedFailure) ||
                       IsResult(result, kUnexpected);
    if (!atEnd)
        ThrowOnShellError(result);
    if (mCurrent != nullptr)
        mAllocator->Free(mCurrent);
    mCurrent = atEnd ? nullptr : AsBytes(next);
    mAtEnd = atEnd;
}

} // namespace NSTramvell
