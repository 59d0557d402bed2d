#include "framework/gui/shell/DragItems.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace NSTramvell;

namespace {

// A drag of several items that records which items were asked.
class CRecordingDrag : public CABCInDrag
{
public:
    explicit CRecordingDrag(std::vector<CSimpleInDragItem*> items) : mItems(std::move(items)) {}
    std::int16_t GetItemCount() const override { return static_cast<std::int16_t>(mItems.size()); }
    const CABCInDragItem& GetItem(std::int16_t index) const override
    {
        mAsked.push_back(index);
        return *mItems[static_cast<std::size_t>(index)];
    }

    std::vector<CSimpleInDragItem*> mItems;
    mutable std::vector<std::int16_t> mAsked;
};

CModifierKeys WithControl(bool control)
{
    return CModifierKeys::FromHeldKeys(false, false, control, false);
}

} // namespace

TEST(DragEvent, ControlInTheSecondOrThirdRecordCopies)
{
    const struct
    {
        bool first, second, third;
        std::int32_t action;
    } kCases[] = {
        {false, false, false, kDragMoves},
        {true, false, false, kDragMoves},
        {false, true, false, kDragCopies},
        {false, false, true, kDragCopies},
        {true, true, true, kDragCopies},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(testing::Message() << c.first << c.second << c.third);
        const CDragEvent event(7, CPoint(3, 4), WithControl(c.first), WithControl(c.second), WithControl(c.third));
        EXPECT_EQ(event.GetDragAction(), c.action);
        EXPECT_EQ(event.GetPosition(), CPoint(3, 4));
        EXPECT_EQ(event.GetSecondModifiers(), WithControl(c.second));
    }
    // Only Control counts: a record with every other key held still moves.
    const CModifierKeys others = CModifierKeys::FromHeldKeys(true, true, false, true);
    EXPECT_EQ(CDragEvent(0, CPoint(), others, others, others).GetDragAction(), kDragMoves);
}

TEST(SimpleInDrag, OffersOneFlavourWithACopyOfItsData)
{
    const std::uint8_t bytes[] = {5, 6, 7};
    COwnedMemoryMedia data(3, bytes);
    const CSimpleInDrag drag(CClippingType("TEXTX"), data);
    data.WriteAt(0, 1, "\x01");

    EXPECT_EQ(drag.GetItemCount(), 1);
    EXPECT_EQ(&drag.GetItem(0), &drag.GetItem(5));
    EXPECT_TRUE(DragHasFlavour(drag, CClippingType("TEXT")));
    EXPECT_FALSE(DragHasFlavour(drag, CClippingType("text")));
    const std::unique_ptr<CMedia> copy = drag.GetItem(0).CreateMedia(CClippingType("TEXT"));
    std::uint8_t read[3] = {};
    copy->ReadAt(0, 3, read);
    EXPECT_EQ(std::vector<std::uint8_t>(read, read + 3), (std::vector<std::uint8_t>{5, 6, 7}));
}

TEST(DragHasFlavour, AsksItemsInOrderUntilOneHasIt)
{
    COwnedMemoryMedia data;
    CSimpleInDragItem wave(CClippingType("WAVE"), data);
    CSimpleInDragItem text(CClippingType("TEXT"), data);
    CSimpleInDragItem other(CClippingType("abcd"), data);
    const CRecordingDrag drag({&wave, &text, &other});

    EXPECT_TRUE(DragHasFlavour(drag, CClippingType("TEXT")));
    EXPECT_EQ(drag.mAsked, (std::vector<std::int16_t>{0, 1}));
    drag.mAsked.clear();
    EXPECT_FALSE(DragHasFlavour(drag, CClippingType("AIFF")));
    EXPECT_EQ(drag.mAsked, (std::vector<std::int16_t>{0, 1, 2}));
    EXPECT_FALSE(DragHasFlavour(CRecordingDrag({}), CClippingType("TEXT")));
}
