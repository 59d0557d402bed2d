#include "framework/gui/dialogs/DialogStates.h"

#include "framework/foundation/core/Exceptions.h"
#include "framework/foundation/core/Media.h"
#include "framework/gui/dialogs/FileTypeList.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using NSTramvell::CDialogPosition;
using NSTramvell::CDirSpec;
using NSTramvell::CFileTypeDescription;
using NSTramvell::COwnedMemoryMedia;

// Bytes from hex digits; spaces only group them for the reader.
std::string Hex(const std::string& digits)
{
    std::string bytes;
    std::string pair;
    for (const char c : digits) {
        if (c == ' ')
            continue;
        pair += c;
        if (pair.size() == 2) {
            bytes += static_cast<char>(std::stoi(pair, nullptr, 16));
            pair.clear();
        }
    }
    return bytes;
}

template <typename TState>
std::string Written(const TState& state)
{
    COwnedMemoryMedia media;
    state.Write(media);
    return std::string(reinterpret_cast<const char*>(media.GetBuffer()), media.GetSize());
}

COwnedMemoryMedia Stored(const std::string& bytes)
{
    return COwnedMemoryMedia(static_cast<std::int32_t>(bytes.size()), bytes.data());
}

// "Conv": key, "Win", folder C:\Conv\, then top 20, left 10, bottom 40000 (stored 0x9C40), right 330.
const std::string kFolderRecord = Hex("436F6E76 00000003 57696E 01 F11E54ED 00000008 433A5C436F6E765C"
                                      "0014 000A 9C40 014A");
// "KPCo": the Kaplet type ("Kaplet file", ".kpl", "KPL "), "Win", no folder, zero rectangle.
const std::string kSaveRecord = Hex("4B50436F 01 0000000B 4B61706C65742066696C65 00000004 2E6B706C 4B504C20"
                                    "00000003 57696E 00 0000 0000 0000 0000");

TEST(DialogStates, StoredRecordsReadAndWriteBackByteExact)
{
    NSTramvell::CFolderDialogState folder("Conv");
    folder.SetFolder(CDirSpec("C:\\Conv\\"));
    folder.SetPosition({10, 20, 330, 40000});
    EXPECT_EQ(Written(folder), kFolderRecord);

    COwnedMemoryMedia folderMedia = Stored(kFolderRecord);
    const NSTramvell::CFolderDialogState readFolder("Conv", folderMedia);
    EXPECT_EQ(readFolder.GetFolder(), CDirSpec("C:\\Conv\\"));
    EXPECT_EQ(readFolder.GetPosition(), (CDialogPosition{10, 20, 330, -25536}));
    EXPECT_EQ(Written(readFolder), kFolderRecord);

    NSTramvell::CSaveFileDialogState save("KPCo");
    save.SetFileType(CFileTypeDescription("Kaplet file", ".kpl", "KPL "));
    EXPECT_EQ(Written(save), kSaveRecord);
    COwnedMemoryMedia saveMedia = Stored(kSaveRecord);
    EXPECT_EQ(Written(NSTramvell::CSaveFileDialogState("KPCo", saveMedia)), kSaveRecord);
}

TEST(DialogStates, AnotherKeyIsRefusedAndAnotherPlatformKeepsTheDefaults)
{
    COwnedMemoryMedia saveMedia = Stored(kSaveRecord);
    EXPECT_THROW(NSTramvell::CFolderDialogState("Conv", saveMedia), NSTramvell::XBadFormat);

    std::string otherPlatform = kFolderRecord;
    otherPlatform[8] = 'M';
    COwnedMemoryMedia otherMedia = Stored(otherPlatform);
    const NSTramvell::CFolderDialogState folder("Conv", otherMedia);
    EXPECT_FALSE(folder.GetFolder().has_value());
    EXPECT_EQ(folder.GetPosition(), CDialogPosition{});
}

