#include "framework/foundation/modules/SafeFileWriter.h"

#include "framework/foundation/core/Exceptions.h"
#include "framework/foundation/files/FileMedia.h"
#include "framework/foundation/files/FileOperations.h"
#include "framework/foundation/files/FileTypeDescription.h"
#include "framework/foundation/files/Folders.h"
#include "framework/foundation/platform/win32/PlatformTables.h"

namespace NSTramvell {
namespace {

bool IsReadOnlyFile(const CFileSpec& file)
{
    const DWORD attributes = GetKernelTable().GetFileAttributesA(file.GetFullPath().c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) != 0;
}

void DeleteFileIgnoringFailure(const CFileSpec& file) noexcept
{
    try {
        DeleteFile(file);
    } catch (...) {
        // Nothing can be done about it here: the file stays.
    }
}

} // namespace

CSafeFileWriter::CSafeFileWriter(const CFileSpec& target, const CMacCreatorCode& creator,
                                 const CMacFileTypeCode& fileType)
    : mTarget(target)
{
    if (!FileExists(target)) {
        mFile = std::make_unique<COpenFile>(target, creator, fileType);
        return;
    }
    if (IsReadOnlyFile(target))
        throw XFileLocked();
    const CDirSpec folder = target.GetDirSpec();
    const CFileSpec temporary = MakeFileSpecInFolder(folder, MakeUniqueFileName(folder));
    mFile = std::make_unique<COpenFile>(temporary, CMacCreatorCode("????"),
                                        GetTemporaryFileDescription().GetMacFileType());
    mTemporary = temporary;
}

CSafeFileWriter::CSafeFileWriter(const CFileSpec& target, const CMacCreatorCode& creator,
                                 const CFileTypeDescription& fileType)
    : CSafeFileWriter(target, creator, fileType.GetMacFileType())
{
}

CSafeFileWriter::~CSafeFileWriter()
{
    if (mFile == nullptr)
        return;
    mFile.reset();
    DeleteFileIgnoringFailure(mTemporary ? *mTemporary : mTarget);
}

CMedia& CSafeFileWriter::GetMedia()
{
    if (mFile == nullptr)
        throw XBase();
    return *mFile;
}

void CSafeFileWriter::Commit()
{
    if (mFile == nullptr)
        return;
    // From here on the destructor deletes nothing: whatever happens, the written content is kept or
    // removed below, never by the end of the writer.
    mFile.reset();
    if (!mTemporary)
        return;
    try {
        ExchangeFiles(mTarget, *mTemporary);
    } catch (...) {
        // The exchange puts back what it can; where it could not, the target's name is free and the old
        // content lies under the exchange's own temporary name. The new content then takes the target's
        // name once; failing that, it stays where it is.
        if (FileExists(mTarget))
            DeleteFileIgnoringFailure(*mTemporary);
        else
            GetKernelTable().MoveFileA(mTemporary->GetFullPath().c_str(), mTarget.GetFullPath().c_str());
        throw;
    }
    DeleteFile(*mTemporary);
}

} // namespace NSTramvell
