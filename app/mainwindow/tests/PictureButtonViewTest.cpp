// Picture buttons on their own, in the main window's root view: the picture that follows the enabled
// state, a construction that fails at each step, and what destruction gives back.

#include "app/mainwindow/PictureButtonView.h"
#include "app/mainwindow/tests/WindowTestSupport.h"
#include "framework/foundation/core/Exceptions.h"
#include "framework/foundation/platform/win32/PlatformTables.h"
#include "framework/gui/views/RootView.h"
#include "framework/views/controls/NativeControlGlue.h"

#include <memory>

using NSMainWindowTest::CMainWindowTest;
using NSMainWindowTest::ListChildWindows;
using NSMainWindowTest::PumpPending;
using NSMainWindowTest::PumpUntil;
using NSTramvell::CBitmapKey;
using NSTramvell::CRect;
using NSTramvell::CScopedTableEntry;
using NSTramvell::GetWindowTable;

namespace {

// What the button asks of the platform and gives back, counted at the window table.
struct CResourceCounts
{
    int mEnables = 0;
    int mIconsLoaded = 0;
    int mIconsDestroyed = 0;
    int mListsMade = 0;
    int mListsDestroyed = 0;
    int mFailingReplace = 0;   // the call of ImageList_ReplaceIcon that fails (1-based); 0: none
    int mReplaces = 0;
};

CResourceCounts gCounts;
NSTramvell::CWindowTable gReal;

class CCountedResources
{
public:
    CCountedResources()
        : mEnable(GetWindowTable().EnableWindow,
                  [](HWND window, BOOL enable) {
                      ++gCounts.mEnables;
                      return gReal.EnableWindow(window, enable);
                  })
        , mLoad(GetWindowTable().LoadImageA,
                [](HINSTANCE instance, LPCSTR name, UINT type, int width, int height, UINT flags) {
                    HANDLE image = gReal.LoadImageA(instance, name, type, width, height, flags);
                    gCounts.mIconsLoaded += image != nullptr ? 1 : 0;
                    return image;
                })
        , mDestroyIcon(GetWindowTable().DestroyIcon,
                       [](HICON icon) {
                           ++gCounts.mIconsDestroyed;
                           return gReal.DestroyIcon(icon);
                       })
        , mCreateList(GetWindowTable().ImageList_Create,
                      [](int width, int height, UINT flags, int initial, int grow) {
                          HIMAGELIST list = gReal.ImageList_Create(width, height, flags, initial, grow);
                          gCounts.mListsMade += list != nullptr ? 1 : 0;
                          return list;
                      })
        , mReplace(GetWindowTable().ImageList_ReplaceIcon,
                   [](HIMAGELIST list, int index, HICON icon) {
                       if (++gCounts.mReplaces == gCounts.mFailingReplace)
                           return -1;
                       return gReal.ImageList_ReplaceIcon(list, index, icon);
                   })
        , mDestroyList(GetWindowTable().ImageList_Destroy, [](HIMAGELIST list) {
            ++gCounts.mListsDestroyed;
            return gReal.ImageList_Destroy(list);
        })
    {
    }

private:
    static int Reset()
    {
        gCounts = CResourceCounts();
        gReal = GetWindowTable();
        return 0;
    }

    int mReset = Reset();
    CScopedTableEntry<decltype(NSTramvell::CWindowTable::EnableWindow)> mEnable;
    CScopedTableEntry<decltype(NSTramvell::CWindowTable::LoadImageA)> mLoad;
    CScopedTableEntry<decltype(NSTramvell::CWindowTable::DestroyIcon)> mDestroyIcon;
    CScopedTableEntry<decltype(NSTramvell::CWindowTable::ImageList_Create)> mCreateList;
    CScopedTableEntry<decltype(NSTramvell::CWindowTable::ImageList_ReplaceIcon)> mReplace;
    CScopedTableEntry<decltype(NSTramvell::CWindowTable::ImageList_Destroy)> mDestroyList;
};

class CPushCount : public IPictureButtonPushListener
{
public:
    void PictureButtonPushed(CPictureButtonView*) override { ++mPushes; }
    int mPushes = 0;
};

class PictureButtonView : public CMainWindowTest
{
protected:
    void SetUp() override
    {
        CMainWindowTest::SetUp();
        Open();
    }

    HIMAGELIST ShownList(HWND button)
    {
        BUTTON_IMAGELIST shown{};
        ::SendMessageA(button, BCM_GETIMAGELIST, 0, reinterpret_cast<LPARAM>(&shown));
        return shown.himl;
    }

    const CRect kFrame{8, 8, 62, 60};
    CPushCount mPushes;
};

} // namespace

