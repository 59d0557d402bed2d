// Loads the real Brakvel.dll, as the program does, and calls it through its exported names only.

#include "framework/foundation/platform/win32/PlatformWin32.h"
#include "libs/rawdisk/Brakvel.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using namespace NSBrakvel;

using CreateVolumeIteratorFunction = IVolumeIterator* (*)(int*);
using DeleteMemoryFunction = void (*)(void*);
using SetterFunction = int (*)(void*);

class BrakvelDll : public testing::Test
{
protected:
    void SetUp() override
    {
        mModule = LoadLibraryA("Brakvel.dll");
        ASSERT_NE(mModule, nullptr) << "error " << GetLastError();
    }
    void TearDown() override
    {
        if (mModule)
            FreeLibrary(mModule);
    }

    template <typename F>
    F Find(const char* name)
    {
        return reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(mModule, name)));
    }

    HMODULE mModule = nullptr;
};

// The CD-ROM and removable drives of this machine other than A: and B:, asked of the system directly.
std::vector<std::string> RemovableDrives()
{
    char strings[512] = {};
    const DWORD length = GetLogicalDriveStringsA(sizeof strings, strings);
    std::vector<std::string> drives;
    for (const char* root = strings; root < strings + length && *root; root += std::string(root).size() + 1) {
        const std::string path = root;
        const UINT type = GetDriveTypeA(root);
        if (path != "A:\\" && path != "B:\\" && (type == DRIVE_CDROM || type == DRIVE_REMOVABLE))
            drives.push_back(path);
    }
    return drives;
}

TEST_F(BrakvelDll, ExportsItsFourFunctionsByName)
{
    for (const char* name : {"Brakvel_CreateVolumeIterator", "Brakvel_DeleteMemory", "Brakvel_SetDebugger",
                             "Brakvel_SetDiskMountingFilter"})
        EXPECT_NE(Find<void (*)()>(name), nullptr) << name;
}

TEST_F(BrakvelDll, SettersAcceptNull)
{
    const auto setDebugger = Find<SetterFunction>("Brakvel_SetDebugger");
    const auto setFilter = Find<SetterFunction>("Brakvel_SetDiskMountingFilter");
    ASSERT_TRUE(setDebugger && setFilter);
    EXPECT_EQ(setDebugger(nullptr), kBrakvelSuccess);
    EXPECT_EQ(setFilter(nullptr), kBrakvelSuccess);
}

TEST_F(BrakvelDll, IteratesTheDrivesOfThisMachine)
{
    const auto create = Find<CreateVolumeIteratorFunction>("Brakvel_CreateVolumeIterator");
    ASSERT_TRUE(create);
    int status = 0;
    IVolumeIterator* iterator = create(&status);
    ASSERT_EQ(status, kBrakvelSuccess);
    ASSERT_NE(iterator, nullptr);

    const std::vector<std::string> drives = RemovableDrives();
    if (drives.empty()) {
        status = 0;
        EXPECT_EQ(iterator->Next(&status), nullptr);
        EXPECT_EQ(status, kBrakvelSuccess);
    }
    EXPECT_EQ(iterator->Release(), kBrakvelSuccess);
    if (!drives.empty())
        GTEST_SKIP() << "this machine has " << drives.size() << " CD-ROM or removable drives, first " << drives[0];
}

} // namespace