TEST(COpenFileDialogState, TypeAndAllTypesExcludeEachOtherAndRoundTrip)
{
    NSTramvell::COpenFileDialogState state("Open");
    state.SetFileType(NSTramvell::GetWaveFileDescription());
    state.SetAllTypes(true);
    EXPECT_FALSE(state.GetFileType().has_value());
    state.SetFileType(NSTramvell::GetWaveFileDescription());
    EXPECT_FALSE(state.GetAllTypes());

    state.SetFolder(CDirSpec("C:\\Waves\\"));
    state.SetPosition({-1, 2, 300, 400});
    const std::string bytes = Written(state);
    COwnedMemoryMedia media = Stored(bytes);
    const NSTramvell::COpenFileDialogState read("Open", media);
    EXPECT_EQ(read.GetFileType(), state.GetFileType());
    EXPECT_EQ(read.GetFolder(), state.GetFolder());
    EXPECT_EQ(read.GetPosition(), state.GetPosition());
    EXPECT_EQ(media.GetPosition(), media.GetSize());

    NSTramvell::COpenFileDialogState allTypes("Open");
    allTypes.SetAllTypes(true);
    COwnedMemoryMedia allMedia = Stored(Written(allTypes));
    EXPECT_TRUE(NSTramvell::COpenFileDialogState("Open", allMedia).GetAllTypes());
}

TEST(BuildFileFilter, ListsEachTypeAndTheCombinedEntryOnlyWhenAsked)
{
    NSTramvell::CFileTypeList one;
    one.Append(CFileTypeDescription("Kaplet file", ".kpl", "KPL "));
    one.SetCombinedEntry(true);
    EXPECT_EQ(NSTramvell::BuildFileFilter(one), std::string("Kaplet file (*.kpl)\0*.kpl\0\0", 27));

    NSTramvell::CFileTypeList two;
    two.Append(CFileTypeDescription("Sound", ".wav;.aif", "WAVE"));
    two.Append(CFileTypeDescription("Text", ".txt", "TEXT"));
    const std::string separate("Sound (*.wav;*.aif)\0*.wav;*.aif\0Text (*.txt)\0*.txt\0", 51);
    EXPECT_EQ(NSTramvell::BuildFileFilter(two), separate + '\0');
    two.SetCombinedEntry(true);
    EXPECT_EQ(NSTramvell::BuildFileFilter(two),
              separate + std::string("All files (*.wav;*.aif;*.txt)\0*.wav;*.aif;*.txt\0\0", 49));
}

TEST(BuildFileFilter, LongExtensionListsAreKeptWhole)
{
    std::string extensions;
    std::string pattern;
    for (int i = 0; i < 200; ++i) {
        const std::string extension = ".extension" + std::to_string(i);
        extensions += (i == 0 ? "" : ";") + extension;
        pattern += (i == 0 ? "*" : ";*") + extension;
    }
    NSTramvell::CFileTypeList types;
    types.Append(CFileTypeDescription("Many", extensions, "MANY"));
    types.Append(CFileTypeDescription("More", extensions, "MORE"));
    types.SetCombinedEntry(true);
    const std::string filter = NSTramvell::BuildFileFilter(types);
    const std::string first = "Many (" + pattern + ")" + '\0' + pattern + '\0';
    EXPECT_EQ(filter.substr(0, first.size()), first);
    EXPECT_NE(filter.find("All files (" + pattern + ";" + pattern + ")"), std::string::npos);
    EXPECT_EQ(filter.substr(filter.size() - 2), std::string(2, '\0'));
}

TEST(CFileTypeList, FindsByFileNameAndPosition)
{
    NSTramvell::CFileTypeList types;
    types.Append(CFileTypeDescription("Sound", ".wav;.aif", "WAVE"));
    types.Append(CFileTypeDescription("Kaplet", ".kpl", "KPL "));
    ASSERT_NE(types.FindByFileName("Bank.KPL"), nullptr);
    EXPECT_EQ(types.FindByFileName("Bank.KPL")->GetDescription(), "Kaplet");
    EXPECT_EQ(types.FindByFileName("Bank.doc"), nullptr);
    EXPECT_EQ(types.FindByFileName("Bank"), nullptr);
    EXPECT_EQ(types.FindPosition(CFileTypeDescription("Kaplet", ".kpl", "KPL ")), 1);
    EXPECT_EQ(types.FindPosition(CFileTypeDescription("Kaplet", ".kpl", "KPLX")), -1);
}

} // namespace
