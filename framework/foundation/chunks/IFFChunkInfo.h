#pragma once

// One chunk of an IFF or RIFF file as the second-generation readers and writers see it: what it is,
// where its header starts and the size stored in that header.

#include <cstdint>

namespace NSTramvell {

class CIFFChunkInfo
{
public:
    enum EKind : std::int32_t
    {
        kNone = -1,
        kPlainChunk = 0,
        kFORMGroup = 1, // "RIFF" in a little-endian file
        kCATGroup = 2,
        kLISTGroup = 3,
        kNamedGroup = 4, // the group's identifier is held in the group identifier
    };

    CIFFChunkInfo() noexcept;
    // name: the plain chunk's identifier or the group's type; its first 4 characters are kept.
    CIFFChunkInfo(std::int32_t kind, const char* name, std::int32_t offset, std::int32_t size) noexcept;

    std::int32_t GetKind() const noexcept { return mKind; }
    const char* GetName() const noexcept { return mName; }
    const char* GetGroupIdentifier() const noexcept { return mGroupIdentifier; }
    std::int32_t GetOffset() const noexcept { return mOffset; }
    std::int32_t GetSize() const noexcept { return mSize; }

    bool IsGroup() const noexcept { return mKind >= kFORMGroup && mKind <= kNamedGroup; }
    // 8 for a plain chunk, 12 for a group; XBase for any other kind.
    std::int32_t GetHeaderLength() const;
    // The bytes after the header: a group's size counts its 4-byte type.
    std::int32_t GetDataSize() const noexcept;
    // Header and data, without the pad byte.
    std::int64_t GetTotalLength() const noexcept;

    bool HasName(const char* name) const noexcept;
    bool IsNamedGroup(const char* groupIdentifier) const noexcept;

private:
    std::int32_t mKind;
    char mGroupIdentifier[5];
    char mName[5];
    std::int32_t mOffset;
    std::int32_t mSize;
};

// Four bytes 0x20-0x7E that do not begin with a space (two letters and two spaces are valid).
bool IsValidChunkIdentifier(const std::uint8_t* identifier) noexcept;

} // namespace NSTramvell
