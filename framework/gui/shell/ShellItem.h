#pragma once

// An object of the shell's name space (the desktop, a drive, a folder, a file, a shortcut) named by its
// absolute identifier list, with the attributes its parent folder reports for it; and an iterator over
// the objects of a container. Platform failures come out as the XShell classes (GuiExceptions.h).
// Needs COM set up on the calling thread, as the program entry does.

#include <cstdint>
#include <string>

struct IMalloc;
struct IShellFolder;
struct IEnumIDList;

namespace NSTramvell {

class CDirSpec;
class CFileSpec;
class CMedia;
class CVolumeSpec;

class CShellItem
{
public:
    static constexpr std::uint32_t kAttributeRequest = 0x60010022;
    static constexpr std::uint32_t kFolderBit = 0x20000000;
    static constexpr std::uint32_t kFileSystemBit = 0x40000000;
    static constexpr std::uint32_t kLinkBit = 0x00010000;
    // Every file-system object but a drive root has it.
    static constexpr std::uint32_t kNotRootBit = 0x00000020;

    // The desktop.
    CShellItem();
    // A copy of the list is kept.
    explicit CShellItem(const std::uint8_t* absoluteList);
    CShellItem(const CShellItem& parent, const std::uint8_t* relativeList);
    // A file-system object by its path (a drive root as "C:" or "C:\"); a path the shell cannot parse
    // throws XShellItemNotFound, one of no file-system object XShell.
    explicit CShellItem(const std::string& path);
    explicit CShellItem(const CFileSpec& file);
    explicit CShellItem(const CDirSpec& folder);
    explicit CShellItem(const CVolumeSpec& volume);
    // From the stored form.
    explicit CShellItem(CMedia& media);
    CShellItem(const CShellItem& other);
    CShellItem& operator=(const CShellItem& other);
    virtual ~CShellItem();

    void Write(CMedia& media) const;

    const std::uint8_t* GetItemList() const { return mList; }
    std::uint32_t GetAttributes() const { return mAttributes; }
    bool IsFolder() const;
    bool IsFileSystemLink() const;
    bool IsPlainFile() const;
    bool IsDriveRoot() const;

    std::string GetDisplayName() const;
    // XShellFileSystemObjectNotFound when the item has no file-system path.
    std::string GetPath() const;
    // Each throws XShell for an item of another kind.
    CFileSpec GetFileSpec() const;
    CDirSpec GetDirSpec() const;
    CVolumeSpec GetVolumeSpec() const;

    CShellItem GetParent() const;
    // The target of a shortcut; XShellUnableToResolveAlias when the shortcut file cannot be loaded, XShell
    // when it names no target.
    CShellItem Resolve() const;

    bool operator==(const CShellItem& other) const;
    bool operator!=(const CShellItem& other) const { return !(*this == other); }

private:
    void TakeShellObjects();
    // Finds the parent folder unless one is held and asks it for the attributes.
    void SetUpFromList();
    void ReleaseAll() noexcept;
    bool IsFileSystemFolder() const;

    IMalloc* mAllocator = nullptr;        // a reference held
    IShellFolder* mDesktop = nullptr;     // a reference held
    std::uint8_t* mList = nullptr;        // owned, freed through the allocator
    std::uint32_t mAttributes = 0;
    IShellFolder* mParent = nullptr;      // a reference held; the desktop for a top-level item
    std::string mName;
};

// The objects of a container, hidden ones included.
class CShellContainerIterator
{
public:
    explicit CShellContainerIterator(const CShellItem& container);
    CShellContainerIterator(const CShellContainerIterator&) = delete;
    CShellContainerIterator& operator=(const CShellContainerIterator&) = delete;
    virtual ~CShellContainerIterator();

    bool IsAtEnd() const { return mAtEnd; }
    // The current object; only while not at the end.
    CShellItem GetItem() const;
    void Advance();

private:
    IMalloc* mAllocator = nullptr;           // a reference held
    std::uint8_t* mContainerList = nullptr;  // owned
    std::uint8_t* mCurrent = nullptr;        // owned, relative to the container; null at the end
    IEnumIDList* mEnumerator = nullptr;      // a reference held
    bool mAtEnd = false;
};

} // namespace NSTramvell
