#include "framework/gui/shell/ShellItem.h"

#include "framework/foundation/core/Exceptions.h"
#include "framework/foundation/core/Media.h"
#include "framework/foundation/files/FileSpec.h"
#include "framework/foundation/files/VolumeSpec.h"
#include "framework/foundation/files/tests/FilesTestSupport.h"
#include "framework/foundation/platform/win32/PlatformTables.h"
#include "framework/gui/application/GuiExceptions.h"
#include "framework/gui/images/IconCache.h"
#include "framework/gui/shell/ShellItemList.h"

#include <objbase.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

using namespace NSTramvell;

namespace {

class ShellItemTest : public testing::Test
{
protected:
    // COM as the program entry sets it up.
    ShellItemTest() { GetKernelTable().CoInitialize(nullptr); }
    ~ShellItemTest() override { GetKernelTable().CoUninitialize(); }

    NSFilesTest::CScratchFolder mFolder;
};

// A shortcut file that points at the target, written through the shell's own link object.
void SaveShortcut(const std::string& shortcutPath, const std::string& targetPath)
{
    IShellLinkA* link = nullptr;
    ASSERT_EQ(::CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                 reinterpret_cast<void**>(&link)),
              S_OK);
    link->SetPath(targetPath.c_str());
    IPersistFile* file = nullptr;
    ASSERT_EQ(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)), S_OK);
    wchar_t widePath[MAX_PATH] = L"";
    ::MultiByteToWideChar(CP_ACP, 0, shortcutPath.c_str(), -1, widePath, MAX_PATH);
    EXPECT_EQ(file->Save(widePath, TRUE), S_OK);
    file->Release();
    link->Release();
}

} // namespace

TEST_F(ShellItemTest, TellsDriveRootsFoldersAndFilesApart)
{
    NSFilesTest::WriteWholeFile(mFolder.GetPath() + "plain.txt", "x");
    for (const char* root : {"C:", "C:\\"}) {
        SCOPED_TRACE(root);
        const CShellItem item{std::string(root)};
        EXPECT_TRUE(item.IsDriveRoot());
        EXPECT_TRUE(item.IsFolder());
        EXPECT_EQ(item.GetVolumeSpec().GetName(), "C:\\");
    }
    const CShellItem folder(mFolder.GetDirSpec());
    EXPECT_TRUE(folder.IsFolder());
    EXPECT_FALSE(folder.IsDriveRoot());
    EXPECT_FALSE(folder.IsPlainFile());
    EXPECT_EQ(folder.GetDirSpec(), mFolder.GetDirSpec());
    EXPECT_THROW(folder.GetFileSpec(), XShell);
    EXPECT_THROW(folder.GetVolumeSpec(), XShell);

    const CShellItem file(mFolder.GetFile("plain.txt"));
    EXPECT_TRUE(file.IsPlainFile());
    EXPECT_FALSE(file.IsFolder());
    EXPECT_FALSE(file.IsFileSystemLink());
    EXPECT_EQ(file.GetFileSpec(), mFolder.GetFile("plain.txt"));
    EXPECT_EQ(file.GetDisplayName().substr(0, 5), "plain");
    EXPECT_THROW(file.GetDirSpec(), XShell);
    EXPECT_EQ(file.GetParent(), folder);
}

TEST_F(ShellItemTest, PathsTheShellCannotFindAreNotFound)
{
    const std::string longPath = mFolder.GetPath() + std::string(300, 'a');
    for (const std::string& path : {mFolder.GetPath() + "missing.txt", longPath}) {
        SCOPED_TRACE(path.size());
        EXPECT_THROW(CShellItem{path}, XShellItemNotFound);
    }
}

TEST_F(ShellItemTest, TheDefaultItemIsTheDesktopAndTheParentOfTopLevelItems)
{
    const CShellItem desktop;
    EXPECT_FALSE(HasListItems(desktop.GetItemList()));
    EXPECT_TRUE(desktop.IsFolder());
    const CShellItem root{std::string("C:\\")};
    const CShellItem topLevel = root.GetParent();   // "My Computer"
    ASSERT_EQ(CountListItems(topLevel.GetItemList()), 1);
    EXPECT_EQ(topLevel.GetParent(), desktop);
    // The computer holds the drives but is no place on any of them.
    EXPECT_THROW(topLevel.GetPath(), XShellFileSystemObjectNotFound);
    EXPECT_THROW(topLevel.GetDirSpec(), XShell);
}

TEST_F(ShellItemTest, AFolderIsTheSameItemFromItsPathAndFromItsDirSpec)
{
    const CShellItem byPath{mFolder.GetPath()};
    const CShellItem bySpec(mFolder.GetDirSpec());
    EXPECT_EQ(byPath, bySpec);
    CShellItem assigned;
    assigned = byPath;
    EXPECT_EQ(assigned, bySpec);
    EXPECT_NE(assigned, CShellItem());
}

