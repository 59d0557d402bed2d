#include "app/preferences/PreferenceFile.h"

#include "framework/foundation/chunks/IFFReader2.h"
#include "framework/foundation/chunks/IFFWriter2.h"
#include "framework/foundation/core/ByteOrder.h"
#include "framework/foundation/core/Exceptions.h"
#include "framework/foundation/core/Media.h"

#include <memory>

namespace NSPreferenceFile {

NSTramvell::CVersion FileVersion()
{
    return NSTramvell::CVersion(1, 0);
}

NSTramvell::CVersion WindowPositionsDataVersion()
{
    return NSTramvell::CVersion(1, 0, 0);
}

NSTramvell::CVersion GeneralDataVersion()
{
    return NSTramvell::CVersion(1, 0, 0);
}

const NSTramvell::CFileTypeDescription& FileTypeDescription()
{
    static const NSTramvell::CFileTypeDescription description("Dravim Preferences File", ".prf",
                                                              NSTramvell::CMacFileTypeCode(kFileType));
    return description;
}

} // namespace NSPreferenceFile

namespace {

constexpr int kBigEndian = 0;

std::uint32_t FourCharCode(const char* text)
{
    return NSTramvell::ReadBigEndian32(reinterpret_cast<const std::uint8_t*>(text));
}

// Any 1.x data is ours; a later major changed the layout.
void ReadDataVersion(NSTramvell::CMedia& media, const NSTramvell::CVersion& expected)
{
    const NSTramvell::CVersion version(media);
    if (!version.IsSameMajor(expected))
        throw NSTramvell::XBadFormat();
}

std::unique_ptr<NSTramvell::CMedia> OpenRequiredChunk(NSTramvell::CIFFReader2& group, const char* id)
{
    std::unique_ptr<NSTramvell::CMedia> chunk = group.OpenChunk(id);
    if (chunk == nullptr)
        throw NSTramvell::XBadFormat();
    return chunk;
}

void ReadVersionStamp(NSTramvell::CIFFReader2& group)
{
    NSTramvell::CIFFChunkInfo chunk;
    if (!group.FindChunk("VERS", chunk) || chunk.GetDataSize() != NSTramvell::CVersionStamp::kBlockSizeInBytes)
        throw NSTramvell::XBadFormat();
    std::uint8_t block[NSTramvell::CVersionStamp::kBlockSizeInBytes];
    group.ReadChunkData(chunk, block);
    const NSTramvell::CVersionStamp stamp(block);
    if (stamp.GetSignature() != FourCharCode(NSPreferenceFile::kSignature) ||
        stamp.GetVersion().GetMajor() != NSPreferenceFile::FileVersion().GetMajor())
        throw NSTramvell::XBadFormat();
}

} // namespace

CWindowPositions::CWindowPositions(NSTramvell::CMedia& media)
{
    ReadDataVersion(media, NSPreferenceFile::WindowPositionsDataVersion());
    const std::int32_t horizontal = static_cast<std::int32_t>(media.ReadBigEndian32());
    const std::int32_t vertical = static_cast<std::int32_t>(media.ReadBigEndian32());
    location = NSTramvell::CLocation(horizontal, vertical);
    folderDialogState = NSTramvell::CFolderDialogState("Conv", media);
    saveFileDialogState = NSTramvell::CSaveFileDialogState("KPCo", media);
}

CWindowPositions::~CWindowPositions() = default;

void CWindowPositions::Write(NSTramvell::CMedia& media) const
{
    NSPreferenceFile::WindowPositionsDataVersion().Write(media);
    media.WriteBigEndian32(static_cast<std::uint32_t>(location.GetX()));
    media.WriteBigEndian32(static_cast<std::uint32_t>(location.GetY()));
    folderDialogState.Write(media);
    saveFileDialogState.Write(media);
}

CGeneralPrefs::CGeneralPrefs(NSTramvell::CMedia& media)
{
    ReadDataVersion(media, NSPreferenceFile::GeneralDataVersion());
    packerAlertCount = media.ReadBigEndian32();
}

CGeneralPrefs::~CGeneralPrefs() = default;

void CGeneralPrefs::Write(NSTramvell::CMedia& media) const
{
    NSPreferenceFile::GeneralDataVersion().Write(media);
    media.WriteBigEndian32(packerAlertCount);
}

CLuvexPreferenceFile::CLuvexPreferenceFile(const CWindowPositionRecord& record)
    : mRecord(record)
{
}

CLuvexPreferenceFile::CLuvexPreferenceFile(NSTramvell::CMedia& media)
{
    NSTramvell::CIFFReader2 file(media, kBigEndian);
    NSTramvell::CIFFChunkInfo groupChunk;
    if (!file.FindGroupChunk("PREF", groupChunk))
        throw NSTramvell::XBadFormat();
    NSTramvell::CIFFReader2 group(file, groupChunk);
    ReadVersionStamp(group);
    const CWindowPositions positions(*OpenRequiredChunk(group, "WPos"));
    const CGeneralPrefs general(*OpenRequiredChunk(group, "Gnrl"));
    mRecord.mainWindowLocation = positions.location;
    mRecord.folderDialogState = positions.folderDialogState;
    mRecord.saveFileDialogState = positions.saveFileDialogState;
    mRecord.packerAlertCount = general.packerAlertCount;
}

CLuvexPreferenceFile::~CLuvexPreferenceFile() = default;

void CLuvexPreferenceFile::Write(NSTramvell::CMedia& media) const
{
    NSTramvell::CIFFWriter2 file(media, kBigEndian);
    NSTramvell::CIFFChunkInfo groupChunk;
    file.BeginCATChunk(groupChunk, "PREF");
    {
        NSTramvell::CIFFWriter2 group(file, groupChunk);
        std::uint8_t block[NSTramvell::CVersionStamp::kBlockSizeInBytes];
        NSTramvell::CVersionStamp(FourCharCode(NSPreferenceFile::kSignature), NSPreferenceFile::FileVersion(),
                                  NSPreferenceFile::kCopyright)
            .WriteToBuffer(block);
        group.WriteChunk("VERS", sizeof block, block);

        CWindowPositions positions;
        positions.location = mRecord.mainWindowLocation;
        positions.folderDialogState = mRecord.folderDialogState;
        positions.saveFileDialogState = mRecord.saveFileDialogState;
        NSTramvell::CIFFChunkInfo chunk;
        group.BeginChunk(chunk, "WPos");
        positions.Write(*group.GetChunkMedia(chunk));
        group.EndChunk(chunk);

        CGeneralPrefs general;
        general.packerAlertCount = mRecord.packerAlertCount;
        group.BeginChunk(chunk, "Gnrl");
        general.Write(*group.GetChunkMedia(chunk));
        group.EndChunk(chunk);
    }
    file.EndChunk(groupChunk);
}
