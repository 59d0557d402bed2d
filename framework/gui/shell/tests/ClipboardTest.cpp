#include "framework/gui/shell/Clipboard.h"

#include "framework/foundation/core/Exceptions.h"
#include "framework/foundation/platform/win32/PlatformTables.h"
#include "framework/gui/tests/support/Driver.h"
#include "framework/gui/tests/support/TestApplication.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

using namespace NSTramvell;

namespace {

// The real entries, which the counting fakes pass on to.
decltype(CWindowTable::OpenClipboard) gRealOpen = nullptr;
decltype(CWindowTable::CloseClipboard) gRealClose = nullptr;
decltype(CKernelTable::GlobalAlloc) gRealAlloc = nullptr;
decltype(CKernelTable::GlobalFree) gRealFree = nullptr;
int gOpenCount = 0;
HGLOBAL gOurBlock = nullptr;
int gOurBlockFrees = 0;

// Counts the clipboard's opens and closes and the frees of the one block this test allocated.
class CClipboardAccounting
{
public:
    CClipboardAccounting()
        : mOpen(GetWindowTable().OpenClipboard,
                [](HWND window) -> BOOL {
                    const BOOL opened = gRealOpen(window);
                    gOpenCount += opened ? 1 : 0;
                    return opened;
                })
        , mClose(GetWindowTable().CloseClipboard,
                 []() -> BOOL {
                     --gOpenCount;
                     return gRealClose();
                 })
        , mAlloc(GetKernelTable().GlobalAlloc,
                 [](UINT flags, SIZE_T size) -> HGLOBAL {
                     gOurBlock = gRealAlloc(flags, size);
                     return gOurBlock;
                 })
        , mFree(GetKernelTable().GlobalFree, [](HGLOBAL block) -> HGLOBAL {
            gOurBlockFrees += block == gOurBlock ? 1 : 0;
            return gRealFree(block);
        })
    {
    }
    static void Reset()
    {
        gRealOpen = GetWindowTable().OpenClipboard;
        gRealClose = GetWindowTable().CloseClipboard;
        gRealAlloc = GetKernelTable().GlobalAlloc;
        gRealFree = GetKernelTable().GlobalFree;
        gOpenCount = 0;
        gOurBlock = nullptr;
        gOurBlockFrees = 0;
    }

private:
    CScopedTableEntry<decltype(CWindowTable::OpenClipboard)> mOpen;
    CScopedTableEntry<decltype(CWindowTable::CloseClipboard)> mClose;
    CScopedTableEntry<decltype(CKernelTable::GlobalAlloc)> mAlloc;
    CScopedTableEntry<decltype(CKernelTable::GlobalFree)> mFree;
};

class ClipboardTest : public testing::Test
{
protected:
    ClipboardTest() { CClipboardAccounting::Reset(); }

    NSGuiTest::CWatchdog mWatchdog;
    NSGuiTest::CTestApplication mApplication;
};

CClipboardItem MakeItem(const CClippingType& flavour, const std::string& text)
{
    COwnedMemoryMedia media(static_cast<std::int32_t>(text.size()), text.data());
    return CClipboardItem(flavour, media);
}

std::string TextOf(const CABCMemoryMedia& media)
{
    return std::string(reinterpret_cast<const char*>(media.GetBuffer()), static_cast<std::size_t>(media.GetSize()));
}

} // namespace

TEST_F(ClipboardTest, TextRoundTripLeavesTheApplicationOwningTheClipboard)
{
    CClipboardAccounting accounting;
    BeginClipboardCopy();
    WriteClipboardFlavour(MakeItem(kTextClippingType, "Hello"));
    EXPECT_TRUE(IsClipboardFlavourAvailable(kTextClippingType));
    EXPECT_EQ(GetWindowTable().GetClipboardOwner(), mApplication.GetMessageWindowHandle());
    EXPECT_NE(mApplication.GetMessageWindowHandle(), nullptr);

    const std::unique_ptr<CClipboardItem> read = ReadClipboardFlavour(kTextClippingType);
    EXPECT_EQ(TextOf(read->GetMedia()), "Hello");
    EXPECT_EQ(read->GetFlavour().GetString(), "TEXT");
    EXPECT_EQ(gOurBlockFrees, 0);
    EXPECT_EQ(gOpenCount, 0);
}

TEST_F(ClipboardTest, BeginningACopyAloneLeavesNoFlavour)
{
    WriteClipboardFlavour(MakeItem(kTextClippingType, "left over"));
    ASSERT_TRUE(IsClipboardFlavourAvailable(kTextClippingType));
    BeginClipboardCopy();
    EXPECT_FALSE(IsClipboardFlavourAvailable(kTextClippingType));
    ASSERT_TRUE(GetWindowTable().OpenClipboard(nullptr));
    EXPECT_EQ(::CountClipboardFormats(), 0);
    GetWindowTable().CloseClipboard();
}

