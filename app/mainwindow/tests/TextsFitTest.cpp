// Every text that the program's windows, pages and alerts show, measured with the font that draws it,
// fits its rectangle: the rectangles are dialog units of the templates, the font is whatever the platform
// has, so a face drawn wider or taller than the dialog font cuts lines off.

#include "app/coordinator/ProgressTexts.h"
#include "app/mainwindow/tests/WindowTestSupport.h"
#include "conversion/packer/PackerProgressListener.h"
#include "framework/foundation/strings/StringManager.h"
#include "framework/gui/dialogs/AlertScript.h"
#include "framework/gui/dialogs/DialogTemplate.h"
#include "framework/gui/drawing/NativeFont.h"

#include <cstdint>
#include <string>
#include <vector>

using namespace NSConversionCoordinator;
using NSMainWindowTest::CMainWindowTest;
using NSTramvell::CDialogTemplate;
using NSTramvell::CRect;

namespace {

constexpr std::uint16_t kAlertTemplate = 10005;
constexpr std::uint16_t kAlertMessageItem = 4;
constexpr std::int32_t kAlertScriptReference = 501280000;
// The alerts of the program's script 128.
constexpr std::int32_t kProgramAlerts[] = {2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 14, 15};

// What the program puts into the "^0" of a text: the abort causes, a long destination and the longest
// messages of a conversion (Akai names have 12 characters).
const char* const kAbortCauses[] = {"because there is not enough memory available", "because the disk is full",
                                    "because of a disk error", "because there was an unexpected error"};
constexpr char kLongDestination[] = "Akai Drum Library Conversions for the Studio Sessions of 2026";
constexpr char kLongMessage[] = "Writing sample DRUMKIT VOL1";

// Where a text would need more room than its rectangle, as the platform's text layout of the canvas
// (word breaks, no partial last line) measures it with the interface font.
class CTextMeasure
{
public:
    CTextMeasure()
        : mScreen(::GetDC(nullptr))
        , mFont(NSTramvell::CreateNativeFont(NSTramvell::GetControlFontSpec()))
        , mPrevious(::SelectObject(mScreen, mFont))
    {
    }
    ~CTextMeasure()
    {
        ::SelectObject(mScreen, mPrevious);
        ::DeleteObject(mFont);
        ::ReleaseDC(nullptr, mScreen);
    }
    CTextMeasure(const CTextMeasure&) = delete;
    CTextMeasure& operator=(const CTextMeasure&) = delete;

    void ExpectFits(const std::string& what, const std::string& text, const CRect& rect) const
    {
        RECT needed{0, 0, rect.GetWidth(), 0};
        ::DrawTextA(mScreen, text.c_str(), -1, &needed, DT_CALCRECT | DT_EDITCONTROL | DT_NOPREFIX | DT_WORDBREAK);
        EXPECT_LE(needed.bottom, rect.GetHeight()) << what << " \"" << text << "\" needs more lines";
        EXPECT_LE(needed.right, rect.GetWidth()) << what << " \"" << text << "\" has a word wider than its box";
    }

private:
    HDC mScreen;
    HFONT mFont;
    HGDIOBJ mPrevious;
};

std::string Filled(std::string text, const std::string& parameter)
{
    const auto at = text.find("^0");
    if (at != std::string::npos)
        text.replace(at, 2, parameter);
    return text;
}

using TTextsFit = CMainWindowTest;

TEST_F(TTextsFit, EveryStaticTextOfThePagesAndDialogsFitsItsRectangle)
{
    const CTextMeasure measure;
    // Template 131 holds only placeholders, filled below; 135 takes the conversion's error text.
    const std::uint16_t kTemplates[] = {129, 130, 133, 135, 136};
    const std::string errorText = "The sample \"DRUMKIT VOL1\" of volume \"DRUMS 1\" could not be read.";
    for (const std::uint16_t id : kTemplates) {
        const CDialogTemplate layout = CDialogTemplate::Load(id);
        int texts = 0;
        for (const NSTramvell::CDialogItem& item : layout.GetItems()) {
            if (item.GetKind() != NSTramvell::kDialogItemStatic || item.GetText().empty())
                continue;
            ++texts;
            measure.ExpectFits("template " + std::to_string(id) + " item " + std::to_string(item.GetId()),
                               Filled(item.GetText(), errorText), item.GetRect());
        }
        EXPECT_GT(texts, 0) << "template " << id << " lost its texts";
    }
}

TEST_F(TTextsFit, TheConvertingPagesHeadingsAndLongestBodiesFit)
{
    const CTextMeasure measure;
    const CDialogTemplate layout = CDialogTemplate::Load(131);
    for (const std::int32_t heading : {kConvertingHeading, kPackingHeading, kFinishingHeading})
        measure.ExpectFits("heading", NSTramvell::GetString(heading), layout.GetItemRect(1));

    const std::string bodies[] = {
        ConvertingBody(kLongDestination, 999u << 20, "Partition A", "DRUMS VOL 12", kLongMessage,
                       "less than two minutes"),
        FinishingBody(kLongDestination, 999u << 20, kDeletingConvertedFilesText),
        PackingBody(kLongDestination, 999u << 20, NSKapletPackerInterface::kPackerFinishing),
    };
    for (const std::string& body : bodies)
        measure.ExpectFits("body", body, layout.GetItemRect(2));
}

TEST_F(TTextsFit, EveryAlertOfTheProgramFitsTheAlertBoxesMessage)
{
    const CTextMeasure measure;
    const CRect message = CDialogTemplate::Load(kAlertTemplate).GetItemRect(kAlertMessageItem);
    for (const std::int32_t alert : kProgramAlerts) {
        const std::string script = NSTramvell::GetAlertScript(kAlertScriptReference + alert);
        for (const char* cause : kAbortCauses) {
            const NSTramvell::CAlertScript parsed = NSTramvell::ParseAlertScript(script, {cause});
            const std::string shown = parsed.title.empty() ? parsed.message : parsed.title + "\r" + parsed.message;
            measure.ExpectFits("alert " + std::to_string(alert), shown, message);
        }
    }
}

} // namespace
