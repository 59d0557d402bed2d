#include "framework/foundation/files/FileSpec.h"

#include "framework/foundation/core/Exceptions.h"
#include "framework/foundation/core/Media.h"
#include "framework/foundation/strings/StringUtilities.h"

#include <algorithm>
#include <cstdint>

namespace NSTramvell {
namespace {

constexpr std::uint32_t kPathTag = 0xF11E54ED;
constexpr std::uint32_t kOlderPathTag = 0xF11E54EC;
constexpr std::size_t kMaximumExtensionLength = 8;

std::string WithTrailingBackslash(std::string path)
{
    if (path.empty() || path.back() != '\\')
        path += '\\';
    return path;
}

// The backslash before the last component of a folder path (which ends with a backslash), or npos.
std::size_t BackslashBeforeLastComponent(const std::string& path)
{
    if (path.size() < 2)
        return std::string::npos;
    return path.rfind('\\', path.size() - 2);
}

std::uint32_t BytesLeft(const CMedia& media)
{
    const std::int32_t left = media.GetSize() - media.GetPosition();
    return left > 0 ? static_cast<std::uint32_t>(left) : 0;
}

// A big-endian word that must lie inside the media: a stored form cut short is a bad format.
std::uint32_t ReadWord(CMedia& media)
{
    if (BytesLeft(media) < 4)
        throw XBadFormat();
    return media.ReadBigEndian32();
}

std::string ReadCountedBytes(CMedia& media, std::uint32_t length)
{
    if (length > BytesLeft(media))
        throw XBadFormat();
    std::string bytes(length, '\0');
    if (length > 0)
        media.Read(static_cast<std::int32_t>(length), bytes.data());
    return bytes;
}

bool IsDriveLetter(char c)
{
    const char upper = c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
    return kDriveLetters.find(upper) != std::string_view::npos;
}

bool IsSeparator(char c)
{
    return c == '\\' || c == '/';
}

// Characters of the root that no component rule applies to: the drive ('C:\', 'C:'), the network server
// ('\\server\') or a lone leading separator.
std::size_t RootLength(const std::string& path)
{
    if (path.size() >= 2 && path[1] == ':')
        return path.size() >= 3 && IsSeparator(path[2]) ? 3 : 2;
    if (path.size() >= 2 && IsSeparator(path[0]) && IsSeparator(path[1])) {
        const std::size_t serverEnd = path.find_first_of("\\/", 2);
        return serverEnd == std::string::npos ? path.size() : serverEnd + 1;
    }
    if (!path.empty() && IsSeparator(path[0]))
        return 1;
    return 0;
}

// The extension runs from the last '.', whatever its length.
void SplitAtLastDot(const std::string& text, std::string& name, std::string& extension)
{
    const std::size_t dot = text.rfind('.');
    name = dot == std::string::npos ? text : text.substr(0, dot);
    extension = dot == std::string::npos ? std::string() : text.substr(dot);
}

} // namespace

// CDirSpec

CDirSpec::CDirSpec(const std::string& path)
    : mPath(WithTrailingBackslash(MakeLongPath(path)))
{
}

CDirSpec::CDirSpec(CMedia& media)
    : CDirSpec(ReadPath(media))
{
}

CDirSpec::CDirSpec(const std::string& longPath, CStoreAsGiven)
    : mPath(longPath)
{
}

CDirSpec::CDirSpec(const CDirSpec& other) = default;
CDirSpec& CDirSpec::operator=(const CDirSpec& other) = default;
CDirSpec::~CDirSpec() = default;

std::string CDirSpec::GetPath() const
{
    return mPath;
}

CDirectoryName CDirSpec::GetFolderName() const
{
    if (mPath.empty())
        throw XBase();
    const std::size_t end = mPath.size() - 1;
    const std::size_t before = BackslashBeforeLastComponent(mPath);
    const std::size_t start = before == std::string::npos ? 0 : before + 1;
    return CDirectoryName(mPath.substr(start, end - start));
}

CDirSpec CDirSpec::GetSubFolder(const std::string& name) const
{
    return CDirSpec(mPath + name + "\\", CStoreAsGiven{});
}

CDirSpec CDirSpec::GetParentFolder() const
{
    if (!HasParentFolder())
        throw XBase();
    return CDirSpec(mPath.substr(0, BackslashBeforeLastComponent(mPath) + 1), CStoreAsGiven{});
}

bool CDirSpec::HasParentFolder() const
{
    const std::size_t before = BackslashBeforeLastComponent(mPath);
    if (before == std::string::npos)
        return false;
    if (mPath.size() >= 2 && mPath[1] == ':')
        return before >= 1;
    if (mPath.size() >= 2 && mPath[1] == '\\')
        return before >= 2;
    return true;
}

bool CDirSpec::operator==(const CDirSpec& other) const
{
    return CompareNoCase(mPath, other.mPath) == 0;
}

void CDirSpec::Write(CMedia& media) const
{
    WritePath(media, mPath);
}

// CFileSpec

CFileSpec::CFileSpec(const std::string& fullPath)
{
    const std::string path = fullPath.find('~') != std::string::npos ? MakeLongPath(fullPath) : fullPath;
    const std::size_t lastBackslash = path.rfind('\\');
    if (lastBackslash == std::string::npos)
        throw XBase();
    mFolderPath = path.substr(0, lastBackslash + 1);
    SplitFileNameAndExtension(path.substr(lastBackslash + 1), mName, mExtension);
}

CFileSpec::CFileSpec(const std::string& folderPath, const std::string& name, const std::string& extension)
    : mFolderPath(WithTrailingBackslash(MakeLongPath(folderPath)))
    , mName(name)
    , mExtension(extension)
{
}

CFileSpec::CFileSpec(const std::string& longFolderPath, const std::string& name, const std::string& extension,
                     CStoreAsGiven)
    : mFolderPath(longFolderPath)
    , mName(name)
    , mExtension(extension)
{
}

CFileSpec::CFileSpec(CMedia& media)
    : CFileSpec(ReadPath(media))
{
}

CFileSpec::CFileSpec(const CFileSpec& other) = default;
CFileSpec& CFileSpec::operator=(const CFileSpec& other) = default;
CFileSpec::~CFileSpec() = default;

std::string CFileSpec::GetDirectoryPath() const
{
    return mFolderPath;
}

std::string CFileSpec::GetName() const
{
    return mName;
}

std::string CFileSpec::GetExtension() const
{
    return mExtension;
}

CFileName CFileSpec::GetFileName() const
{
    return CFileName(mName + mExtension);
}

std::string CFileSpec::GetFullPath() const
{
    return mFolderPath + mName + mExtension;
}

CDirSpec CFileSpec::GetDirSpec() const
{
    return CDirSpec(mFolderPath);
}

void CFileSpec::Write(CMedia& media) const
{
    WritePath(media, GetFullPath());
}

bool CFileSpec::operator==(const CFileSpec& other) const
{
    return CompareNoCase(GetFullPath(), other.GetFullPath()) == 0;
}

// Free operations

void SplitFileNameAndExtension(const std::string& text, std::string& name, std::string& extension)
{
    const std::size_t dot = text.rfind('.');
    if (dot != std::string::npos && text.size() - dot <= kMaximumExtensionLength) {
        name = text.substr(0, dot);
        extension = text.substr(dot);
    } else {
        name = text;
        extension.clear();
    }
}

std::string GetFileNameExtension(const std::string& text)
{
    std::string name;
    std::string extension;
    SplitFileNameAndExtension(text, name, extension);
    return extension;
}

std::string GetFileNameStem(const CFileName& fileName)
{
    std::string name;
    std::string extension;
    SplitFileNameAndExtension(fileName.GetString(), name, extension);
    return name;
}

CFileSpec MakeFileSpecInFolder(const CDirSpec& folder, const CFileName& fileName)
{
    std::string name;
    std::string extension;
    SplitAtLastDot(fileName.GetString(), name, extension);
    return CFileSpec(folder.GetPath(), name, extension);
}

CFileSpec MakeFileSpecInLongFolder(const CDirSpec& folder, const CFileName& fileName)
{
    std::string name;
    std::string extension;
    SplitAtLastDot(fileName.GetString(), name, extension);
    return CFileSpec(folder.GetPath(), name, extension, CFileSpec::CStoreAsGiven{});
}

std::string GetDriveOfPath(const std::string& text)
{
    if (!text.empty() && text[0] == '\\')
        return "\\";
    if (text.size() >= 2 && text[1] == ':')
        return text.substr(0, 2);
    return std::string();
}

bool HasReservedDeviceComponent(const std::string& path)
{
    std::size_t start = RootLength(path);
    while (start < path.size()) {
        std::size_t end = path.find_first_of("\\/", start);
        if (end == std::string::npos)
            end = path.size();
        if (end > start && IsReservedDeviceName(std::string_view(path).substr(start, end - start)))
            return true;
        start = end + 1;
    }
    return false;
}

bool IsValidFolderPath(const std::string& text)
{
    if (text.size() < 3)
        return false;
    std::size_t start = 0;
    if (text[0] == '\\' && text[1] == '\\') {
        const std::size_t serverEnd = text.find('\\', 2);
        if (serverEnd == std::string::npos || serverEnd == 2)
            return false;
        if (!IsValidVolumeName(text.substr(2, serverEnd - 2)))
            return false;
        start = serverEnd + 1;
        if (start == text.size())
            return true;
    } else {
        if (!IsDriveLetter(text[0]) || text[1] != ':' || text[2] != '\\')
            return false;
        start = 3;
    }
    for (std::size_t end = text.find('\\', start); end != std::string::npos; end = text.find('\\', start)) {
        if (!IsValidDirectoryName(text.substr(start, end - start)))
            return false;
        start = end + 1;
    }
    return start == text.size() || IsValidFileName(text.substr(start));
}

void WritePath(CMedia& media, const std::string& path)
{
    media.WriteBigEndian32(kPathTag);
    media.WriteBigEndian32(static_cast<std::uint32_t>(path.size()));
    if (!path.empty())
        media.Write(static_cast<std::int32_t>(path.size()), path.data());
}

std::string ReadPath(CMedia& media)
{
    const std::uint32_t tag = ReadWord(media);
    if (tag == kPathTag) {
        std::string path = ReadCountedBytes(media, ReadWord(media));
        const std::size_t terminator = path.find('\0');
        if (terminator != std::string::npos)
            path.erase(terminator);
        return path;
    }
    if (tag == kOlderPathTag) {
        std::string path;
        for (std::uint32_t left = BytesLeft(media); left > 0; --left) {
            const char c = static_cast<char>(media.ReadByte());
            if (c == '\0')
                return path;
            path += c;
        }
        throw XBadFormat();
    }
    throw XBadFormat();
}

void WriteString(CMedia& media, const std::string& text)
{
    WriteStdString(media, text);
}

std::string ReadString(CMedia& media)
{
    std::string text = ReadCountedBytes(media, ReadWord(media));
    if (text.find('\0') != std::string::npos)
        throw XBadFormat();
    return text;
}

std::uint64_t ReadUInt64(CMedia& media)
{
    const std::uint32_t low = ReadWord(media);
    const std::uint32_t high = ReadWord(media);
    if (high != 0)
        throw XBadFormat();
    return low;
}

} // namespace NSTramvell
