// System icons through the icon cache, with the draws and the platform's icon handles recorded.

#include "framework/gui/images/IconCache.h"

#include "framework/foundation/core/Exceptions.h"
#include "framework/foundation/files/FileSpec.h"
#include "framework/foundation/platform/win32/PlatformTables.h"
#include "framework/gui/images/Bitmap.h"
#include "framework/gui/images/tests/BitmapCanvas.h"

#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <string>
#include <vector>

using NSTramvell::CIconRef;
using NSTramvell::CRect;
using NSTramvell::CScopedTableEntry;
using NSTramvell::GetWindowTable;
using NSTramvell::NSIconCacheInternal::GetCachedRecordCount;

namespace {

struct CDrawnIcon
{
    HICON icon;
    int width;
    int height;
};
std::vector<CDrawnIcon> gDrawn;
std::int32_t gLoads = 0;
std::int32_t gFailingLoad = 0;   // the load that fails, counted from 1; 0 for none
std::int32_t gIconsMade = 0;
std::int32_t gIconsDestroyed = 0;

// Records draws and counts loads, copies and destructions, calling the real functions.
class CRecordingIcons
{
public:
    CRecordingIcons()
    {
        gDrawn.clear();
        gLoads = gFailingLoad = gIconsMade = gIconsDestroyed = 0;
    }

private:
    static inline HANDLE (*sLoad)(HINSTANCE, LPCSTR, UINT, int, int, UINT) = GetWindowTable().LoadImageA;
    static inline HICON (*sCopy)(HICON) = GetWindowTable().CopyIcon;
    static inline HICON (*sGet)(HIMAGELIST, int, UINT) = GetWindowTable().ImageList_GetIcon;
    static inline BOOL (*sDestroy)(HICON) = GetWindowTable().DestroyIcon;

    int mKept = (sLoad = GetWindowTable().LoadImageA, sCopy = GetWindowTable().CopyIcon,
                 sGet = GetWindowTable().ImageList_GetIcon, sDestroy = GetWindowTable().DestroyIcon, 0);
    CScopedTableEntry<decltype(NSTramvell::CWindowTable::DrawIconEx)> mDraw{
        GetWindowTable().DrawIconEx, [](HDC, int, int, HICON icon, int width, int height, UINT, HBRUSH, UINT) -> BOOL {
            gDrawn.push_back({icon, width, height});
            return TRUE;
        }};
    CScopedTableEntry<decltype(NSTramvell::CWindowTable::LoadImageA)> mLoad{
        GetWindowTable().LoadImageA, [](HINSTANCE module, LPCSTR name, UINT type, int width, int height,
                                        UINT flags) -> HANDLE {
            return ++gLoads == gFailingLoad ? nullptr : sLoad(module, name, type, width, height, flags);
        }};
    CScopedTableEntry<decltype(NSTramvell::CWindowTable::CopyIcon)> mCopy{
        GetWindowTable().CopyIcon, [](HICON icon) -> HICON {
            HICON copy = sCopy(icon);
            gIconsMade += copy != nullptr;
            return copy;
        }};
    CScopedTableEntry<decltype(NSTramvell::CWindowTable::ImageList_GetIcon)> mGet{
        GetWindowTable().ImageList_GetIcon, [](HIMAGELIST list, int index, UINT style) -> HICON {
            HICON icon = sGet(list, index, style);
            gIconsMade += icon != nullptr;
            return icon;
        }};
    CScopedTableEntry<decltype(NSTramvell::CWindowTable::DestroyIcon)> mDestroy{
        GetWindowTable().DestroyIcon, [](HICON icon) -> BOOL {
            ++gIconsDestroyed;
            return sDestroy(icon);
        }};
};

void DrawEveryEntry(const CIconRef& icon, NSTramvell::CABCCanvas& canvas)
{
    const CRect small = NSTramvell::GetSmallIconRect();
    const CRect wider(0, 0, small.GetWidth() + 1, small.GetHeight());
    for (const CRect& rect : {small, wider})
        for (const bool open : {false, true})
            for (const bool highlighted : {false, true})
                icon.Draw(canvas, rect, 0, highlighted, open);
}

} // namespace

TEST(CIconRef, StockKindsHoldEightIconsAndDrawBySize)
{
    CRecordingIcons recording;
    NSTramvell::CBitmap32 target(64, 64);
    NSTramvellTest::CBitmapCanvas canvas(target);
    for (const std::uint32_t kind : {0u, 11u, 12u, 15u, 16u, 17u}) {
        SCOPED_TRACE(kind);
        gDrawn.clear();
        DrawEveryEntry(CIconRef(kind), canvas);
        ASSERT_EQ(gDrawn.size(), 8u);
        std::set<HICON> distinct;
        for (const CDrawnIcon& drawn : gDrawn)
            distinct.insert(drawn.icon);
        EXPECT_EQ(distinct.size(), 8u);
        EXPECT_EQ(distinct.count(nullptr), 0u);
        // Exactly the small size drew the small entries; one pixel wider, the shell-size ones.
        EXPECT_EQ(gDrawn[0].width, NSTramvell::GetSmallIconRect().GetWidth());
        EXPECT_EQ(gDrawn[4].width, NSTramvell::GetSmallIconRect().GetWidth() + 1);
    }
    EXPECT_EQ(GetCachedRecordCount(), -1);
}

