#include "framework/gui/dialogs/DialogTemplate.h"

#include "framework/foundation/core/Exceptions.h"
#include "framework/gui/dialogs/tests/TemplateBytes.h"

#include <gtest/gtest.h>

namespace {

using NSDialogTest::CItemSpec;
using NSDialogTest::MakeTemplate;
using NSTramvell::CPoint;
using NSTramvell::CRect;

const CPoint kSystemUnits(8, 16);

NSTramvell::CDialogTemplate Parse(const std::vector<std::uint8_t>& bytes, const CPoint& units = kSystemUnits)
{
    return NSTramvell::ParseDialogTemplate(bytes.data(), bytes.size(), units);
}

TEST(ParseDialogTemplate, AlertTemplateGivesItsPixelFrames)
{
    const NSTramvell::CDialogTemplate alert = Parse(NSDialogTest::MakeAlertTemplate());
    EXPECT_EQ(alert.GetSize(), CPoint(285, 130));
    EXPECT_EQ(alert.GetItemRect(1), CRect(15, 97, 96, 119));
    EXPECT_EQ(alert.GetItemRect(3), CRect(189, 97, 270, 119));
    EXPECT_EQ(alert.GetItemRect(4), CRect(55, 16, 269, 87));
    EXPECT_EQ(alert.GetItemText(2), "Button 2");
    EXPECT_EQ(alert.GetItems().size(), 5u);
}

TEST(ParseDialogTemplate, WithoutFontTheWindowSystemsUnitsApply)
{
    const std::vector<std::uint8_t> bytes =
        MakeTemplate(0x80C00000, 190, 80, "Plain", {{0x50000000, 10, 60, 54, 14, 1, "BUTTON", 0, "OK"}});
    const NSTramvell::CDialogTemplate plain = Parse(bytes);
    EXPECT_EQ(plain.GetSize(), CPoint(380, 160));
    EXPECT_EQ(plain.GetItemRect(1), CRect(20, 120, 128, 148));
    EXPECT_EQ(plain.GetTitle(), "Plain");
}

TEST(ParseDialogTemplate, ClassifiesItemsByClassAndStyle)
{
    const struct
    {
        CItemSpec item;
        std::uint32_t kind;
        const char* text;
    } kCases[] = {
        {{2, 0, 0, 1, 1, 1, "", 0x80, "check"}, 5, "check"},
        {{3, 0, 0, 1, 1, 1, "", 0x80, "auto"}, 1, "auto"},
        {{4, 0, 0, 1, 1, 1, "", 0x80, "radio"}, 2, "radio"},
        {{7, 0, 0, 1, 1, 1, "Button", 0, "group"}, 4, "group"},
        {{3, 0, 0, 1, 1, 1, "Static", 0, "", true}, 10, ""},
        {{7, 0, 0, 1, 1, 1, "", 0x82, "frame"}, 9, "frame"},
        {{0, 0, 0, 1, 1, 1, "STATIC", 0, "text"}, 6, "text"},
        {{0, 0, 0, 1, 1, 1, "", 0x81, ""}, 7, ""},
        {{0, 0, 0, 1, 1, 1, "LISTBOX", 0, ""}, 6, ""},
        {{0, 0, 0, 1, 1, 1, "", 0x84, ""}, 11, ""},
        {{0, 0, 0, 1, 1, 1, "combobox", 0, ""}, 3, ""},
        {{0, 0, 0, 1, 1, 1, "", 0x90, ""}, 0, ""},
        {{0, 0, 0, 1, 1, 1, "msctls_progress32", 0, ""}, 12, ""},
        {{0, 0, 0, 1, 1, 1, "msctls_updown32", 0, ""}, 12, ""},
        {{0, 0, 0, 1, 1, 1, "msctls_trackbar32", 0, ""}, 8, ""},
        {{0, 0, 0, 1, 1, 1, "", 0, "pane"}, 12, "pane"},
        {{0, 0, 0, 1, 1, 1, "SysListView32", 0, ""}, 6, ""},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.item.className + "/" + std::to_string(c.item.classOrdinal) + "/" +
                     std::to_string(c.item.style));
        const NSTramvell::CDialogItem item = Parse(MakeTemplate(0x40, 10, 10, "", {c.item})).FindItem(1);
        EXPECT_EQ(item.GetKind(), c.kind);
        EXPECT_EQ(item.GetText(), c.text);
    }
}

TEST(ParseDialogTemplate, LookupTakesTheFirstOfDuplicateIdsAndRefusesMissingOnes)
{
    const NSTramvell::CDialogTemplate twice = Parse(MakeTemplate(
        0x40, 100, 100, "",
        {{0, 4, 8, 4, 8, 7, "STATIC", 0, "first"}, {0, 40, 80, 4, 8, 7, "STATIC", 0, "second"}}));
    EXPECT_EQ(twice.GetItemRect(7), CRect(6, 13, 12, 26));
    EXPECT_EQ(twice.GetItemText(7), "first");
    EXPECT_THROW(twice.FindItem(8), NSTramvell::XNotFound);
}

TEST(ParseDialogTemplate, SkipsCreationDataToTheNextItem)
{
    CItemSpec withData{0, 0, 0, 4, 8, 1, "", 0x80, "data"};
    withData.creationData = {1, 2, 3, 4, 5, 6};
    const NSTramvell::CDialogTemplate parsed =
        Parse(MakeTemplate(0x40, 10, 10, "", {withData, {0, 4, 8, 4, 8, 2, "STATIC", 0, "after"}}));
    EXPECT_EQ(parsed.GetItemText(2), "after");
    EXPECT_EQ(parsed.GetItemRect(2), CRect(6, 13, 12, 26));
}

TEST(ParseDialogTemplate, EveryCutOfTheAlertTemplateIsRefused)
{
    const std::vector<std::uint8_t> whole = NSDialogTest::MakeAlertTemplate();
    // The last item ends in its creation-data count; everything before that is needed.
    for (std::size_t length = 0; length < whole.size(); ++length) {
        SCOPED_TRACE(length);
        const std::vector<std::uint8_t> cut(whole.begin(), whole.begin() + length);
        EXPECT_THROW(Parse(cut), NSTramvell::XBadFormat);
    }
}

TEST(ParseDialogTemplate, RefusesDamagedAndExtendedTemplates)
{
    std::vector<std::uint8_t> manyItems = NSDialogTest::MakeAlertTemplate();
    manyItems[8] = 0xFF;   // item count 0xFF05
    manyItems[9] = 0xFF;
    EXPECT_THROW(Parse(manyItems), NSTramvell::XBadFormat);

    std::vector<std::uint8_t> endlessTitle = MakeTemplate(0, 10, 10, "", {});
    endlessTitle.resize(endlessTitle.size() - 2);   // the title's terminator
    endlessTitle.push_back('x');
    endlessTitle.push_back(0);
    EXPECT_THROW(Parse(endlessTitle), NSTramvell::XBadFormat);

    const std::vector<std::uint8_t> extended = {1, 0, 0xFF, 0xFF, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
                                                0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    EXPECT_THROW(Parse(extended), NSTramvell::XUnsupportedFormat);
}

} // namespace
