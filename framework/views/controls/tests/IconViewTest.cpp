// Icon views in a shown framework window: which of the icon's variants each size draws, and where.

#include "framework/gui/views/RootView.h"
#include "framework/views/controls/IconView.h"
#include "framework/views/controls/tests/ControlTestSupport.h"

#include <memory>
#include <vector>

using NSControlTest::CCountedCalls;
using NSTramvell::CIconRef;
using NSTramvell::CIconView;
using NSTramvell::CRect;
using NSTramvell::GetWindowTable;

namespace {

struct CDrawnIcon
{
    HICON icon;
    CRect rect;
};

std::vector<CDrawnIcon> gDrawn;

BOOL RecordDrawIcon(HDC, int x, int y, HICON icon, int width, int height, UINT, HBRUSH, UINT)
{
    gDrawn.push_back({icon, CRect(x, y, x + width, y + height)});
    return TRUE;
}

class IconView : public NSControlTest::CShownWindow
{
protected:
    // The icon one view draws when the window paints it.
    CDrawnIcon PaintAndTakeIcon(const CIconView& view)
    {
        gDrawn.clear();
        const NSTramvell::CScopedTableEntry drawIcon(GetWindowTable().DrawIconEx, &RecordDrawIcon);
        ::InvalidateRect(mWindow->GetWindowHandle(), nullptr, FALSE);
        Paint();
        for (const CDrawnIcon& drawn : gDrawn)
            if (drawn.rect.GetTopLeft() == view.GetFrame()->GetTopLeft())
                return drawn;
        return CDrawnIcon{nullptr, CRect()};
    }
};

} // namespace

TEST_F(IconView, DrawsTheLargeVariantAt32AndTheSmallAt16AndTheHighlightOnlyWhenAsked)
{
    ASSERT_EQ(::GetSystemMetrics(SM_CXSMICON), 16);
    const CIconRef warning(16);
    const auto large = std::make_unique<CIconView>(mWindow->GetRootView(), warning, CRect(10, 10, 42, 42));
    const auto small = std::make_unique<CIconView>(mWindow->GetRootView(), warning, CRect(60, 10, 76, 26));

    const CDrawnIcon largeIcon = PaintAndTakeIcon(*large);
    const CDrawnIcon smallIcon = PaintAndTakeIcon(*small);
    EXPECT_EQ(largeIcon.rect, CRect(10, 10, 42, 42));
    EXPECT_EQ(smallIcon.rect, CRect(60, 10, 76, 26));
    ASSERT_NE(largeIcon.icon, nullptr);
    ASSERT_NE(smallIcon.icon, nullptr);
    EXPECT_NE(largeIcon.icon, smallIcon.icon);
    ICONINFO info{};
    ASSERT_TRUE(::GetIconInfo(largeIcon.icon, &info));
    BITMAP mask{};
    ::GetObjectA(info.hbmMask, sizeof mask, &mask);
    ::DeleteObject(info.hbmMask);
    if (info.hbmColor != nullptr)
        ::DeleteObject(info.hbmColor);
    EXPECT_EQ(mask.bmWidth, 32);

    {
        const CCountedCalls counted(mWindow->GetWindowHandle());
        small->SetIconState(true);
        small->SetIconState(true);
        EXPECT_EQ(counted.Get().mWindowInvalidations, 1);
    }
    const CDrawnIcon highlighted = PaintAndTakeIcon(*small);
    EXPECT_NE(highlighted.icon, smallIcon.icon);
    EXPECT_NE(highlighted.icon, largeIcon.icon);
}
