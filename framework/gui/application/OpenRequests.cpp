#include "framework/gui/application/OpenRequests.h"

namespace NSTramvell {

std::uint32_t COpenRequest::GetKind() const
{
    if (mFile != nullptr)
        return kOpenFileRequest;
    if (mFolder != nullptr)
        return kOpenFolderRequest;
    return kOpenNothingRequest;
}

void COpenRequestQueue::QueueFile(const CFileSpec& file)
{
    mRequests.push_back(COpenRequest{std::make_unique<CFileSpec>(file), nullptr});
}

void COpenRequestQueue::QueueFolder(const CDirSpec& folder)
{
    mRequests.push_back(COpenRequest{nullptr, std::make_unique<CDirSpec>(folder)});
}

void COpenRequestQueue::QueueNothing()
{
    mRequests.push_back(COpenRequest{});
}

void COpenRequestQueue::ProcessAll(IOpenRequestHandler& handler)
{
    while (!mRequests.empty()) {
        const COpenRequest request = std::move(mRequests.front());
        mRequests.pop_front();
        switch (request.GetKind()) {
        case kOpenFileRequest:
            handler.OpenFile(*request.mFile);
            break;
        case kOpenFolderRequest:
            handler.OpenFolder(*request.mFolder);
            break;
        default:
            handler.OpenWithoutDocument();
            break;
        }
    }
}

void COpenRequestQueue::Clear()
{
    mRequests.clear();
}

} // namespace NSTramvell
