#pragma once

// Media over the platform's files. COpenFile keeps its own position, so a read or write that starts where
// the last one ended costs one platform call; a failed seek, read or write leaves the position unknown,
// and the next access seeks. CTemporaryOpenFile is a new file in the temporary folder that disappears
// with the object.

#include "framework/foundation/core/Media.h"
#include "framework/foundation/strings/RulingString.h"

#include <cstdint>
#include <memory>

namespace NSTramvell {

class CFileSpec;
class CFileTypeDescription;

class COpenFile : public CMedia
{
public:
    // Opens the existing file for reading; others may read it meanwhile. Failures throw by
    // ThrowFileErrorFromCode (a missing file XFileNotFound, a file in use XFileLocked, ...).
    explicit COpenFile(const CFileSpec& file);
    // Creates the file for reading and writing, replacing one of that name, not shared. The creator and
    // type are for platforms that store them; this one does not.
    COpenFile(const CFileSpec& file, const CMacCreatorCode& creator, const CMacFileTypeCode& fileType);
    // As above with the description's type code.
    COpenFile(const CFileSpec& file, const CMacCreatorCode& creator, const CFileTypeDescription& fileType);
    COpenFile(const COpenFile&) = delete;
    COpenFile& operator=(const COpenFile&) = delete;
    ~COpenFile() override;

    // A file of 2^31 bytes or more throws XPosition, as does a failed query.
    std::int32_t GetSize() const override;
    std::int32_t GetPosition() const override;
    // A failed seek throws XPosition.
    void SetPosition(std::int32_t position) override;
    // A failed read throws XRead; a short one advances the position by the bytes read, then throws XRead.
    void ReadAt(std::int32_t position, std::int32_t length, void* destination) override;
    // A failed write throws by ThrowFileErrorFromCode (a full disk XDiskFull); a short one XDiskFull too,
    // since a write the system accepts in part has run out of room (some systems report a full disk so).
    void WriteAt(std::int32_t position, std::int32_t length, const void* source) override;

private:
    std::int32_t mPosition = 0;
    bool mPositionKnown = true;
    void* mHandle = nullptr;  // owned platform file handle
};

// A new file in the temporary folder (a random "temp..." name), created with the "Temporary File" type;
// the destructor closes and deletes it.
class CTemporaryOpenFile : public CMedia
{
public:
    CTemporaryOpenFile();
    CTemporaryOpenFile(const CTemporaryOpenFile&) = delete;
    CTemporaryOpenFile& operator=(const CTemporaryOpenFile&) = delete;
    ~CTemporaryOpenFile() override;

    std::int32_t GetSize() const override;
    std::int32_t GetPosition() const override;
    void SetPosition(std::int32_t position) override;
    void ReadAt(std::int32_t position, std::int32_t length, void* destination) override;
    void WriteAt(std::int32_t position, std::int32_t length, const void* source) override;

    const CFileSpec& GetFileSpec() const { return *mFileSpec; }

private:
    void CloseAndDelete() noexcept;

    std::unique_ptr<COpenFile> mFile;
    std::unique_ptr<CFileSpec> mFileSpec;
};

} // namespace NSTramvell
