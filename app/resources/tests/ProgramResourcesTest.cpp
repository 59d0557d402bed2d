// The program's resources as the running program finds them: the test program links the program's own
// resource script.

#include "app/strings/UIStringTables.h"
#include "conversion/log/ConversionStrings.h"
#include "conversion/log/HTMLLog.h"
#include "framework/foundation/core/ByteOrder.h"
#include "framework/foundation/core/Media.h"
#include "framework/foundation/modules/CodeModule.h"
#include "framework/foundation/modules/DLLOperations.h"
#include "framework/foundation/modules/ModuleReference.h"
#include "framework/foundation/modules/Version.h"
#include "framework/foundation/modules/tests/TestProgramModule.h"
#include "framework/foundation/platform/win32/PlatformWin32.h"
#include "framework/foundation/strings/StringManager.h"
#include "framework/gui/dialogs/AlertScript.h"
#include "framework/gui/dialogs/DialogTemplate.h"
#include "framework/gui/menus/Menu.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <stdexcept>
#include <vector>

namespace {

using NSTramvell::CModuleReference;

std::string ReadSourceFile(const std::string& relativePath)
{
    std::ifstream file("Z:" + std::string(DRAVIM_SOURCE_DIR) + "/" + relativePath, std::ios::binary);
    if (!file)
        throw std::runtime_error("cannot open " + relativePath);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

std::string ResourceBytes(const CModuleReference& module, const char* type, std::uint16_t id)
{
    const std::unique_ptr<NSTramvell::COwnedMemoryMedia> media = module.LoadResource(type, id);
    return std::string(reinterpret_cast<const char*>(media->GetBuffer()), media->GetSize());
}

class CModuleScripts : public NSTramvell::IStringResourceReader
{
public:
    explicit CModuleScripts(const CModuleReference& module)
        : mModule(module)
    {
    }
    bool HasStringResource(const NSTramvell::CResourceKey& key) override
    {
        return mModule.HasResource(key.GetType(), key.GetNumber());
    }
    std::unique_ptr<NSTramvell::CMedia> ReadStringResource(const NSTramvell::CResourceKey& key) override
    {
        return mModule.LoadResource(key.GetType(), key.GetNumber());
    }

private:
    CModuleReference mModule;
};

// A DIALOG (not DIALOGEX) template read field by field; its texts and classes in 8-bit form.
struct CTemplateItem
{
    std::uint16_t id;
    std::int16_t x, y, width, height;
    std::string className;
    std::string text;
};

struct CDialogTemplateBytes
{
    std::uint32_t style;
    std::int16_t width, height;
    std::uint16_t pointSize;
    std::string font;
    std::vector<CTemplateItem> items;
};

class CTemplateReader
{
public:
    explicit CTemplateReader(std::string bytes)
        : mBytes(std::move(bytes))
    {
    }
    std::uint16_t Word()
    {
        if (mAt + 2 > mBytes.size())
            throw std::runtime_error("template ends early");
        const std::uint16_t value = NSTramvell::ReadLittleEndian16(
            reinterpret_cast<const std::uint8_t*>(mBytes.data()) + mAt);
        mAt += 2;
        return value;
    }
    std::uint32_t Long()
    {
        const std::uint32_t low = Word();
        return low | (std::uint32_t{Word()} << 16);
    }
    // A zero-ended UTF-16 text, or 0xFFFF and an ordinal (given as "#ordinal").
    std::string TextOrOrdinal()
    {
        std::uint16_t unit = Word();
        if (unit == 0xFFFF)
            return "#" + std::to_string(Word());
        std::string text;
        for (; unit != 0; unit = Word())
            text += static_cast<char>(unit);
        return text;
    }
    void AlignToLong() { mAt = (mAt + 3) & ~std::size_t{3}; }

private:
    std::string mBytes;
    std::size_t mAt = 0;
};

CDialogTemplateBytes ReadDialogTemplate(const CModuleReference& module, std::uint16_t id)
{
    CTemplateReader reader(ResourceBytes(module, "DLOG", id));
    CDialogTemplateBytes result;
    result.style = reader.Long();
    reader.Long();  // extended style
    const std::uint16_t count = reader.Word();
    reader.Word();
    reader.Word();
    result.width = static_cast<std::int16_t>(reader.Word());
    result.height = static_cast<std::int16_t>(reader.Word());
    reader.TextOrOrdinal();  // menu
    reader.TextOrOrdinal();  // class
    reader.TextOrOrdinal();  // title
    if ((result.style & DS_SETFONT) != 0) {
        result.pointSize = reader.Word();
        result.font = reader.TextOrOrdinal();
    }
    for (std::uint16_t i = 0; i < count; ++i) {
        reader.AlignToLong();
        reader.Long();  // style
        reader.Long();  // extended style
        CTemplateItem item;
        item.x = static_cast<std::int16_t>(reader.Word());
        item.y = static_cast<std::int16_t>(reader.Word());
        item.width = static_cast<std::int16_t>(reader.Word());
        item.height = static_cast<std::int16_t>(reader.Word());
        item.id = reader.Word();
        item.className = reader.TextOrOrdinal();
        item.text = reader.TextOrOrdinal();
        const std::uint16_t extraBytes = reader.Word();
        for (std::uint16_t skipped = 0; skipped < extraBytes; skipped += 2)
            reader.Word();
        result.items.push_back(item);
    }
    return result;
}

const CTemplateItem& Item(const CDialogTemplateBytes& dialog, std::uint16_t id)
{
    for (const CTemplateItem& item : dialog.items) {
        if (item.id == id)
            return item;
    }
    throw std::runtime_error("no item " + std::to_string(id));
}

class ProgramResourcesTest : public ::testing::Test
{
protected:
    std::unique_ptr<NSTramvell::CABCCodeModule> mModule = NSModuleTestSupport::MakeTestProgramModule("Dravim");
    CModuleReference mResources = mModule->GetResourceFile();
};

} // namespace

TEST_F(ProgramResourcesTest, InstalledTablesHoldTheProgramsTextsAndTemplates)
{
    CModuleScripts scripts(mResources);
    NSTramvell::CreateStringManager(scripts);
    InstallUIStringTables();
    NSTramvell::DestroyStringManager();
    EXPECT_EQ(NSConverter::GetConversionString(UIStringReference(2000)),
              "Created from an Akai disc with Quenholt Dravim.");
    EXPECT_EQ(NSLogger::GetLogString(UIStringReference(1004)), "End of Log");
    for (std::uint16_t id = 128; id <= 141; ++id) {
        SCOPED_TRACE(id);
        const std::string file = ReadSourceFile("conversion/resources/log-templates/" + std::to_string(id) + ".htm");
        EXPECT_EQ(NSLogger::GetHTMLTemplate(id), file);
    }
}

TEST_F(ProgramResourcesTest, PicturesAreTheCommittedFilesByteForByte)
{
    const struct
    {
        const char* type;
        std::uint16_t id;
        const char* file;
    } kPictures[] = {{"JPEG", 128, "conversion/resources/splash.jpg"},
                     {"BMPF", 128, "app/resources/art/skin.bmp"},
                     {"BMPF", 129, "app/resources/art/about.bmp"}};
    for (const auto& picture : kPictures) {
        SCOPED_TRACE(picture.file);
        EXPECT_EQ(ResourceBytes(mResources, picture.type, picture.id), ReadSourceFile(picture.file));
    }
}

TEST_F(ProgramResourcesTest, FatalErrorTextsLoadWithTheirQuotes)
{
    const struct
    {
        UINT id;
        const char* text;
    } kTexts[] = {
        {10000, "Error"},
        {10001, "This application requires at least Windows 98 or Windows NT 4.0 to run!"},
        {10002, "This application requires the system file \"SHELL32.DLL\" to be of version 4.00 or later!"},
        {10003, "This application requires the system file \"COMCTL32.DLL\" to be of version 4.71 or later!"},
        {10004, "The application cannot run for an unknown reason! Please contact technical support for assistance."}};
    for (const auto& entry : kTexts) {
        SCOPED_TRACE(entry.id);
        char buffer[512] = {};
        const int length = ::LoadStringA(::GetModuleHandleA(nullptr), entry.id, buffer, sizeof buffer);
        EXPECT_EQ(std::string(buffer, length > 0 ? length : 0), entry.text);
    }
}

TEST_F(ProgramResourcesTest, VersionBlockStatesTheOneBuildVersion)
{
    const NSTramvell::CTramvellFileVersion version = mModule->GetVersion();
    EXPECT_EQ(version.GetMajor(), 1);
    EXPECT_EQ(version.GetMinor(), 0);
    EXPECT_EQ(version.GetBugfix(), 1);
    EXPECT_EQ(version.GetStage(), NSTramvell::EVersionStage::kRelease);
    EXPECT_EQ(version.GetBuildNumber(), 140);
    EXPECT_EQ(NSTramvell::ReadProductVersion(mResources), "1.0.1");
}

TEST_F(ProgramResourcesTest, ManifestBringsCommonControlsSix)
{
    EXPECT_TRUE(NSTramvell::NSDLLOperations::IsDLLVersionAtLeast("comctl32.dll", 6, 0));
}

TEST_F(ProgramResourcesTest, DialogTemplatesHoldTheWindowLayouts)
{
    const CDialogTemplateBytes window = ReadDialogTemplate(mResources, 128);
    EXPECT_EQ(window.width, 332);
    EXPECT_EQ(window.height, 227);
    EXPECT_EQ(window.font, "MS Sans Serif");
    EXPECT_EQ(window.pointSize, 8);
    const CTemplateItem& exitButton = Item(window, 4);
    EXPECT_EQ(exitButton.text, "Exit");
    EXPECT_EQ((std::vector<int>{exitButton.x, exitButton.y, exitButton.width, exitButton.height}),
              (std::vector<int>{276, 195, 47, 14}));

    EXPECT_NE(Item(ReadDialogTemplate(mResources, 129), 2).text.find("computer.\n\nNote:"), std::string::npos);

    const CDialogTemplateBytes error = ReadDialogTemplate(mResources, 135);
    EXPECT_EQ(error.width, 213);
    EXPECT_EQ(error.height, 74);
    const CTemplateItem& ignore = Item(error, 1);
    EXPECT_EQ((std::vector<int>{ignore.x, ignore.y, ignore.width, ignore.height}), (std::vector<int>{12, 53, 50, 14}));
    const CTemplateItem& icon = Item(error, 4);
    EXPECT_EQ((std::vector<int>{icon.x, icon.y, icon.width, icon.height}), (std::vector<int>{10, 10, 20, 20}));
    EXPECT_EQ(Item(error, 5).text.substr(0, 3), "^0\r");

    const std::size_t kItemCounts[] = {4, 3, 6, 2, 0, 5, 1, 5, 4};
    for (std::uint16_t id = 128; id <= 136; ++id) {
        SCOPED_TRACE(id);
        const CDialogTemplateBytes dialog = ReadDialogTemplate(mResources, id);
        EXPECT_EQ(dialog.items.size(), kItemCounts[id - 128]);
        EXPECT_EQ(dialog.font, "MS Sans Serif");
    }
}

// The templates as the framework reads them for its views: sizes and rectangles in pixels at the
// template font's base units.
TEST_F(ProgramResourcesTest, TemplatesLoadAsTheLayoutsTheViewsAreBuiltFrom)
{
    using NSTramvell::CDialogTemplate;
    using NSTramvell::CPoint;
    using NSTramvell::CRect;
    const CDialogTemplate window = CDialogTemplate::Load(128);
    EXPECT_EQ(window.GetSize(), CPoint(498, 368));
    EXPECT_EQ(window.GetItemRect(4), CRect(414, 316, 484, 338));
    EXPECT_EQ(window.GetItemText(4), "Exit");
    EXPECT_NE(CDialogTemplate::Load(129).GetItemText(2).find("computer.\n\nNote:"), std::string::npos);
    const CDialogTemplate error = CDialogTemplate::Load(135);
    EXPECT_EQ(error.GetSize(), CPoint(319, 120));
    EXPECT_EQ(error.GetItemRect(1), CRect(18, 86, 93, 108));
    EXPECT_EQ(error.FindItem(4).GetKind(), NSTramvell::kDialogItemIcon);
    EXPECT_EQ(CDialogTemplate::Load(134).FindItem(1).GetKind(), NSTramvell::kDialogItemCustom);
    for (std::uint16_t id = 130; id <= 136; ++id) {
        SCOPED_TRACE(id);
        EXPECT_NO_THROW(CDialogTemplate::Load(id));
    }
}

TEST_F(ProgramResourcesTest, EveryAlertParsesWithItsKindAndButtons)
{
    const std::vector<NSTramvell::CStringScriptEntry> entries =
        NSTramvell::ParseScript(ResourceBytes(mResources, "SALR", 128));
    const struct
    {
        std::uint16_t id;
        std::uint32_t kind;
        const char* title;
        std::vector<std::string> buttons;   // button 1 first
    } kAlerts[] = {
        {2, NSTramvell::kAlertStop, "Folder not empty", {"OK"}},
        {3, NSTramvell::kAlertWarning, "", {"Keep", "Delete"}},
        {4, NSTramvell::kAlertNote, "", {"OK"}},
        {5, NSTramvell::kAlertStop, "", {"OK"}},
        {6, NSTramvell::kAlertNote, "Multiple Akai disks found!", {"Quit"}},
        {7, NSTramvell::kAlertWarning, "", {"Keep", "Delete"}},
        {8, NSTramvell::kAlertWarning, "Kaplet packing aborted!", {"Delete", "Keep"}},
        {9, NSTramvell::kAlertStop, "Disk could not be ejected!", {"Quit"}},
        {10, NSTramvell::kAlertStop, "", {"OK"}},
        {11, NSTramvell::kAlertStop, "Can not open web page", {"OK"}},
        {12, NSTramvell::kAlertWarning, "", {"OK"}},
        {14, NSTramvell::kAlertNote, "", {"Quit"}},
        {15, NSTramvell::kAlertNote, "", {"OK"}},
    };
    ASSERT_EQ(entries.size(), std::size(kAlerts));
    for (std::size_t i = 0; i < entries.size(); ++i) {
        SCOPED_TRACE(entries[i].id);
        EXPECT_EQ(entries[i].id, kAlerts[i].id);
        const NSTramvell::CAlertScript alert = NSTramvell::ParseAlertScript(entries[i].text, {"by the user"});
        EXPECT_EQ(alert.kind, kAlerts[i].kind);
        EXPECT_EQ(alert.title, kAlerts[i].title);
        EXPECT_FALSE(alert.message.empty());
        EXPECT_EQ(std::vector<std::string>(alert.labels.begin(), alert.labels.begin() + alert.labelCount),
                  kAlerts[i].buttons);
    }
}

TEST_F(ProgramResourcesTest, MenuScriptBuildsTheThreeMenusWithCommandsAndControlKeys)
{
    CModuleScripts scripts(mResources);
    NSTramvell::CreateStringManager(scripts);
    struct CItem
    {
        std::string text;   // "-" a separator
        std::uint32_t command;
        char controlKey;    // 0 for none
    };
    const struct
    {
        std::string title;
        std::vector<CItem> items;
    } kMenus[] = {
        {"Dravim", {{"About Dravim", 400, 0}, {"-", 0, 0}, {"Exit", 10, 0}}},
        {"Edit", {{"Undo", 100, 'Z'}, {"-", 0, 0}, {"Cut", 101, 'X'}, {"Copy", 102, 'C'}, {"Paste", 103, 'V'},
                  {"Clear", 104, 0}}},
        {"Contacts", {{"Go to the Quenholt Homepage", 200, 0}, {"Dravim Tech Info and Support", 201, 0}}},
    };
    for (std::int32_t entry = 1; entry <= 3; ++entry) {
        SCOPED_TRACE(entry);
        const auto& expected = kMenus[entry - 1];
        const std::unique_ptr<NSTramvell::CMenu> menu = NSTramvell::LoadMenuResource(401280000 + entry);
        EXPECT_EQ(menu->GetTitle().GetString(), expected.title);
        ASSERT_EQ(menu->GetItemCount(), expected.items.size());
        for (std::uint16_t i = 0; i < menu->GetItemCount(); ++i) {
            const NSTramvell::CMenuItem item = menu->GetItem(i);
            const CItem& want = expected.items[i];
            SCOPED_TRACE(want.text);
            if (want.text == "-") {
                EXPECT_EQ(item.mKind, NSTramvell::kSeparatorItem);
                continue;
            }
            EXPECT_EQ(item.mText.GetString(), want.text);
            EXPECT_EQ(item.mCommandId, want.command);
            EXPECT_EQ(item.mWithControl != 0, want.controlKey != 0);
            EXPECT_EQ(NSTramvell::GetKeyEquivalentCharacter(item.mKeyEquivalent), want.controlKey);
        }
    }
    NSTramvell::DestroyStringManager();
}
