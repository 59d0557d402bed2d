#include "framework/foundation/modules/Resources.h"

#include "framework/foundation/core/Exceptions.h"
#include "framework/foundation/core/Media.h"
#include "framework/foundation/modules/ModuleReference.h"
#include "framework/foundation/strings/StringManager.h"
#include "framework/foundation/modules/tests/ModuleTestSupport.h"
#include "framework/foundation/platform/win32/PlatformTables.h"

#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <string>

using namespace NSTramvell;
using namespace NSModuleTestSupport;

namespace {

const std::string kTestBytes = "0123456789ABCDEF";  // resource "TEST" 7 of the versioned test library

class ResourceTest : public testing::Test
{
protected:
    CModuleReference mLibrary = OpenModule(GetFixtureLibrary("Versioned"));
};

// The application's reader of script resources, over one module.
class CModuleStringResources : public IStringResourceReader
{
public:
    explicit CModuleStringResources(const CModuleReference& module)
        : mModule(module)
    {
    }
    bool HasStringResource(const CResourceKey& key) override
    {
        return mModule.HasResource(key.GetType(), key.GetNumber());
    }
    std::unique_ptr<CMedia> ReadStringResource(const CResourceKey& key) override
    {
        return mModule.LoadResource(key.GetType(), key.GetNumber());
    }

private:
    CModuleReference mModule;
};

} // namespace

TEST_F(ResourceTest, FindsResourcesByTypeAndNumber)
{
    EXPECT_TRUE(mLibrary.HasResource("TEST", 7));
    EXPECT_TRUE(mLibrary.HasResource("SSTR", 128));
    EXPECT_TRUE(mLibrary.HasResource("SALR", 1));
    EXPECT_FALSE(mLibrary.HasResource("TEST", 8));
    EXPECT_FALSE(mLibrary.HasResource("SSTR", 7));
    EXPECT_EQ(mLibrary.GetResourceSize("TEST", 7), kTestBytes.size());
}

TEST_F(ResourceTest, CopyWithSmallerCapacityCopiesThatMuchAndReportsTheFullSize)
{
    std::array<char, 24> destination;
    destination.fill('*');
    std::uint32_t fullSize = 0;
    mLibrary.CopyResource("TEST", 7, destination.data(), fullSize, 5);
    EXPECT_EQ(fullSize, kTestBytes.size());
    EXPECT_EQ(std::string(destination.data(), 7), "01234**");

    destination.fill('*');
    fullSize = 0;
    mLibrary.CopyResource("TEST", 7, destination.data(), fullSize, destination.size());
    EXPECT_EQ(fullSize, kTestBytes.size());
    EXPECT_EQ(std::string(destination.data(), kTestBytes.size() + 1), kTestBytes + "*");
}

TEST_F(ResourceTest, LoadGivesAMediaAtPositionZero)
{
    const std::unique_ptr<COwnedMemoryMedia> media = mLibrary.LoadResource("TEST", 7);
    ASSERT_NE(media, nullptr);
    EXPECT_EQ(media->GetPosition(), 0);
    ASSERT_EQ(media->GetSize(), static_cast<std::int32_t>(kTestBytes.size()));
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(media->GetBuffer()), kTestBytes.size()), kTestBytes);
}

TEST_F(ResourceTest, MissingResourceThrowsXBaseFromEveryOperation)
{
    std::uint32_t fullSize = 0;
    char destination[4];
    EXPECT_THROW(mLibrary.GetResourceSize("TEST", 9), XBase);
    EXPECT_THROW(mLibrary.CopyResource("TEST", 9, destination, fullSize, sizeof destination), XBase);
    EXPECT_THROW(mLibrary.LoadResource("NONE", 7), XBase);
}

TEST_F(ResourceTest, ResourceThatCannotBeBroughtIntoMemoryThrowsXFile)
{
    {
        CScopedTableEntry noLoad(GetKernelTable().LoadResource, [](HMODULE, HRSRC) -> HGLOBAL { return nullptr; });
        EXPECT_THROW(mLibrary.LoadResource("TEST", 7), XFile);
    }
    {
        CScopedTableEntry noLock(GetKernelTable().LockResource, [](HGLOBAL) -> LPVOID { return nullptr; });
        std::uint32_t fullSize = 0;
        char destination[4];
        EXPECT_THROW(mLibrary.CopyResource("TEST", 7, destination, fullSize, sizeof destination), XFile);
    }
    EXPECT_NO_THROW(mLibrary.LoadResource("TEST", 7));
}

TEST_F(ResourceTest, DialogAndBitmapTypesNameThePlatformsStandardKinds)
{
    EXPECT_TRUE(mLibrary.HasResource("DLOG", 200));
    EXPECT_GT(mLibrary.GetResourceSize("DLOG", 200), 0u);
    EXPECT_EQ(mLibrary.GetResourceSize("BMP ", 300), std::strlen("BM-not-a-real-bitmap"));
    // The library holds them under the standard kinds only, not under the names.
    EXPECT_EQ(::FindResourceA(mLibrary.GetHandle(), MAKEINTRESOURCEA(200), "DLOG"), nullptr);
    EXPECT_NE(::FindResourceA(mLibrary.GetHandle(), MAKEINTRESOURCEA(200), MAKEINTRESOURCEA(5)), nullptr);

    const struct
    {
        const char* type;
        std::uint16_t kind;
    } kCases[] = {{"DLOG", 5}, {"BMP ", 2}, {"BMP", 0}, {"dlog", 0}, {"SSTR", 0}, {"DLOGX", 5}};
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.type);
        EXPECT_EQ(GetStandardResourceKind(c.type), c.kind);
        EXPECT_EQ(IsStandardResourceType(c.type), c.kind != 0);
    }
}

TEST(ResourceStrings, StringManagerReadsALibrarysStringTableThroughAModuleReference)
{
    CModuleStringResources reader(OpenModule(GetFixtureLibrary("Versioned")));
    CreateStringManager(reader);
    EXPECT_EQ(GetString(401280121), "Hello from the test library");
    EXPECT_EQ(GetString(401280122), "Second entry");
    EXPECT_THROW(GetString(401290121), XBase);
    DestroyStringManager();
}

TEST(ResourceStrings, TheTestProgramCarriesItsOwnScripts)
{
    const CModuleReference program = OpenProgramModule();
    EXPECT_TRUE(program.HasResource("SSTR", 128));
    EXPECT_TRUE(program.HasResource("SALR", 1));
}
