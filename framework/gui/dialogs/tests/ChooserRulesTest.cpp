#include "framework/gui/dialogs/ChooserRules.h"

#include "framework/foundation/files/FileTypeDescription.h"
#include "framework/gui/dialogs/FileTypeList.h"
#include "framework/gui/screens/ScreenLayout.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

namespace {

using NSTramvell::CFileTypeDescription;
using NSTramvell::CLocationRect;
using NSTramvell::CPoint;
using NSTramvell::CRect;

TEST(AcceptChosenFolderPath, TakesDriveAndNetworkPathsOnly)
{
    const struct
    {
        const char* chosen;
        std::optional<std::string> accepted;
    } kCases[] = {
        {"C:\\", "C:\\"},
        {"C:", "C:\\"},
        {"D:\\Out\\\\", "D:\\Out\\"},
        {"\\\\srv\\share", "\\\\srv\\share\\"},
        {"\\\\s", "\\\\s\\"},
        {"\\\\", std::nullopt},
        {"", std::nullopt},
        {"C", std::nullopt},
        {"Desktop", std::nullopt},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.chosen);
        EXPECT_EQ(NSTramvell::AcceptChosenFolderPath(c.chosen), c.accepted);
    }
}

TEST(SaveChooserNames, StartWithTheTypesExtensionAndFollowTypeChanges)
{
    const CFileTypeDescription xyz("Xyz", "..xyz;.abc", "XYZ ");
    EXPECT_EQ(NSTramvell::MakeInitialFileName("Untitled.abc", xyz), "Untitled..xyz");
    EXPECT_EQ(NSTramvell::MakeInitialFileName("Untitled.abc", CFileTypeDescription("X", ".xyz", "XYZ ")),
              "Untitled.xyz");
    EXPECT_EQ(NSTramvell::GetDefaultExtension(xyz), "xyz");
    EXPECT_EQ(NSTramvell::MakeInitialFileName(std::string(300, 'n'), xyz).size(), 259u);
    EXPECT_THROW(NSTramvell::MakeInitialFileName("x", CFileTypeDescription("None", "", "NONE")), std::out_of_range);

    NSTramvell::CFileTypeList types;
    types.Append(CFileTypeDescription("Kaplet", ".kpl", "KPL "));
    types.Append(CFileTypeDescription("Sound", ".wav;.aif", "WAVE"));
    const struct
    {
        const char* field;
        std::optional<std::string> renamed;
    } kCases[] = {
        {"Bank", "Bank.wav"},
        {"Bank.kpl", "Bank.wav"},
        {"Bank.AIF", "Bank.wav"},
        {"Bank.doc", std::nullopt},
        {"", std::nullopt},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.field);
        EXPECT_EQ(NSTramvell::RenameForTypeChange(c.field, "wav", types), c.renamed);
    }
}

TEST(FileSpecFromChooserResult, SplitsAtTheOffsets)
{
    const struct
    {
        const char* path;
        std::uint16_t nameOffset;
        std::uint16_t extensionOffset;
        const char* folder;
        const char* name;
        const char* extension;
    } kCases[] = {
        {"C:\\Out\\Bank.kpl", 7, 12, "C:\\Out\\", "Bank", ".kpl"},
        {"C:\\Out\\Bank", 7, 0, "C:\\Out\\", "Bank", ""},
        // The platform points past the end when the name ends in a dot.
        {"C:\\Out\\Bank.", 7, 12, "C:\\Out\\", "Bank", "."},
        // An offset without a dot before it is no extension.
        {"C:\\Out\\Bank", 7, 9, "C:\\Out\\", "Bank", ""},
        {"C:\\Bank.tar.gz", 3, 12, "C:\\", "Bank.tar", ".gz"},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.path);
        const NSTramvell::CFileSpec file =
            NSTramvell::FileSpecFromChooserResult(c.path, c.nameOffset, c.extensionOffset);
        EXPECT_EQ(file.GetDirectoryPath(), c.folder);
        EXPECT_EQ(file.GetName(), c.name);
        EXPECT_EQ(file.GetExtension(), c.extension);
    }
}

