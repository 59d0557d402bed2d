#pragma once

// Saves a file so that a failed save never leaves a half-written file in the target's place. An existing
// target is written beside itself under a temporary name and exchanged for the new content only on Commit;
// a new target is written directly and removed again when the save is not committed.

#include "framework/foundation/files/FileSpec.h"
#include "framework/foundation/strings/RulingString.h"

#include <memory>
#include <optional>

namespace NSTramvell {

class CFileTypeDescription;
class CMedia;
class COpenFile;

class CSafeFileWriter
{
public:
    // A read-only target throws XFileLocked and nothing is created; other failures to create the file
    // pass on from the file media.
    CSafeFileWriter(const CFileSpec& target, const CMacCreatorCode& creator, const CMacFileTypeCode& fileType);
    // With the description's Mac type code.
    CSafeFileWriter(const CFileSpec& target, const CMacCreatorCode& creator, const CFileTypeDescription& fileType);
    CSafeFileWriter(const CSafeFileWriter&) = delete;
    CSafeFileWriter& operator=(const CSafeFileWriter&) = delete;
    // Without Commit: removes what was written. Never throws; a file that cannot be removed stays.
    ~CSafeFileWriter();

    // The file to write into, until Commit (afterwards XBase).
    CMedia& GetMedia();
    // Closes the file and, when it was written beside the target, exchanges it for the target and removes
    // the old content. When the exchange fails the exception passes on and no content is lost: with the
    // target still in place the new content is removed; with the target's name left empty the new content
    // takes it (or, failing that, stays under its temporary name).
    void Commit();

private:
    std::unique_ptr<COpenFile> mFile;  // owned; null once committed
    CFileSpec mTarget;
    std::optional<CFileSpec> mTemporary;  // the file written beside an existing target
};

} // namespace NSTramvell