TEST(CIconRef, ReferencesShareOneRecordUntilTheLastGoes)
{
    CRecordingIcons recording;
    {
        CIconRef first(16);
        CIconRef second(first);
        CIconRef third(16);
        EXPECT_EQ(GetCachedRecordCount(), 1);
        EXPECT_EQ(gLoads, 4);
        third = third;
        second = first;
        EXPECT_EQ(GetCachedRecordCount(), 1);
    }
    EXPECT_EQ(GetCachedRecordCount(), -1);
    EXPECT_EQ(gIconsDestroyed, gIconsMade);
    CIconRef again(16);
    EXPECT_EQ(GetCachedRecordCount(), 1);
    EXPECT_EQ(gLoads, 8);
}

TEST(CIconRef, AFailingRequestThrowsAndLeavesNoIconBehind)
{
    for (const std::int32_t failing : {1, 3, 4}) {
        SCOPED_TRACE(failing);
        CRecordingIcons recording;
        gFailingLoad = failing;
        EXPECT_THROW(CIconRef(17), NSTramvell::XBase);
        EXPECT_EQ(gIconsDestroyed, gIconsMade);
        EXPECT_EQ(GetCachedRecordCount(), -1);
    }
    EXPECT_THROW(CIconRef(18), NSTramvell::XBase);
    EXPECT_EQ(GetCachedRecordCount(), -1);
    // The data folder's icons need the application that names the folder.
    EXPECT_THROW(CIconRef(14), NSTramvell::XBase);
    EXPECT_EQ(GetCachedRecordCount(), -1);
}

TEST(CIconRef, TheShellIconSizeComesFromTheUsersSetting)
{
    CScopedTableEntry open(NSTramvell::GetKernelTable().RegOpenKeyExA,
                           [](HKEY, LPCSTR, DWORD, REGSAM, PHKEY key) -> LSTATUS {
                               *key = reinterpret_cast<HKEY>(1);
                               return ERROR_SUCCESS;
                           });
    CScopedTableEntry close(NSTramvell::GetKernelTable().RegCloseKey, [](HKEY) -> LSTATUS { return ERROR_SUCCESS; });
    CScopedTableEntry query(NSTramvell::GetKernelTable().RegQueryValueExA,
                            [](HKEY, LPCSTR, LPDWORD, LPDWORD type, LPBYTE data, LPDWORD size) -> LSTATUS {
                                *type = REG_SZ;
                                std::memset(data, '7', *size);  // a full buffer without a NUL
                                data[0] = '4';
                                data[1] = '8';
                                data[2] = ' ';
                                return ERROR_SUCCESS;
                            });
    NSTramvell::NSIconCacheInternal::ForgetIconSizes();
    EXPECT_EQ(NSTramvell::GetShellIconRect(), CRect(0, 0, 48, 48));
    NSTramvell::NSIconCacheInternal::ForgetIconSizes();
}

namespace {

std::int32_t gShellRequests = 0;
std::string gIconLocation;

} // namespace

TEST(CIconRef, FilesSharingTheShellsIconShareOneRecord)
{
    CRecordingIcons recording;
    gShellRequests = 0;
    gIconLocation = "shared.ico";
    CScopedTableEntry shell(NSTramvell::GetKernelTable().SHGetFileInfoA,
                            [](LPCSTR, DWORD, SHFILEINFOA* info, UINT, UINT flags) -> DWORD_PTR {
                                ++gShellRequests;
                                if (flags == 0x1800) {
                                    std::strcpy(info->szDisplayName, gIconLocation.c_str());
                                    info->iIcon = 3;
                                    return 1;
                                }
                                info->hIcon = GetWindowTable().CopyIcon(
                                    static_cast<HICON>(GetWindowTable().LoadImageA(nullptr, MAKEINTRESOURCEA(32516),
                                                                                   IMAGE_ICON, 0, 0, LR_SHARED)));
                                return 1;
                            });
    {
        const CIconRef first(NSTramvell::CFileSpec("C:\\a.txt"));
        const CIconRef second(NSTramvell::CFileSpec("C:\\b.txt"));
        EXPECT_EQ(GetCachedRecordCount(), 1);
        EXPECT_EQ(gShellRequests, 1 + 8 + 1);  // the key, eight entries, then only the key
        gIconLocation = "other.ico";
        const CIconRef third(NSTramvell::CFileSpec("C:\\c.doc"));
        EXPECT_EQ(GetCachedRecordCount(), 2);
    }
    EXPECT_EQ(GetCachedRecordCount(), -1);
    EXPECT_EQ(gIconsDestroyed, gIconsMade);
}
