#include "framework/gui/dialogs/DialogStates.h"

#include "framework/foundation/core/Exceptions.h"
#include "framework/foundation/core/Media.h"

namespace NSTramvell {

namespace {

const char kPlatform[] = "Win";

void ReadKey(CMedia& media, const CFourCharCode& expected)
{
    if (media.ReadBigEndian32() != expected.GetFourCharCode())
        throw XBadFormat();
}

// A flag byte, then the stored object when the flag is 1.
template <typename T>
std::optional<T> ReadOptional(CMedia& media)
{
    if (media.ReadByte() != 1)
        return std::nullopt;
    return T(media);
}

template <typename T>
void WriteOptional(CMedia& media, const std::optional<T>& value)
{
    media.WriteByte(value ? 1 : 0);
    if (value)
        value->Write(media);
}

bool ReadPlatformIsOurs(CMedia& media)
{
    // The length is checked against what the media holds before anything is allocated.
    return ReadStdString(media) == kPlatform;
}

std::int32_t ReadSigned16(CMedia& media)
{
    return static_cast<std::int16_t>(media.ReadBigEndian16());
}

CDialogPosition ReadPosition(CMedia& media)
{
    CDialogPosition position;
    position.top = ReadSigned16(media);
    position.left = ReadSigned16(media);
    position.bottom = ReadSigned16(media);
    position.right = ReadSigned16(media);
    return position;
}

void WritePosition(CMedia& media, const CDialogPosition& position)
{
    for (const std::int32_t value : {position.top, position.left, position.bottom, position.right})
        media.WriteBigEndian16(static_cast<std::uint16_t>(value));
}

} // namespace

CFolderDialogState::CFolderDialogState(const CFourCharCode& key)
    : mKey(key)
{
}

CFolderDialogState::CFolderDialogState(const CFourCharCode& key, CMedia& media)
    : mKey(key)
{
    ReadKey(media, key);
    if (!ReadPlatformIsOurs(media))
        return;
    mFolder = ReadOptional<CDirSpec>(media);
    mPosition = ReadPosition(media);
}

CFolderDialogState::~CFolderDialogState() = default;

CFolderDialogState& CFolderDialogState::operator=(const CFolderDialogState& other)
{
    mFolder = other.mFolder;
    mPosition = other.mPosition;
    return *this;
}

void CFolderDialogState::Write(CMedia& media) const
{
    media.WriteBigEndian32(mKey.GetFourCharCode());
    WriteStdString(media, kPlatform);
    WriteOptional(media, mFolder);
    WritePosition(media, mPosition);
}

CSaveFileDialogState::CSaveFileDialogState(const CFourCharCode& key)
    : mKey(key)
{
}

CSaveFileDialogState::CSaveFileDialogState(const CFourCharCode& key, CMedia& media)
    : mKey(key)
{
    ReadKey(media, key);
    mFileType = ReadOptional<CFileTypeDescription>(media);
    if (!ReadPlatformIsOurs(media))
        return;
    mFolder = ReadOptional<CDirSpec>(media);
    mPosition = ReadPosition(media);
}

CSaveFileDialogState::~CSaveFileDialogState() = default;

CSaveFileDialogState& CSaveFileDialogState::operator=(const CSaveFileDialogState& other)
{
    mFileType = other.mFileType;
    mFolder = other.mFolder;
    mPosition = other.mPosition;
    return *this;
}

void CSaveFileDialogState::Write(CMedia& media) const
{
    media.WriteBigEndian32(mKey.GetFourCharCode());
    WriteOptional(media, mFileType);
    WriteStdString(media, kPlatform);
    WriteOptional(media, mFolder);
    WritePosition(media, mPosition);
}

COpenFileDialogState::COpenFileDialogState(const CFourCharCode& key)
    : mKey(key)
{
}

COpenFileDialogState::COpenFileDialogState(const CFourCharCode& key, CMedia& media)
    : mKey(key)
{
    ReadKey(media, key);
    if (!ReadPlatformIsOurs(media))
        return;
    mFolder = ReadOptional<CDirSpec>(media);
    mFileType = ReadOptional<CFileTypeDescription>(media);
    mAllTypes = media.ReadByte() != 0;
    mPosition = ReadPosition(media);
}

COpenFileDialogState::~COpenFileDialogState() = default;

COpenFileDialogState& COpenFileDialogState::operator=(const COpenFileDialogState& other)
{
    mFolder = other.mFolder;
    mFileType = other.mFileType;
    mAllTypes = other.mAllTypes;
    mPosition = other.mPosition;
    return *this;
}

void COpenFileDialogState::SetFileType(const std::optional<CFileTypeDescription>& fileType)
{
    mFileType = fileType;
    mAllTypes = false;
}

void COpenFileDialogState::SetAllTypes(bool allTypes)
{
    mAllTypes = allTypes;
    if (allTypes)
        mFileType.reset();
}

void COpenFileDialogState::Write(CMedia& media) const
{
    media.WriteBigEndian32(mKey.GetFourCharCode());
    WriteStdString(media, kPlatform);
    WriteOptional(media, mFolder);
    WriteOptional(media, mFileType);
    media.WriteByte(mAllTypes ? 1 : 0);
    WritePosition(media, mPosition);
}

} // namespace NSTramvell
