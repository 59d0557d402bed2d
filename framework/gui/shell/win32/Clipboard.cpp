#include "framework/gui/shell/Clipboard.h"

#include "framework/foundation/core/Exceptions.h"
#include "framework/foundation/platform/win32/PlatformTables.h"
#include "framework/gui/application/Application.h"

#include <cstring>

namespace NSTramvell {
namespace {

constexpr UINT kMovableSharedBlock = GMEM_MOVEABLE | GMEM_DDESHARE;   // 0x2002

UINT GetNativeFormat(const CClippingType& flavour)
{
    const std::uint32_t standard = GetStandardClipboardFormat(flavour);
    if (standard != 0)
        return standard;
    const UINT registered = GetWindowTable().RegisterClipboardFormatA(GetClippingTypeName(flavour).c_str());
    if (registered == 0)
        throw XBase();
    return registered;
}

// Written data needs an owner: after an open without a window, emptying leaves none and Windows refuses
// to take data (Wine takes it). The application's message-only window is that owner.
HWND GetClipboardWindow()
{
    CApplication* application = CApplication::GetApplication();
    return application != nullptr ? application->GetMessageWindowHandle() : nullptr;
}

// The clipboard open for the guard's lifetime.
class COpenClipboard
{
public:
    COpenClipboard()
    {
        if (!GetWindowTable().OpenClipboard(GetClipboardWindow()))
            throw XBase();
    }
    ~COpenClipboard() { GetWindowTable().CloseClipboard(); }
    COpenClipboard(const COpenClipboard&) = delete;
    COpenClipboard& operator=(const COpenClipboard&) = delete;
};

// A memory block of ours until the clipboard takes it.
class CGlobalBlock
{
public:
    explicit CGlobalBlock(SIZE_T sizeInBytes)
        : mBlock(GetKernelTable().GlobalAlloc(kMovableSharedBlock, sizeInBytes))
    {
        if (mBlock == nullptr)
            throw XBase();
    }
    ~CGlobalBlock()
    {
        if (mBlock != nullptr)
            GetKernelTable().GlobalFree(mBlock);
    }
    CGlobalBlock(const CGlobalBlock&) = delete;
    CGlobalBlock& operator=(const CGlobalBlock&) = delete;

    HGLOBAL Get() const { return mBlock; }
    [[nodiscard]] HGLOBAL Release()
    {
        const HGLOBAL block = mBlock;
        mBlock = nullptr;
        return block;
    }

private:
    HGLOBAL mBlock;
};

// A block locked for the guard's lifetime.
class CLockedBlock
{
public:
    explicit CLockedBlock(HGLOBAL block)
        : mBlock(block)
        , mBytes(static_cast<std::uint8_t*>(GetKernelTable().GlobalLock(block)))
    {
        if (mBytes == nullptr)
            throw XBase();
    }
    ~CLockedBlock() { GetKernelTable().GlobalUnlock(mBlock); }
    CLockedBlock(const CLockedBlock&) = delete;
    CLockedBlock& operator=(const CLockedBlock&) = delete;

    std::uint8_t* GetBytes() const { return mBytes; }

private:
    HGLOBAL mBlock;
    std::uint8_t* mBytes;
};

bool IsText(const CClippingType& flavour)
{
    return GetStandardClipboardFormat(flavour) == kPlatformTextFormat;
}

} // namespace

void BeginClipboardCopy()
{
    if (!GetWindowTable().OpenClipboard(GetClipboardWindow()))
        return;
    GetWindowTable().EmptyClipboard();
    GetWindowTable().CloseClipboard();
}

bool IsClipboardFlavourAvailable(const CClippingType& flavour)
{
    return GetWindowTable().IsClipboardFormatAvailable(GetNativeFormat(flavour)) != FALSE;
}

std::unique_ptr<CClipboardItem> ReadClipboardFlavour(const CClippingType& flavour)
{
    const UINT format = GetNativeFormat(flavour);
    auto item = std::make_unique<CClipboardItem>(flavour);
    COpenClipboard clipboard;
    // The clipboard's own block: read, never freed.
    const HANDLE data = GetWindowTable().GetClipboardData(format);
    if (data == nullptr)
        throw XBase();
    const SIZE_T size = GetKernelTable().GlobalSize(data);
    CLockedBlock locked(data);
    SIZE_T length = size;
    if (IsText(flavour)) {
        const void* end = std::memchr(locked.GetBytes(), 0, size);
        if (end != nullptr)
            length = static_cast<SIZE_T>(static_cast<const std::uint8_t*>(end) - locked.GetBytes());
    }
    if (length > static_cast<SIZE_T>(INT32_MAX))
        throw XBase();
    item->GetMedia().WriteAt(0, static_cast<std::int32_t>(length), locked.GetBytes());
    item->GetMedia().SetPosition(0);
    return item;
}

void WriteClipboardFlavour(const CClipboardItem& item)
{
    const CABCMemoryMedia& media = item.GetMedia();
    const SIZE_T length = static_cast<SIZE_T>(media.GetSize());
    // Readers of text stop at its NUL, and one that trusts the block finds it.
    const SIZE_T size = IsText(item.GetFlavour()) ? length + 1 : length;
    const UINT format = GetNativeFormat(item.GetFlavour());
    // A block of no bytes cannot be locked.
    CGlobalBlock block(size > 0 ? size : 1);
    {
        CLockedBlock locked(block.Get());
        if (length > 0)
            std::memcpy(locked.GetBytes(), media.GetBuffer(), length);
        if (size > length)
            locked.GetBytes()[length] = 0;
    }
    COpenClipboard clipboard;
    if (GetWindowTable().SetClipboardData(format, block.Get()) == nullptr)
        throw XBase();
    // The clipboard owns it now.
    (void)block.Release();
}

std::unique_ptr<COwnedMemoryMedia> ReadPrivateClipboardData(const CClippingType& flavour)
{
    const std::unique_ptr<CClipboardItem> item = ReadClipboardFlavour(flavour);
    return DecodePrivateClipboardBlock(item->GetMedia());
}

void WritePrivateClipboardData(const CClippingType& flavour, CMedia& data)
{
    const std::unique_ptr<COwnedMemoryMedia> block = EncodePrivateClipboardBlock(data);
    WriteClipboardFlavour(CClipboardItem(flavour, *block));
}

} // namespace NSTramvell
