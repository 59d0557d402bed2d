#include "framework/foundation/files/FileSpec.h"
#include "framework/foundation/files/PathForms.h"

#include "framework/foundation/core/Exceptions.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

using namespace NSTramvell;

namespace {

TEST(CFileSpec, SplitsAFullPathIntoFolderNameAndExtension)
{
    const struct
    {
        const char* fullPath;
        const char* folder;
        const char* name;
        const char* extension;
    } kCases[] = {
        {"C:\\data\\take.wav", "C:\\data\\", "take", ".wav"},
        {"C:\\readme", "C:\\", "readme", ""},
        {"C:\\x\\archive.tar.gz", "C:\\x\\", "archive.tar", ".gz"},
        {"C:\\x\\notes.markdown1", "C:\\x\\", "notes.markdown1", ""},
        {"C:\\x\\a.1234567", "C:\\x\\", "a", ".1234567"},
        {"C:\\x\\.profile", "C:\\x\\", "", ".profile"},
        {"\\\\server\\share\\b.WAV", "\\\\server\\share\\", "b", ".WAV"},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.fullPath);
        const CFileSpec file(c.fullPath);
        EXPECT_EQ(file.GetDirectoryPath(), c.folder);
        EXPECT_EQ(file.GetName(), c.name);
        EXPECT_EQ(file.GetExtension(), c.extension);
        EXPECT_EQ(file.GetFullPath(), c.fullPath);
    }
}

TEST(CFileSpec, AFullPathWithoutBackslashIsRefused)
{
    EXPECT_THROW(CFileSpec("readme.txt"), XBase);
    EXPECT_THROW(CFileSpec(""), XBase);
}

TEST(CFileSpec, EqualityIgnoresCaseOnly)
{
    EXPECT_TRUE(CFileSpec("C:\\A\\b.WAV") == CFileSpec("c:\\a\\B.wav"));
    EXPECT_FALSE(CFileSpec("C:\\A\\b.WAV") == CFileSpec("C:\\A\\c.WAV"));
    EXPECT_FALSE(CFileSpec("C:\\A\\b.WAV") == CFileSpec("C:\\A\\b.WAVE"));
}

TEST(CFileSpec, FolderNameAndExtensionConstructorAddsTheFoldersBackslash)
{
    const CFileSpec withBackslash("C:\\x\\", "take", ".wav");
    const CFileSpec withoutBackslash("C:\\x", "take", ".wav");
    EXPECT_EQ(withBackslash.GetFullPath(), "C:\\x\\take.wav");
    EXPECT_EQ(withoutBackslash.GetFullPath(), "C:\\x\\take.wav");
    EXPECT_EQ(withoutBackslash.GetDirSpec().GetPath(), "C:\\x\\");
}

TEST(CFileSpec, FileNamePassesTheFileRule)
{
    EXPECT_EQ(CFileSpec("C:\\x\\con.wav").GetFileName(), "_con.wav");
    EXPECT_EQ(CFileSpec("C:\\x\\take.wav").GetFileName(), "take.wav");
}

TEST(SplitFileNameAndExtension, TakesAtMostEightCharactersWithTheDot)
{
    const struct
    {
        const char* text;
        const char* name;
        const char* extension;
    } kCases[] = {
        {"a.txt", "a", ".txt"},
        {"archive.tar.gz", "archive.tar", ".gz"},
        {"a.1234567", "a", ".1234567"},
        {"notes.markdown1", "notes.markdown1", ""},
        {"plain", "plain", ""},
        {"", "", ""},
        {"trailing.", "trailing", "."},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.text);
        std::string name = "preset";
        std::string extension = "preset";
        SplitFileNameAndExtension(c.text, name, extension);
        EXPECT_EQ(name, c.name);
        EXPECT_EQ(extension, c.extension);
        EXPECT_EQ(GetFileNameExtension(c.text), c.extension);
    }
    EXPECT_EQ(GetFileNameStem(CFileName("song.wav")), "song");
}

TEST(CDirSpec, EndsWithExactlyOneBackslash)
{
    EXPECT_EQ(CDirSpec("C:\\x").GetPath(), "C:\\x\\");
    EXPECT_EQ(CDirSpec("C:\\x\\").GetPath(), "C:\\x\\");
    EXPECT_EQ(CDirSpec("C:\\").GetPath(), "C:\\");
    EXPECT_EQ(CDirSpec("C:\\x").GetSubFolder("y").GetPath(), "C:\\x\\y\\");
}

TEST(CDirSpec, APathWithoutAbsoluteFormIsRefused)
{
    EXPECT_THROW(CDirSpec(""), XBase);
}

TEST(CDirSpec, FolderNameIsTheLastComponentUnderTheFolderRule)
{
    EXPECT_EQ(CDirSpec("C:\\audio\\drums\\").GetFolderName(), "drums");
    EXPECT_EQ(CDirSpec("C:\\").GetFolderName(), "C:");
    EXPECT_EQ(CDirSpec("\\\\server\\share\\").GetFolderName(), "share");
}

