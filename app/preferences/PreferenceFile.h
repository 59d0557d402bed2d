#pragma once

// The preference file: where the main window stood, the states of the output-folder chooser and of the
// archive save dialog, and how often the missing packer was announced. One IFF "CAT " group of type
// "PREF" holding "VERS" (a version stamp), "WPos" and "Gnrl", read once at start-up and written once at
// quit.

#include "framework/foundation/files/FileTypeDescription.h"
#include "framework/foundation/modules/Version.h"
#include "framework/gui/dialogs/DialogStates.h"
#include "framework/gui/drawing/Format.h"
#include "framework/gui/geometry/Point.h"

#include <cstdint>
#include <string>

namespace NSTramvell {
class CMedia;
}

// The record the application keeps and the file stores; the defaults stand for "nothing saved".
struct CWindowPositionRecord
{
    NSTramvell::CLocation mainWindowLocation{-32768, -32768};
    NSTramvell::CFolderDialogState folderDialogState{"Conv"};
    NSTramvell::CSaveFileDialogState saveFileDialogState{"KPCo"};
    std::uint32_t packerAlertCount = 0;
};

// The stored statics of the file.
namespace NSPreferenceFile {
inline constexpr char kSignature[] = "Qevo";
inline constexpr char kCreator[] = "DrVm";
inline constexpr char kFileType[] = "pref";
inline constexpr char kCopyright[] = "Copyright (C) 2026 Quenholt. All rights reserved.";
NSTramvell::CVersion FileVersion();
NSTramvell::CVersion WindowPositionsDataVersion();
NSTramvell::CVersion GeneralDataVersion();
// Type "pref", extension ".prf", "Dravim Preferences File".
const NSTramvell::CFileTypeDescription& FileTypeDescription();
} // namespace NSPreferenceFile

// The "WPos" data: location and the two dialog states.
class CWindowPositions : public NSTramvell::CABCFormat
{
public:
    CWindowPositions() = default;
    // Reads the chunk's data; an unknown data version, a wrong key or short data throws.
    explicit CWindowPositions(NSTramvell::CMedia& media);
    ~CWindowPositions() override;

    void Write(NSTramvell::CMedia& media) const override;

    NSTramvell::CLocation location{-32768, -32768};
    NSTramvell::CFolderDialogState folderDialogState{"Conv"};
    NSTramvell::CSaveFileDialogState saveFileDialogState{"KPCo"};
};

// The "Gnrl" data: the packer alert count.
class CGeneralPrefs : public NSTramvell::CABCFormat
{
public:
    CGeneralPrefs() = default;
    explicit CGeneralPrefs(NSTramvell::CMedia& media);
    ~CGeneralPrefs() override;

    void Write(NSTramvell::CMedia& media) const override;

    std::uint32_t packerAlertCount = 0;
};

// The whole file.
class CLuvexPreferenceFile : public NSTramvell::CABCFormat
{
public:
    CLuvexPreferenceFile() = default;
    explicit CLuvexPreferenceFile(const CWindowPositionRecord& record);
    // Reads the whole file; anything but a sound file of major version 1 throws (XBadFormat, XRead).
    // Every chunk is read through a window of its own size, so a damaged length inside one cannot
    // reach beyond it.
    explicit CLuvexPreferenceFile(NSTramvell::CMedia& media);
    ~CLuvexPreferenceFile() override;

    void Write(NSTramvell::CMedia& media) const override;

    const CWindowPositionRecord& GetRecord() const { return mRecord; }

private:
    CWindowPositionRecord mRecord;
};