TEST_F(ClipboardTest, AnAbsentFlavourThrowsAndClosesTheClipboard)
{
    BeginClipboardCopy();
    CClipboardAccounting accounting;
    EXPECT_THROW(ReadClipboardFlavour(CClippingType("abcd")), XBase);
    EXPECT_EQ(gOpenCount, 0);
    EXPECT_FALSE(IsClipboardFlavourAvailable(CClippingType("abcd")));
}

TEST_F(ClipboardTest, PrivateDataRoundTripsUnderItsRegisteredName)
{
    BeginClipboardCopy();
    const std::uint8_t bytes[] = {0, 1, 2, 0, 0xFF};
    COwnedMemoryMedia data(5, bytes);
    WritePrivateClipboardData(CClippingType("abcdef"), data);

    EXPECT_TRUE(::IsClipboardFormatAvailable(::RegisterClipboardFormatA("TRAMVELL_abcd")));
    const std::unique_ptr<COwnedMemoryMedia> read = ReadPrivateClipboardData(CClippingType("abcd"));
    EXPECT_EQ(std::vector<std::uint8_t>(read->GetBuffer(), read->GetBuffer() + read->GetSize()),
              std::vector<std::uint8_t>(bytes, bytes + 5));
}

TEST_F(ClipboardTest, AForeignShortBlockUnderOurNameIsABadFormat)
{
    BeginClipboardCopy();
    WriteClipboardFlavour(MakeItem(CClippingType("abcd"), "1234567"));
    EXPECT_THROW(ReadPrivateClipboardData(CClippingType("abcd")), XBadFormat);
}

// Each refusal of the platform: the write throws, frees the block it made exactly once (none when none
// was made) and leaves the clipboard closed and as it was.
TEST_F(ClipboardTest, AFailedWriteFreesItsBlockOnceAndClosesTheClipboard)
{
    const struct
    {
        const char* name;
        bool failOpen, failAlloc, failLock, failSet;
        int expectedFrees;
    } kCases[] = {
        {"open", true, false, false, false, 1},
        {"allocation", false, true, false, false, 0},
        {"lock", false, false, true, false, 1},
        {"set", false, false, false, true, 1},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.name);
        BeginClipboardCopy();
        CClipboardAccounting::Reset();
        CClipboardAccounting accounting;
        std::optional<CScopedTableEntry<decltype(CWindowTable::OpenClipboard)>> open;
        std::optional<CScopedTableEntry<decltype(CKernelTable::GlobalAlloc)>> alloc;
        std::optional<CScopedTableEntry<decltype(CKernelTable::GlobalLock)>> lock;
        std::optional<CScopedTableEntry<decltype(CWindowTable::SetClipboardData)>> set;
        if (c.failOpen)
            open.emplace(GetWindowTable().OpenClipboard, [](HWND) -> BOOL { return FALSE; });
        if (c.failAlloc)
            alloc.emplace(GetKernelTable().GlobalAlloc, [](UINT, SIZE_T) -> HGLOBAL { return nullptr; });
        if (c.failLock)
            lock.emplace(GetKernelTable().GlobalLock, [](HGLOBAL) -> LPVOID { return nullptr; });
        if (c.failSet)
            set.emplace(GetWindowTable().SetClipboardData, [](UINT, HANDLE) -> HANDLE { return nullptr; });

        EXPECT_THROW(WriteClipboardFlavour(MakeItem(kTextClippingType, "lost")), XBase);
        EXPECT_EQ(gOurBlockFrees, c.expectedFrees);
        EXPECT_EQ(gOpenCount, 0);
        set.reset();
        lock.reset();
        alloc.reset();
        open.reset();
        EXPECT_FALSE(IsClipboardFlavourAvailable(kTextClippingType));
    }
}

TEST_F(ClipboardTest, AFailedReadClosesTheClipboard)
{
    BeginClipboardCopy();
    WriteClipboardFlavour(MakeItem(kTextClippingType, "kept"));
    CClipboardAccounting accounting;
    {
        CScopedTableEntry lock(GetKernelTable().GlobalLock, [](HGLOBAL) -> LPVOID { return nullptr; });
        EXPECT_THROW(ReadClipboardFlavour(kTextClippingType), XBase);
    }
    EXPECT_EQ(gOpenCount, 0);
    {
        CScopedTableEntry open(GetWindowTable().OpenClipboard, [](HWND) -> BOOL { return FALSE; });
        EXPECT_THROW(ReadClipboardFlavour(kTextClippingType), XBase);
    }
    EXPECT_EQ(gOpenCount, 0);
    // The clipboard's own block was not freed by the failed read.
    EXPECT_EQ(TextOf(ReadClipboardFlavour(kTextClippingType)->GetMedia()), "kept");
}