TEST_F(PictureButtonView, SetEnabledSwitchesThePictureWithOneNativeCall)
{
    CCountedResources counted;
    CPictureButtonView button(mWindow->GetRootView(), kFrame, CBitmapKey(130), &mPushes);
    EXPECT_EQ(ShownList(button.GetNativeHandle()), button.GetImageList(true));

    button.SetEnabled(false);
    EXPECT_EQ(gCounts.mEnables, 1);
    EXPECT_FALSE(::IsWindowEnabled(button.GetNativeHandle()));
    EXPECT_EQ(ShownList(button.GetNativeHandle()), button.GetImageList(false));
    button.SetEnabled(false);
    EXPECT_EQ(gCounts.mEnables, 1);

    button.SetEnabled(true);
    EXPECT_EQ(gCounts.mEnables, 2);
    EXPECT_EQ(ShownList(button.GetNativeHandle()), button.GetImageList(true));
    ::PostMessageA(button.GetNativeHandle(), BM_CLICK, 0, 0);
    ASSERT_TRUE(PumpUntil([&] { return mPushes.mPushes > 0; }));
    PumpPending();
    EXPECT_EQ(mPushes.mPushes, 1);
}

TEST_F(PictureButtonView, TheInnerRegionIsTheFrameTwoPixelsIn)
{
    CPictureButtonView button(mWindow->GetRootView(), kFrame, CBitmapKey(130), nullptr);
    EXPECT_EQ(button.GetInnerRegion().GetBounds(), CRect(10, 10, 60, 58));
    button.SetFrame(CRect(20, 30, 25, 33));
    EXPECT_TRUE(button.GetInnerRegion().IsEmpty());
}

TEST_F(PictureButtonView, AButtonWithoutAListenerIsPushedWithoutEffect)
{
    CPictureButtonView button(mWindow->GetRootView(), kFrame, CBitmapKey(131), nullptr);
    ::SendMessageA(button.GetNativeHandle(), BM_CLICK, 0, 0);
    PumpPending();
    EXPECT_TRUE(::IsWindow(button.GetNativeHandle()));
}

TEST_F(PictureButtonView, AFailedConstructionThrowsAndLeavesNothingBehind)
{
    const struct
    {
        const char* name;
        std::uint16_t icon;
        int failingReplace;
    } kCases[] = {{"no enabled icon", 99, 0},
                  {"no disabled icon", 1, 0},   // the program icon 1 has no 11
                  {"first list refused", 130, 1},
                  {"second list refused", 130, 2}};
    const std::size_t children = ListChildWindows(Handle()).size();
    const std::uint32_t views = mWindow->GetRootView()->GetChildCount();
    const std::size_t registered = NSWinControlUtils::GetRegisteredCallbackCount();
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.name);
        CCountedResources counted;
        gCounts.mFailingReplace = c.failingReplace;
        EXPECT_THROW(CPictureButtonView(mWindow->GetRootView(), kFrame, CBitmapKey(c.icon), &mPushes),
                     NSTramvell::XBase);
        EXPECT_EQ(ListChildWindows(Handle()).size(), children);
        EXPECT_EQ(NSWinControlUtils::GetRegisteredCallbackCount(), registered);
        EXPECT_EQ(gCounts.mIconsDestroyed, gCounts.mIconsLoaded);
        EXPECT_EQ(gCounts.mListsDestroyed, gCounts.mListsMade);
    }
    EXPECT_EQ(mWindow->GetRootView()->GetChildCount(), views);
}

TEST_F(PictureButtonView, DestructionRemovesTheToolTipAndFreesBothListsAndIcons)
{
    CCountedResources counted;
    auto button = std::make_unique<CPictureButtonView>(mWindow->GetRootView(), kFrame, CBitmapKey(130), &mPushes);
    button->SetToolTipText("Convert to a folder");
    const HWND tips = mWindow->GetToolTipControl();
    ASSERT_NE(tips, nullptr);
    const LRESULT tools = ::SendMessageA(tips, TTM_GETTOOLCOUNT, 0, 0);
    const HWND handle = button->GetNativeHandle();
    EXPECT_EQ(gCounts.mIconsLoaded, 2);
    EXPECT_EQ(gCounts.mListsMade, 2);

    button.reset();
    // Both of its tools go: the one kept by the control's handle and the one kept by its rectangle.
    EXPECT_EQ(::SendMessageA(tips, TTM_GETTOOLCOUNT, 0, 0), tools - 2);
    EXPECT_FALSE(::IsWindow(handle));
    EXPECT_EQ(gCounts.mListsDestroyed, 2);
    EXPECT_EQ(gCounts.mIconsDestroyed, 2);
}