TEST_F(ShellItemTest, AStoredItemReadsBackAsTheSameItem)
{
    NSFilesTest::WriteWholeFile(mFolder.GetPath() + "stored.txt", "x");
    const CShellItem file(mFolder.GetFile("stored.txt"));
    COwnedMemoryMedia media;
    file.Write(media);
    media.SetPosition(0);
    const CShellItem read(media);
    EXPECT_EQ(read, file);
    EXPECT_EQ(GetListSize(read.GetItemList()), GetListSize(file.GetItemList()));
    EXPECT_TRUE(read.IsPlainFile());

    // One byte of the list lost.
    COwnedMemoryMedia cut(media.GetSize() - 1, media.GetBuffer());
    EXPECT_THROW(CShellItem{cut}, XBadFormat);
}

TEST_F(ShellItemTest, AShortcutResolvesToItsTarget)
{
    NSFilesTest::WriteWholeFile(mFolder.GetPath() + "target.txt", "x");
    const std::string shortcutPath = mFolder.GetPath() + "target.lnk";
    SaveShortcut(shortcutPath, mFolder.GetPath() + "target.txt");
    const CShellItem shortcut{shortcutPath};
    EXPECT_TRUE(shortcut.IsFileSystemLink());
    EXPECT_FALSE(shortcut.IsPlainFile());
    EXPECT_EQ(shortcut.Resolve(), CShellItem(mFolder.GetFile("target.txt")));

    // The shortcut file gone from under its item.
    ASSERT_TRUE(::DeleteFileA(shortcutPath.c_str()));
    EXPECT_THROW(shortcut.Resolve(), XShell);
}

TEST_F(ShellItemTest, IteratesEveryItemOfAFolderHiddenOnesToo)
{
    NSFilesTest::WriteWholeFile(mFolder.GetPath() + "one.txt", "1");
    NSFilesTest::WriteWholeFile(mFolder.GetPath() + "two.txt", "2");
    NSFilesTest::WriteWholeFile(mFolder.GetPath() + "hidden.txt", "h");
    ASSERT_TRUE(::SetFileAttributesA((mFolder.GetPath() + "hidden.txt").c_str(), FILE_ATTRIBUTE_HIDDEN));
    ASSERT_TRUE(::CreateDirectoryA((mFolder.GetPath() + "sub").c_str(), nullptr));

    std::set<std::string> paths;
    int folders = 0;
    for (CShellContainerIterator iterator{CShellItem(mFolder.GetDirSpec())}; !iterator.IsAtEnd(); iterator.Advance()) {
        const CShellItem item = iterator.GetItem();
        paths.insert(item.GetPath());
        folders += item.IsFolder() ? 1 : 0;
    }
    const std::string base = mFolder.GetDirSpec().GetPath();
    EXPECT_EQ(paths, (std::set<std::string>{base + "hidden.txt", base + "one.txt", base + "sub", base + "two.txt"}));
    EXPECT_EQ(folders, 1);
    ::SetFileAttributesA((mFolder.GetPath() + "hidden.txt").c_str(), FILE_ATTRIBUTE_NORMAL);
}

namespace {

std::vector<UINT> gIconRequests;
const void* gIconRequestName = nullptr;
decltype(CKernelTable::SHGetFileInfoA) gRealGetFileInfo = nullptr;

} // namespace

// A shell item's icons are asked for by its identifier list, with the shell's list flag on every request,
// and two references to one item share one cached set.
TEST_F(ShellItemTest, IconsOfAnItemComeByItsListAndAreShared)
{
    gRealGetFileInfo = GetKernelTable().SHGetFileInfoA;
    gIconRequests.clear();
    const CShellItem item{mFolder.GetPath()};
    gIconRequestName = item.GetItemList();
    {
        CScopedTableEntry<decltype(CKernelTable::SHGetFileInfoA)> recording(
            GetKernelTable().SHGetFileInfoA,
            [](LPCSTR name, DWORD attributes, SHFILEINFOA* info, UINT size, UINT flags) -> DWORD_PTR {
                if (static_cast<const void*>(name) == gIconRequestName)
                    gIconRequests.push_back(flags);
                return gRealGetFileInfo(name, attributes, info, size, flags);
            });
        const CIconRef first(item);
        const CIconRef second(item);
        EXPECT_EQ(NSIconCacheInternal::GetCachedRecordCount(), 1);
    }
    EXPECT_EQ(NSIconCacheInternal::GetCachedRecordCount(), -1);
    // The key, the eight entries, then the key again for the second reference.
    EXPECT_EQ(gIconRequests, (std::vector<UINT>{0x1808, 0x109, 0x10109, 0x10B, 0x1010B, 0x10C, 0x1010C, 0x10E,
                                                0x1010E, 0x1808}));
}
