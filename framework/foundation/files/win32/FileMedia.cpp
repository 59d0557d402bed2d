#include "framework/foundation/files/FileMedia.h"

#include "framework/foundation/core/Exceptions.h"
#include "framework/foundation/files/FileOperations.h"
#include "framework/foundation/files/FileSpec.h"
#include "framework/foundation/files/FileTypeDescription.h"
#include "framework/foundation/files/Folders.h"
#include "framework/foundation/files/win32/FileSystemCalls.h"
#include "framework/foundation/platform/win32/PlatformCallsWin32.h"

#include <limits>

namespace NSTramvell {
namespace {

HANDLE OpenOrThrow(const CFileSpec& file, DWORD access, DWORD sharing, DWORD disposition)
{
    const std::string path = file.GetFullPath();
    const HANDLE handle =
        OpenFileObject(path.c_str(), access, sharing, disposition, FILE_ATTRIBUTE_NORMAL | FILE_FLAG_RANDOM_ACCESS);
    if (handle == INVALID_HANDLE_VALUE)
        ThrowFileErrorFromCode(GetLastPlatformError());
    return handle;
}

HANDLE OpenForReading(const CFileSpec& file)
{
    if (HasReservedDeviceComponent(file.GetFullPath()))
        throw XFileNotFound();
    return OpenOrThrow(file, GENERIC_READ, FILE_SHARE_READ, OPEN_EXISTING);
}

HANDLE CreateForWriting(const CFileSpec& file)
{
    if (HasReservedDeviceComponent(file.GetFullPath()))
        throw XCreateFailed();
    return OpenOrThrow(file, GENERIC_READ | GENERIC_WRITE, 0, CREATE_ALWAYS);
}

} // namespace

// COpenFile

COpenFile::COpenFile(const CFileSpec& file)
    : mHandle(OpenForReading(file))
{
}

COpenFile::COpenFile(const CFileSpec& file, const CMacCreatorCode&, const CMacFileTypeCode&)
    : mHandle(CreateForWriting(file))
{
}

COpenFile::COpenFile(const CFileSpec& file, const CMacCreatorCode& creator, const CFileTypeDescription& fileType)
    : COpenFile(file, creator, fileType.GetMacFileType())
{
}

COpenFile::~COpenFile()
{
    if (mHandle != nullptr)
        DisposeSystemHandle(mHandle);
}

std::int32_t COpenFile::GetSize() const
{
    DWORD high = 0;
    const DWORD low = GetFileSizeOf(mHandle, &high);
    if (low == INVALID_FILE_SIZE && GetLastPlatformError() != NO_ERROR)
        throw XPosition();
    if (high != 0 || low > static_cast<DWORD>(std::numeric_limits<std::int32_t>::max()))
        throw XPosition();
    return static_cast<std::int32_t>(low);
}

std::int32_t COpenFile::GetPosition() const
{
    return mPosition;
}

void COpenFile::SetPosition(std::int32_t position)
{
    if (mPositionKnown && position == mPosition)
        return;
    mPositionKnown = false;
    if (position < 0)
        throw XPosition();
    const DWORD result = MoveFilePointer(mHandle, position, nullptr, FILE_BEGIN);
    if (result != static_cast<DWORD>(position))
        throw XPosition();
    mPosition = position;
    mPositionKnown = true;
}

void COpenFile::ReadAt(std::int32_t position, std::int32_t length, void* destination)
{
    if (length < 0)
        throw XRead();
    SetPosition(position);
    DWORD readInBytes = 0;
    if (!ReadFileData(mHandle, destination, static_cast<DWORD>(length), &readInBytes, nullptr)) {
        mPositionKnown = false;
        throw XRead();
    }
    mPosition += static_cast<std::int32_t>(readInBytes);
    if (readInBytes < static_cast<DWORD>(length))
        throw XRead();
}

void COpenFile::WriteAt(std::int32_t position, std::int32_t length, const void* source)
{
    if (length < 0)
        throw XWrite();
    SetPosition(position);
    DWORD writtenInBytes = 0;
    if (!WriteFileData(mHandle, source, static_cast<DWORD>(length), &writtenInBytes, nullptr)) {
        mPositionKnown = false;
        ThrowFileErrorFromCode(GetLastPlatformError());
    }
    mPosition += static_cast<std::int32_t>(writtenInBytes);
    if (writtenInBytes < static_cast<DWORD>(length))
        throw XDiskFull();
}

// CTemporaryOpenFile

CTemporaryOpenFile::CTemporaryOpenFile()
{
    try {
        mFileSpec = std::make_unique<CFileSpec>(MakeTemporaryFileSpec());
        mFile = std::make_unique<COpenFile>(*mFileSpec, CMacCreatorCode("????"), GetTemporaryFileDescription());
    } catch (...) {
        CloseAndDelete();
        throw;
    }
}

CTemporaryOpenFile::~CTemporaryOpenFile()
{
    CloseAndDelete();
}

void CTemporaryOpenFile::CloseAndDelete() noexcept
{
    mFile.reset();
    if (mFileSpec != nullptr) {
        try {
            if (FileExists(*mFileSpec))
                DeleteFile(*mFileSpec);
        } catch (...) {
            // A temporary file that cannot be deleted stays behind in the temporary folder; the object's
            // end must not fail for it.
        }
    }
    mFileSpec.reset();
}

std::int32_t CTemporaryOpenFile::GetSize() const
{
    return mFile->GetSize();
}

std::int32_t CTemporaryOpenFile::GetPosition() const
{
    return mFile->GetPosition();
}

void CTemporaryOpenFile::SetPosition(std::int32_t position)
{
    mFile->SetPosition(position);
}

void CTemporaryOpenFile::ReadAt(std::int32_t position, std::int32_t length, void* destination)
{
    mFile->ReadAt(position, length, destination);
}

void CTemporaryOpenFile::WriteAt(std::int32_t position, std::int32_t length, const void* source)
{
    mFile->WriteAt(position, length, source);
}

} // namespace NSTramvell
