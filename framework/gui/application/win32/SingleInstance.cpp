#include "framework/gui/application/win32/SingleInstance.h"

#include "framework/foundation/files/FileOperations.h"
#include "framework/foundation/platform/win32/PlatformTables.h"
#include "framework/gui/application/Application.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace NSTramvell {
namespace {

constexpr DWORD kFullAccess = 0xF001F;
constexpr int kMaximumPasses = 100;
constexpr int kMaximumOpenAttempts = 100;
constexpr DWORD kRetryPauseMs = 100;

struct CSingleInstanceBlock
{
    std::uint32_t mBusy;
    std::uint32_t mFirstThread;
    char mText[kPassedCommandLineLength];
};
static_assert(sizeof(CSingleInstanceBlock) == 528);

HANDLE gBlock = nullptr;

[[noreturn]] void ThrowLastError()
{
    ThrowFileErrorFromCode(GetKernelTable().GetLastError());
}

// The whole block mapped for the view's lifetime.
class CMappedBlock
{
public:
    explicit CMappedBlock(HANDLE mapping)
        : mBlock(static_cast<CSingleInstanceBlock*>(GetKernelTable().MapViewOfFile(mapping, kFullAccess, 0, 0, 0)))
    {
        if (mBlock == nullptr)
            ThrowLastError();
    }
    ~CMappedBlock() { GetKernelTable().UnmapViewOfFile(mBlock); }
    CMappedBlock(const CMappedBlock&) = delete;
    CMappedBlock& operator=(const CMappedBlock&) = delete;

    CSingleInstanceBlock* operator->() const { return mBlock; }

private:
    CSingleInstanceBlock* mBlock;
};

// An opened handle of the block, closed when it goes.
class COpenedBlock
{
public:
    COpenedBlock()
    {
        CKernelTable& kernel = GetKernelTable();
        for (int attempt = 0; attempt < kMaximumOpenAttempts; ++attempt) {
            if (attempt != 0)
                kernel.Sleep(kRetryPauseMs);
            mHandle = kernel.OpenFileMappingA(kFullAccess, FALSE, kSingleInstanceBlockName);
            if (mHandle != nullptr)
                return;
        }
        ThrowLastError();
    }
    ~COpenedBlock() { GetKernelTable().CloseHandle(mHandle); }
    COpenedBlock(const COpenedBlock&) = delete;
    COpenedBlock& operator=(const COpenedBlock&) = delete;

    HANDLE Get() const { return mHandle; }

private:
    HANDLE mHandle = nullptr;
};

} // namespace

bool IsFirstInstance()
{
    CKernelTable& kernel = GetKernelTable();
    const HANDLE existing = kernel.OpenFileMappingA(kFullAccess, FALSE, kSingleInstanceBlockName);
    if (existing != nullptr) {
        kernel.CloseHandle(existing);
        return false;
    }
    const HANDLE created = kernel.CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE | SEC_COMMIT, 0,
                                                     sizeof(CSingleInstanceBlock), kSingleInstanceBlockName);
    if (created == nullptr)
        ThrowLastError();
    gBlock = created;
    const CMappedBlock block(gBlock);
    block->mBusy = 0;
    block->mFirstThread = kernel.GetCurrentThreadId();
    // The thread must own a message queue before a later instance posts to it.
    MSG message;
    GetWindowTable().PeekMessageA(&message, nullptr, WM_USER, WM_USER, PM_NOREMOVE);
    return true;
}

void PassCommandLineToFirstInstance(const std::string& commandLine)
{
    for (int pass = 0; pass < kMaximumPasses; ++pass) {
        const COpenedBlock opened;
        const CMappedBlock block(opened.Get());
        if (block->mBusy == 0) {
            const std::size_t length = std::min(commandLine.size(), kPassedCommandLineLength);
            std::memcpy(block->mText, commandLine.data(), length);
            if (length < kPassedCommandLineLength)
                block->mText[length] = '\0';
            block->mBusy = 1;
            GetWindowTable().PostThreadMessageA(block->mFirstThread, kPassedCommandLineMessage, 0, 0);
            return;
        }
        GetKernelTable().Sleep(kRetryPauseMs);
    }
}

std::string ReadPassedCommandLine()
{
    const CMappedBlock block(gBlock);
    char text[kPassedCommandLineLength + 1] = {};
    std::memcpy(text, block->mText, kPassedCommandLineLength);
    block->mBusy = 0;
    return text;
}

void ReleaseSingleInstanceBlock()
{
    if (gBlock != nullptr)
        GetKernelTable().CloseHandle(gBlock);
    gBlock = nullptr;
}

namespace NSApplicationInternal {

bool HasSingleInstanceBlock()
{
    return gBlock != nullptr;
}

} // namespace NSApplicationInternal
} // namespace NSTramvell
