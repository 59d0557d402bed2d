#pragma once

// What the folder, save-file and open-file choosers remember between runs: the folder and file type last
// chosen and where the chooser stood, kept under a four-character key in the application's preference
// file. Each state owns copies of its folder and file type. The platform's choosers read and update them.

#include "framework/foundation/files/FileSpec.h"
#include "framework/foundation/files/FileTypeDescription.h"
#include "framework/foundation/strings/RulingString.h"

#include <cstdint>
#include <optional>

namespace NSTramvell {

class CMedia;

// Left, top, right, bottom; stored as four 16-bit words, so coordinates beyond them lose their high bits.
struct CDialogPosition
{
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;

    bool operator==(const CDialogPosition&) const = default;
};

class CFolderDialogState
{
public:
    explicit CFolderDialogState(const CFourCharCode& key);
    // Reads a stored record; another key throws XBadFormat, a short or damaged record the media's or the
    // path's exception. A platform other than "Win" leaves folder and position empty.
    CFolderDialogState(const CFourCharCode& key, CMedia& media);
    virtual ~CFolderDialogState();
    CFolderDialogState(const CFolderDialogState&) = default;
    // Copies folder and position; the key stays.
    CFolderDialogState& operator=(const CFolderDialogState& other);

    const CFourCharCode& GetKey() const { return mKey; }
    const std::optional<CDirSpec>& GetFolder() const { return mFolder; }
    void SetFolder(const std::optional<CDirSpec>& folder) { mFolder = folder; }
    const CDialogPosition& GetPosition() const { return mPosition; }
    void SetPosition(const CDialogPosition& position) { mPosition = position; }

    void Write(CMedia& media) const;

private:
    CFourCharCode mKey;
    std::optional<CDirSpec> mFolder;
    CDialogPosition mPosition;
};

class CSaveFileDialogState
{
public:
    explicit CSaveFileDialogState(const CFourCharCode& key);
    // As CFolderDialogState's; the file type is read before the platform and kept whatever it is.
    CSaveFileDialogState(const CFourCharCode& key, CMedia& media);
    virtual ~CSaveFileDialogState();
    CSaveFileDialogState(const CSaveFileDialogState&) = default;
    // Copies folder, file type and position; the key stays.
    CSaveFileDialogState& operator=(const CSaveFileDialogState& other);

    const CFourCharCode& GetKey() const { return mKey; }
    const std::optional<CDirSpec>& GetFolder() const { return mFolder; }
    void SetFolder(const std::optional<CDirSpec>& folder) { mFolder = folder; }
    const std::optional<CFileTypeDescription>& GetFileType() const { return mFileType; }
    void SetFileType(const std::optional<CFileTypeDescription>& fileType) { mFileType = fileType; }
    const CDialogPosition& GetPosition() const { return mPosition; }
    void SetPosition(const CDialogPosition& position) { mPosition = position; }

    void Write(CMedia& media) const;

private:
    CFourCharCode mKey;
    std::optional<CFileTypeDescription> mFileType;
    std::optional<CDirSpec> mFolder;
    CDialogPosition mPosition;
};

// The open-file chooser's state also remembers whether the user last chose the all-files entry; that
// choice and a file type exclude each other.
class COpenFileDialogState
{
public:
    explicit COpenFileDialogState(const CFourCharCode& key);
    // As CFolderDialogState's; after the folder come the file type and the all-types flag.
    COpenFileDialogState(const CFourCharCode& key, CMedia& media);
    virtual ~COpenFileDialogState();
    COpenFileDialogState(const COpenFileDialogState&) = default;
    // Copies folder, file type, flag and position; the key stays.
    COpenFileDialogState& operator=(const COpenFileDialogState& other);

    const CFourCharCode& GetKey() const { return mKey; }
    const std::optional<CDirSpec>& GetFolder() const { return mFolder; }
    void SetFolder(const std::optional<CDirSpec>& folder) { mFolder = folder; }
    const std::optional<CFileTypeDescription>& GetFileType() const { return mFileType; }
    // A file type clears the all-types flag.
    void SetFileType(const std::optional<CFileTypeDescription>& fileType);
    bool GetAllTypes() const { return mAllTypes; }
    // Setting the flag forgets the file type.
    void SetAllTypes(bool allTypes);
    const CDialogPosition& GetPosition() const { return mPosition; }
    void SetPosition(const CDialogPosition& position) { mPosition = position; }

    void Write(CMedia& media) const;

private:
    CFourCharCode mKey;
    std::optional<CDirSpec> mFolder;
    std::optional<CFileTypeDescription> mFileType;
    bool mAllTypes = false;
    CDialogPosition mPosition;
};

} // namespace NSTramvell