TEST(CDirSpec, ParentOfEachFolderAndNoneForARoot)
{
    const struct
    {
        const char* path;
        const char* parent;  // nullptr: a root
    } kCases[] = {
        {"C:\\audio\\drums\\", "C:\\audio\\"},
        {"C:\\audio\\", "C:\\"},
        {"C:\\", nullptr},
        {"\\\\server\\share\\", "\\\\server\\"},
        {"\\\\server\\", nullptr},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.path);
        const CDirSpec folder(c.path);
        EXPECT_EQ(folder.HasParentFolder(), c.parent != nullptr);
        if (c.parent != nullptr)
            EXPECT_EQ(folder.GetParentFolder().GetPath(), c.parent);
        else
            EXPECT_THROW(folder.GetParentFolder(), XBase);
    }
}

TEST(CDirSpec, EqualityIgnoresCase)
{
    EXPECT_TRUE(CDirSpec("C:\\Audio\\") == CDirSpec("c:\\AUDIO"));
    EXPECT_FALSE(CDirSpec("C:\\Audio\\") == CDirSpec("C:\\Audio2\\"));
}

TEST(MakeFileSpecInFolder, SplitsAtTheLastDotWithoutLengthLimits)
{
    // Both ways of building a file in a folder split the name alike.
    using CMaker = CFileSpec (*)(const CDirSpec&, const CFileName&);
    for (const CMaker make : {&MakeFileSpecInFolder, &MakeFileSpecInLongFolder}) {
        const std::string stem(290, 'n');
        const std::string name = stem + ".longextension";
        const CFileSpec file = make(CDirSpec("C:\\x\\"), CFileName(name));
        EXPECT_EQ(file.GetDirectoryPath(), "C:\\x\\");
        EXPECT_EQ(file.GetName(), stem);
        EXPECT_EQ(file.GetExtension(), ".longextension");
        EXPECT_EQ(file.GetFullPath(), "C:\\x\\" + name);

        const CFileSpec plain = make(CDirSpec("C:\\x\\"), CFileName("temp1234"));
        EXPECT_EQ(plain.GetName(), "temp1234");
        EXPECT_EQ(plain.GetExtension(), "");

        const CFileSpec dotted = make(CDirSpec("C:\\x\\"), CFileName("a.b.wav"));
        EXPECT_EQ(dotted.GetName(), "a.b");
        EXPECT_EQ(dotted.GetExtension(), ".wav");
    }
}

TEST(MakeFileSpecInLongFolder, TakesTheFolderPathAsItStands)
{
    // A sub-folder path is kept letter for letter, a short-looking name included: nothing is asked of
    // the file system about the folder.
    const CDirSpec folder = CDirSpec("C:\\x\\").GetSubFolder("PIANO~1");
    const CFileSpec file = MakeFileSpecInLongFolder(folder, CFileName("GRAND PNO (S).wav"));
    EXPECT_EQ(file.GetDirectoryPath(), "C:\\x\\PIANO~1\\");
    EXPECT_EQ(file.GetFullPath(), "C:\\x\\PIANO~1\\GRAND PNO (S).wav");
    EXPECT_EQ(file.GetDirSpec(), folder);
}

TEST(GetDriveOfPath, DriveOrBackslashOrNothing)
{
    EXPECT_EQ(GetDriveOfPath("C:\\windows\\system32"), "C:");
    EXPECT_EQ(GetDriveOfPath("d:"), "d:");
    EXPECT_EQ(GetDriveOfPath("\\\\server\\share"), "\\");
    EXPECT_EQ(GetDriveOfPath("relative\\x"), "");
    EXPECT_EQ(GetDriveOfPath(""), "");
}

TEST(IsValidFolderPath, DriveAndNetworkForms)
{
    const struct
    {
        const char* path;
        bool valid;
    } kCases[] = {
        {"C:\\", true},
        {"C:\\audio\\", true},
        {"c:\\audio\\take.wav", true},
        {"\\\\server\\share\\", true},
        {"\\\\server\\", true},
        {"C:", false},
        {"1:\\x", false},
        {"C:/x", false},
        {"C:\\CON\\", false},
        {"C:\\con\\", false},
        {"C:\\audio\\con.wav", false},
        {"C:\\a\\\\b\\", false},
        {"C:\\a?\\", false},
        {"\\\\ser:ver\\", false},
        {"\\\\server", false},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.path);
        EXPECT_EQ(IsValidFolderPath(c.path), c.valid);
    }
}

