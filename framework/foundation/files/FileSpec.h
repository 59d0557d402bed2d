#pragma once

// Folder and file names as values, the path operations around them, and the stored forms of a path and
// of a string. Paths are Windows paths: backslash separators, a drive root ('C:\') or a network root
// ('\\server\'). Building a CDirSpec or CFileSpec may ask the platform for the long form of its
// folder; everything else here is text work.

#include "framework/foundation/strings/RulingString.h"

#include <cstdint>
#include <string>

namespace NSTramvell {

class CMedia;

// The longest path the platform fills into a buffer (without the terminating 0).
inline constexpr std::size_t kMaximumPathLength = 260;

// A folder. The path is in long form and always ends with exactly one backslash.
class CDirSpec
{
public:
    // Stores MakeLongPath of the text, with a backslash appended when it lacks one; a path the platform
    // cannot make absolute throws XBase.
    explicit CDirSpec(const std::string& path);
    // Reads a stored path (ReadPath), then as above.
    explicit CDirSpec(CMedia& media);
    CDirSpec(const CDirSpec& other);
    CDirSpec& operator=(const CDirSpec& other);
    virtual ~CDirSpec();

    std::string GetPath() const;
    // The last folder name; for a drive root the drive ('C:').
    CDirectoryName GetFolderName() const;
    // path + name + "\"; nothing is created and the file system is not asked.
    CDirSpec GetSubFolder(const std::string& name) const;
    // The folder that holds this one; a root (HasParentFolder false) throws XBase.
    CDirSpec GetParentFolder() const;
    // False for a drive root ('C:\') and a network server ('\\server\').
    bool HasParentFolder() const;
    // Paths equal ignoring ASCII case.
    bool operator==(const CDirSpec& other) const;
    void Write(CMedia& media) const;

private:
    struct CStoreAsGiven
    {
    };
    CDirSpec(const std::string& longPath, CStoreAsGiven);

    std::string mPath;
};

// A file: folder path (ending with a backslash), the name without extension, and the extension with its
// dot (or empty). Names are stored as given; the file operations refuse reserved device names.
class CFileSpec
{
public:
    // Splits at the last backslash (none throws XBase) and the extension by SplitFileNameAndExtension; a
    // text with '~' is first turned into its long form.
    explicit CFileSpec(const std::string& fullPath);
    // The folder path through MakeLongPath (a backslash appended when it lacks one); name and extension
    // as given.
    CFileSpec(const std::string& folderPath, const std::string& name, const std::string& extension);
    // Reads a stored path (ReadPath), then as from a full path.
    explicit CFileSpec(CMedia& media);
    CFileSpec(const CFileSpec& other);
    CFileSpec& operator=(const CFileSpec& other);
    virtual ~CFileSpec();

    std::string GetDirectoryPath() const;
    std::string GetName() const;
    std::string GetExtension() const;
    // Name and extension under the file-name rule.
    CFileName GetFileName() const;
    std::string GetFullPath() const;
    CDirSpec GetDirSpec() const;
    void Write(CMedia& media) const;
    // Full paths equal ignoring ASCII case.
    bool operator==(const CFileSpec& other) const;

private:
    friend CFileSpec MakeFileSpecInLongFolder(const CDirSpec& folder, const CFileName& fileName);
    struct CStoreAsGiven
    {
    };
    CFileSpec(const std::string& longFolderPath, const std::string& name, const std::string& extension, CStoreAsGiven);

    std::string mFolderPath;
    std::string mName;
    std::string mExtension;
};

// The extension is the part from the last '.' when it has at most 8 characters with its dot; otherwise the
// whole text is the name and the extension is empty ('notes.markdown1').
void SplitFileNameAndExtension(const std::string& text, std::string& name, std::string& extension);
std::string GetFileNameExtension(const std::string& text);
std::string GetFileNameStem(const CFileName& fileName);

// A file in the folder; the extension runs from the last '.' of the name, whatever its length.
CFileSpec MakeFileSpecInFolder(const CDirSpec& folder, const CFileName& fileName);
// As MakeFileSpecInFolder, with the folder's path taken as it stands instead of asked of the file system
// again: for a folder known to be spelled as the file system spells it (made by a CDirSpec constructor,
// or by CreateFolder, whose folder rule keeps the name on disc as asked). Storing many files in one folder
// then costs no walk over every parent folder per file.
CFileSpec MakeFileSpecInLongFolder(const CDirSpec& folder, const CFileName& fileName);

// The absolute form of a path (at most 260 characters), from the platform; failure throws XBase.
std::string MakeFullPath(const std::string& text);
// The absolute path with every component as the file system spells it (short names made long); a
// trailing backslash is kept. Failure of the absolute form throws XBase.
std::string MakeLongPath(const std::string& text);

// "\" for a text beginning with a backslash; otherwise 'C:' for a drive path, or empty.
std::string GetDriveOfPath(const std::string& text);

// True when a component after the path's root is a reserved device name ('C:\x\con.wav', 'C:\Nul\'):
// the platform would open the device instead of a file, so no such path is handed to it.
bool HasReservedDeviceComponent(const std::string& path);

// Drive form 'X:\' then valid folder names each followed by a backslash, then an optional valid file
// name; or the network form '\\server\' followed by the same.
bool IsValidFolderPath(const std::string& text);

// Stored path: tag 0xF11E54ED, big-endian length, the bytes. ReadPath also takes the older tag 0xF11E54EC
// followed by the bytes up to a 0; a length or a terminator beyond the media's end throws XBadFormat.
void WritePath(CMedia& media, const std::string& path);
std::string ReadPath(CMedia& media);

// Stored string: big-endian length, the bytes. ReadString refuses a length beyond the media's end and a
// 0 byte in the text (XBadFormat).
void WriteString(CMedia& media, const std::string& text);
std::string ReadString(CMedia& media);

// Two big-endian words, low word first; a high word other than 0 throws XBadFormat.
std::uint64_t ReadUInt64(CMedia& media);

} // namespace NSTramvell
