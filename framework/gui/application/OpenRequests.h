#pragma once

// Requests to open a file, a folder or nothing, queued as they arrive (command line, dropped files) and
// carried out later, at idle, when the application is ready for them.

#include "framework/foundation/files/FileSpec.h"

#include <cstdint>
#include <deque>
#include <memory>

namespace NSTramvell {

inline constexpr std::uint32_t kOpenNothingRequest = 23;
inline constexpr std::uint32_t kOpenFileRequest = 24;
inline constexpr std::uint32_t kOpenFolderRequest = 25;

// Who carries the requests out (the application).
class IOpenRequestHandler
{
public:
    virtual void OpenFolder(const CDirSpec& folder) = 0;
    virtual void OpenFile(const CFileSpec& file) = 0;
    virtual void OpenWithoutDocument() = 0;

protected:
    ~IOpenRequestHandler() = default;
};

// At most one of the two is set.
struct COpenRequest
{
    std::unique_ptr<CFileSpec> mFile;
    std::unique_ptr<CDirSpec> mFolder;

    std::uint32_t GetKind() const;
};

class COpenRequestQueue
{
public:
    void QueueFile(const CFileSpec& file);
    void QueueFolder(const CDirSpec& folder);
    void QueueNothing();
    // Oldest first, one at a time, so that a request queued by a handler is carried out in the same run.
    // A handler's exception leaves with the request it was carrying out gone and the rest queued.
    void ProcessAll(IOpenRequestHandler& handler);
    // Drops every request unprocessed.
    void Clear();
    bool IsEmpty() const { return mRequests.empty(); }

private:
    std::deque<COpenRequest> mRequests;
};

} // namespace NSTramvell