TEST(CenterOverFrame, CentresOverTheFrameAndKeepsToItsScreen)
{
    NSTramvell::CMonitorRecord left{CRect(0, 0, 1000, 800), CRect(0, 0, 1000, 760), 32, true};
    NSTramvell::CMonitorRecord right{CRect(1000, 0, 2000, 800), CRect(1000, 0, 2000, 800), 32, false};
    const NSTramvell::CScreenLayout screens({left, right}, left);
    const CRect mainScreen(0, 0, 1000, 800);
    const CLocationRect outer = NSTramvell::ExpandByMargins(CLocationRect(3, 25, 3, 3), CLocationRect(0, 0, 200, 100));
    ASSERT_EQ(outer, CLocationRect(-3, -25, 203, 103));
    const struct
    {
        const char* name;
        std::optional<CRect> frame;
        bool minimized;
        CLocationRect placed;
    } kCases[] = {
        {"over the frame", CRect(1100, 100, 1500, 500), false, CLocationRect(1197, 236, 1403, 364)},
        {"minimised frame: its screen's work area", CRect(1100, 100, 1500, 500), true,
         CLocationRect(1397, 336, 1603, 464)},
        {"frame at the bottom: pulled up", CRect(0, 700, 400, 760), false, CLocationRect(97, 632, 303, 760)},
        {"no frame: the main screen", std::nullopt, false, CLocationRect(397, 336, 603, 464)},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(NSTramvell::CenterOverFrame(outer, c.frame, c.minimized, screens, mainScreen), c.placed);
    }
    const CLocationRect huge(0, 0, 3000, 2000);
    EXPECT_EQ(NSTramvell::CenterOverFrame(huge, CRect(1100, 100, 1500, 500), false, screens, mainScreen),
              CLocationRect(1000, 0, 4000, 2000));
}


TEST(ShrinkByMargins, UndoesExpandByMargins)
{
    const CLocationRect margins(3, 25, 4, 5);
    const CLocationRect inner(10, 20, 210, 120);
    const CLocationRect outer = NSTramvell::ExpandByMargins(margins, inner);
    EXPECT_EQ(outer, CLocationRect(7, -5, 214, 125));
    EXPECT_EQ(NSTramvell::ShrinkByMargins(margins, outer), inner);
}

TEST(CascadeInArea, TakesTheEmptiestSlotAndStaysInsideTheArea)
{
    const CRect area(100, 50, 900, 650);
    const CLocationRect outer(-3, -25, 297, 175);
    const struct
    {
        const char* name;
        std::vector<CPoint> others;
        CLocationRect placed;
    } kCases[] = {
        {"nothing open", {}, CLocationRect(100, 50, 400, 250)},
        {"first slot taken", {CPoint(100, 50)}, CLocationRect(130, 80, 430, 280)},
        {"a window off the slots", {CPoint(101, 50)}, CLocationRect(100, 50, 400, 250)},
        {"two on the first, one on the second", {CPoint(100, 50), CPoint(100, 50), CPoint(130, 80)},
         CLocationRect(160, 110, 460, 310)},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(NSTramvell::CascadeInArea(outer, area, 30, c.others), c.placed);
    }
    // A slot whose window would leave the area is pulled back in; one larger than the area keeps its corner.
    std::vector<CPoint> full;
    for (int slot = 0; slot < 7; ++slot)
        full.emplace_back(100 + 30 * slot, 50 + 30 * slot);
    EXPECT_EQ(NSTramvell::CascadeInArea(CLocationRect(0, 0, 600, 500), area, 30, full),
              CLocationRect(300, 150, 900, 650));
    EXPECT_EQ(NSTramvell::CascadeInArea(CLocationRect(0, 0, 1000, 700), area, 30, {}),
              CLocationRect(100, 50, 1100, 750));
}

} // namespace
