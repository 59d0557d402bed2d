#pragma once

// Listing a folder, the platform's well-known folders, and random names for temporary files.

#include "framework/foundation/files/FileSpec.h"
#include "framework/foundation/strings/RulingString.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace NSTramvell {

// Kinds of a listing's current entry.
inline constexpr std::uint32_t kFileEntryKind = 27;
inline constexpr std::uint32_t kFolderEntryKind = 28;

// The characters of generated temporary names.
inline constexpr std::string_view kTemporaryNameAlphabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";

// One listed file. Times are the platform's file times (100-nanosecond units since 1601); a file of 2^31
// bytes or more is recorded with size 0.
class CFileEntry
{
public:
    CFileEntry(const CFileName& name, bool hidden, bool readOnly, std::uint64_t creationTime,
               std::uint64_t lastWriteTime, std::uint32_t sizeInBytes);

    CFileName GetName() const { return mName; }
    bool IsHidden() const { return mHidden != 0; }
    bool IsReadOnly() const { return mReadOnly != 0; }
    std::uint64_t GetCreationTime() const { return mCreationTime; }
    std::uint64_t GetLastWriteTime() const { return mLastWriteTime; }
    std::uint32_t GetSize() const { return mSizeInBytes; }
    bool operator==(const CFileEntry& other) const;

private:
    CFileName mName;
    std::uint8_t mHidden;
    std::uint8_t mReadOnly;
    std::uint64_t mCreationTime;
    std::uint64_t mLastWriteTime;
    std::uint32_t mSizeInBytes;
};

// One listed sub-folder.
class CDirectoryEntry
{
public:
    CDirectoryEntry(const CDirectoryName& name, bool hidden, bool readOnly);

    CDirectoryName GetName() const { return mName; }
    bool IsHidden() const { return mHidden != 0; }
    bool IsReadOnly() const { return mReadOnly != 0; }
    bool operator==(const CDirectoryEntry& other) const;

private:
    CDirectoryName mName;
    std::uint8_t mHidden;
    std::uint8_t mReadOnly;
};

// Lists a folder one entry at a time, without "." and "..". A folder that cannot be searched lists
// nothing; a failure after the start throws XFile.
class CDirectoryIterator
{
public:
    explicit CDirectoryIterator(const CDirSpec& folder);
    CDirectoryIterator(const CDirectoryIterator&) = delete;
    CDirectoryIterator& operator=(const CDirectoryIterator&) = delete;
    ~CDirectoryIterator();

    bool IsDone() const;
    // kFolderEntryKind for a sub-folder, otherwise kFileEntryKind (also when done).
    std::uint32_t GetKind() const;
    // Copies of the current entry; asking for the kind that is not current throws XNotFound.
    CFileEntry GetFileEntry() const;
    CDirectoryEntry GetFolderEntry() const;
    void Next();

private:
    struct CSearchRecord;
    void TakeEntryOrMoveOn();

    std::optional<CFileEntry> mFileEntry;
    std::optional<CDirectoryEntry> mFolderEntry;
    void* mSearchHandle;  // owned platform search; the platform's invalid handle when none
    std::unique_ptr<CSearchRecord> mRecord;
    std::string mPattern;
};

// The temporary folder (with its backslash).
CDirSpec GetTempFolder();
// The folder that holds the platform's shell library; failure throws XBase.
CDirSpec GetSystemFolder();
CFileSpec GetSystemFileSpec(const CFileName& name);
// The running program's own file; failure throws XBase.
CFileSpec GetProgramFileSpec();
// The user's application-data folder with the maker's and then the product's sub-folder, each created
// when missing. Where the platform has no such folder, its own folder or the system folder stands in,
// without sub-folders. A path that is no valid folder path throws XNotFound; a file bearing one of the
// two names throws XFile; a shell without its allocator XOutOfMemory.
CDirSpec GetSpecialFolder(const std::string& first, const std::string& second);
// The user's documents folder, or the desktop folder where the shell has none.
CDirSpec GetDocumentsFolder();
// The desktop folder as the user's shell-folder settings name it; failure throws XBase.
CDirSpec GetDesktopFolder();

// "temp" and 20 random characters of kTemporaryNameAlphabet.
CFileName MakeRandomTempFileName();
// A random name that no file in the folder bears; after 1000 names that all exist, XFile.
CFileName MakeUniqueFileName(const CDirSpec& folder);
// A new name in the temporary folder.
CFileSpec MakeTemporaryFileSpec();

// The listing entry of one file; a file that is not found throws XFile.
CFileEntry GetFileEntryOf(const CFileSpec& file);

namespace NSFoldersInternal {
inline constexpr int kMaximumUniqueNameDraws = 1000;
} // namespace NSFoldersInternal

} // namespace NSTramvell