TEST(HasReservedDeviceComponent, AnyComponentAfterTheRoot)
{
    const struct
    {
        const char* path;
        bool reserved;
    } kCases[] = {
        {"C:\\x\\con.wav", true},  {"C:\\x\\CON", true},     {"C:\\Aux.mqp", true},
        {"C:\\nul\\x.wav", true},  {"C:\\x\\nul .txt", true}, {"C:\\x\\com1.txt", true},
        {"C:\\LPT9", true},        {"C:\\clock$", true},     {"C:/x/prn", true},
        {"con.wav", true},         {"C:\\x\\CONSOLE", false}, {"C:\\x\\com0", false},
        {"C:\\x\\xcon.wav", false}, {"C:\\", false},          {"\\\\con\\share\\x", false},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.path);
        EXPECT_EQ(HasReservedDeviceComponent(c.path), c.reserved);
    }
}

// Answers from tables, and a count of every question, in place of the file system.
class FakePathQueries : public NSPathFormsInternal::IPathQueries
{
public:
    bool GetFullPath(const std::string& text, std::string& fullPath) override
    {
        ++mQuestions;
        if (!mFullPathKnown)
            return false;
        fullPath = mFullPath.empty() ? text : mFullPath;
        return true;
    }
    bool GetLongPath(const std::string& fullPath, std::string& longPath) override
    {
        ++mQuestions;
        (void)fullPath;
        if (mLongPath.empty())
            return false;
        longPath = mLongPath;
        return true;
    }
    bool FindEntryName(const std::string& partialPath, std::string& name) override
    {
        ++mQuestions;
        mSearched.push_back(partialPath);
        const auto entry = mEntries.find(partialPath);
        if (entry == mEntries.end())
            return false;
        name = entry->second;
        return true;
    }

    bool mFullPathKnown = true;
    std::string mFullPath;   // empty: the text is its own full path
    std::string mLongPath;   // empty: no long form from the platform
    std::map<std::string, std::string> mEntries;
    std::vector<std::string> mSearched;
    int mQuestions = 0;
};

TEST(MakeLongPath, ThePlatformsLongFormWins)
{
    FakePathQueries queries;
    queries.mLongPath = "C:\\Program Files\\";
    EXPECT_EQ(NSPathFormsInternal::MakeLongPathWith(queries, "C:\\PROGRA~1\\"), "C:\\Program Files\\");
}

TEST(MakeLongPath, WithoutThePlatformsFormEachComponentIsAskedFor)
{
    FakePathQueries queries;
    queries.mEntries = {{"C:\\PROGRA~1", "Program Files"},
                        {"C:\\Program Files\\COMMON~1", "Common Files"},
                        {"C:\\Program Files\\Common Files\\dot", "."}};
    EXPECT_EQ(NSPathFormsInternal::MakeLongPathWith(queries, "C:\\PROGRA~1\\COMMON~1\\missing\\"),
              "C:\\Program Files\\Common Files\\missing\\");
    EXPECT_EQ(NSPathFormsInternal::MakeLongPathWith(queries, "C:\\PROGRA~1\\COMMON~1\\dot"),
              "C:\\Program Files\\Common Files\\dot");
    EXPECT_EQ(NSPathFormsInternal::MakeLongPathWith(queries, "C:\\"), "C:\\");
}

TEST(MakeLongPath, PatternsAndTheNetworkRootAreNeverSearched)
{
    FakePathQueries queries;
    NSPathFormsInternal::MakeLongPathWith(queries, "C:\\a*\\b?\\");
    NSPathFormsInternal::MakeLongPathWith(queries, "\\\\server\\share\\x");
    EXPECT_EQ(queries.mSearched, std::vector<std::string>{"\\\\server\\share\\x"});
}

TEST(MakeLongPath, NoAbsoluteFormThrows)
{
    FakePathQueries queries;
    queries.mFullPathKnown = false;
    EXPECT_THROW(NSPathFormsInternal::MakeLongPathWith(queries, "C:\\x"), XBase);
    queries.mFullPathKnown = true;
    queries.mFullPath = "C:\\" + std::string(258, 'x');  // 261 characters
    EXPECT_THROW(NSPathFormsInternal::MakeFullPathWith(queries, "C:\\x"), XBase);
    queries.mFullPath = "C:\\" + std::string(257, 'x');
    EXPECT_EQ(NSPathFormsInternal::MakeFullPathWith(queries, "C:\\x"), queries.mFullPath);
}

TEST(MakeLongPath, AReservedNameNeverReachesTheQueries)
{
    FakePathQueries queries;
    EXPECT_EQ(NSPathFormsInternal::MakeLongPathWith(queries, "C:\\x\\con.wav"), "C:\\x\\con.wav");
    EXPECT_EQ(NSPathFormsInternal::MakeLongPathWith(queries, "C:\\NUL\\"), "C:\\NUL\\");
    EXPECT_THROW(NSPathFormsInternal::MakeLongPathWith(queries, "con.wav"), XBase);
    EXPECT_EQ(queries.mQuestions, 0);
}

} // namespace
