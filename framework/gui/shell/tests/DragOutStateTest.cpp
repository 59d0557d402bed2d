#include "framework/gui/shell/DragOutState.h"

#include "framework/gui/views/RootView.h"
#include "framework/gui/views/View.h"
#include "framework/gui/windows/tests/TestWindow.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace NSTramvell;

namespace {

class CLoggedItem : public CDragOutItem
{
public:
    CLoggedItem(std::vector<int>& log, int id) : CDragOutItem(CRegion(CRect(0, 0, id, id))), mLog(log), mId(id) {}
    ~CLoggedItem() override { mLog.push_back(mId); }

private:
    std::vector<int>& mLog;
    int mId;
};

} // namespace

TEST(DragOutState, TheSourceTracksWhileItLivesAndItemsGoLastToFirst)
{
    NSGuiTest::CTestWindow window;
    NSGuiTest::CTestView source(window.GetRootView(), CRect(0, 0, 50, 50), "source");
    std::vector<int> log;
    {
        CDragOutState drag(source, CRegion(CRect(1, 2, 30, 40)));
        EXPECT_EQ(GetTrackingView(), &source);
        for (int id = 1; id <= 3; ++id)
            drag.AddItem(std::make_unique<CLoggedItem>(log, id));
        const std::uint8_t bytes[] = {'a', 'b'};
        COwnedMemoryMedia data(2, bytes);
        drag.GetItem(1).AddFlavour(CClippingType("TEXT"), data);
        data.WriteAt(0, 1, "z");
        ASSERT_EQ(drag.GetItem(1).GetFlavours().size(), 1u);
        EXPECT_EQ(drag.GetItem(1).GetFlavours()[0].mData.GetBuffer()[0], 'a');
        EXPECT_EQ(drag.GetOutline().GetBounds(), CRect(1, 2, 30, 40));
    }
    EXPECT_EQ(log, (std::vector<int>{3, 2, 1}));
    EXPECT_EQ(GetTrackingView(), nullptr);
}
