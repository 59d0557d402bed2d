#include "framework/foundation/chunks/IFFChunkInfo.h"

#include "framework/foundation/core/Exceptions.h"

#include <cstring>

namespace NSTramvell {

namespace {

void CopyName(char (&destination)[5], const char* source) noexcept
{
    std::memset(destination, 0, sizeof destination);
    for (int i = 0; source != nullptr && i < 4 && source[i] != '\0'; ++i)
        destination[i] = source[i];
}

} // namespace

CIFFChunkInfo::CIFFChunkInfo() noexcept
    : mKind(kNone), mGroupIdentifier{}, mName{}, mOffset(0), mSize(0)
{
}

CIFFChunkInfo::CIFFChunkInfo(std::int32_t kind, const char* name, std::int32_t offset,
                             std::int32_t size) noexcept
    : mKind(kind), mGroupIdentifier{}, mName{}, mOffset(offset), mSize(size)
{
    CopyName(mName, name);
}

std::int32_t CIFFChunkInfo::GetHeaderLength() const
{
    if (mKind == kPlainChunk)
        return 8;
    if (IsGroup())
        return 12;
    throw XBase();
}

std::int32_t CIFFChunkInfo::GetDataSize() const noexcept
{
    return mKind == kPlainChunk ? mSize : mSize - 4;
}

std::int64_t CIFFChunkInfo::GetTotalLength() const noexcept
{
    return std::int64_t{mSize} + 8;
}

bool CIFFChunkInfo::HasName(const char* name) const noexcept
{
    return name != nullptr && std::strcmp(mName, name) == 0;
}

bool CIFFChunkInfo::IsNamedGroup(const char* groupIdentifier) const noexcept
{
    return mKind == kNamedGroup && groupIdentifier != nullptr &&
           std::strcmp(mGroupIdentifier, groupIdentifier) == 0;
}

bool IsValidChunkIdentifier(const std::uint8_t* identifier) noexcept
{
    if (identifier[0] == ' ')
        return false;
    for (int i = 0; i < 4; ++i) {
        if (identifier[i] < 0x20 || identifier[i] > 0x7E)
            return false;
    }
    return true;
}

} // namespace NSTramvell
