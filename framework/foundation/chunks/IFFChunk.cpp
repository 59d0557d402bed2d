#include "framework/foundation/chunks/IFFChunk.h"

#include "framework/foundation/core/ByteOrder.h"
#include "framework/foundation/core/Exceptions.h"
#include "framework/foundation/core/Media.h"

#include <algorithm>
#include <cstring>
#include <string>

namespace NSTramvell {

namespace {

// Stands in the size field until the chunk is closed, and in a start offset while nothing is open.
constexpr std::uint32_t kOpenSizeMarker = 0xADDE1AB0u;
constexpr std::int32_t kNothingOpen = static_cast<std::int32_t>(kOpenSizeMarker);

// A ruling string may hold fewer than 4 characters; such an identifier is never written.
std::string RequireFourCharacters(const CRulingString<CFourCharCodeRule>& code)
{
    std::string text = code.GetString();
    if (text.size() < 4)
        throw XBase();
    return text;
}

bool HasIdentifier(const std::uint8_t* header, const CRulingString<CFourCharCodeRule>& id)
{
    const std::string text = id.GetString();
    return text.size() == 4 && std::memcmp(header, text.data(), 4) == 0;
}

} // namespace

// ---- CIFFWriter ----

CIFFWriter::CIFFWriter(CMedia& media)
    : mPad(true), mLittleEndian(false), mGroupStart(kNothingOpen), mChunkStart(kNothingOpen), mMedia(&media)
{
}

CIFFWriter::~CIFFWriter() = default;

void CIFFWriter::WriteHeader(std::int32_t& start, const CRulingString<CFourCharCodeRule>& id,
                             const CRulingString<CFourCharCodeRule>* type)
{
    const std::string idText = RequireFourCharacters(id);
    const std::string typeText = type != nullptr ? RequireFourCharacters(*type) : std::string();
    std::uint8_t header[12];
    std::memcpy(header, idText.data(), 4);
    if (mLittleEndian)
        WriteLittleEndian32(header + 4, kOpenSizeMarker);
    else
        WriteBigEndian32(header + 4, kOpenSizeMarker);
    std::int32_t headerLength = 8;
    if (type != nullptr) {
        std::memcpy(header + 8, typeText.data(), 4);
        headerLength = 12;
    }
    const std::int32_t position = mMedia->GetPosition();
    mMedia->Write(headerLength, header);
    start = position;
}

void CIFFWriter::BeginFORM(const CRulingString<CFourCharCodeRule>& groupId,
                           const CRulingString<CFourCharCodeRule>& type)
{
    WriteHeader(mGroupStart, groupId, &type);
}

void CIFFWriter::BeginChunk(const CRulingString<CFourCharCodeRule>& id)
{
    WriteHeader(mChunkStart, id, nullptr);
}

void CIFFWriter::EndFORM()
{
    Close(mGroupStart);
}

void CIFFWriter::EndChunk()
{
    Close(mChunkStart);
}

void CIFFWriter::Close(std::int32_t& start)
{
    if (start == kNothingOpen)
        throw XBase();
    const std::int32_t end = mMedia->GetPosition();
    const std::int64_t length = std::int64_t{end} - start;
    if (length < 8 || length - 8 > INT32_MAX)
        throw XBase();
    const std::int32_t chunkStart = start;
    start = kNothingOpen;
    std::uint8_t size[4];
    if (mLittleEndian)
        WriteLittleEndian32(size, static_cast<std::uint32_t>(length - 8));
    else
        WriteBigEndian32(size, static_cast<std::uint32_t>(length - 8));
    mMedia->WriteAt(chunkStart + 4, 4, size);
    mMedia->SetPosition(end);
    if (mPad && (length & 1) != 0) {
        const std::uint8_t pad = 0;
        mMedia->Write(1, &pad);
    }
}

void CIFFWriter::WriteChunk(const CRulingString<CFourCharCodeRule>& id, const void* data, std::int32_t length)
{
    if (length < 0)
        throw XBase();
    BeginChunk(id);
    Write(length, data);
    EndChunk();
}

void CIFFWriter::Write(std::int32_t length, const void* data)
{
    if (length > 0)
        mMedia->Write(length, data);
}

// ---- CIFFReader ----

CIFFReader::CIFFReader(CMedia& media, const CRulingString<CFourCharCodeRule>& groupId)
    : mPad(true), mLittleEndian(false), mGroupId(groupId), mMedia(&media)
{
}

CIFFReader::~CIFFReader() = default;

std::int32_t CIFFReader::DecodeSize(const std::uint8_t* bytes) const
{
    return static_cast<std::int32_t>(mLittleEndian ? ReadLittleEndian32(bytes) : ReadBigEndian32(bytes));
}

bool CIFFReader::FindChunk(const CRulingString<CFourCharCodeRule>& id, std::int32_t& size)
{
    const std::int64_t mediaSize = mMedia->GetSize();
    if (mediaSize < 12)
        throw XBadFormat();
    std::uint8_t group[12];
    mMedia->ReadAt(0, 12, group);
    const auto groupSize = static_cast<std::uint32_t>(DecodeSize(group + 4));
    if (!HasIdentifier(group, mGroupId) || groupSize < 4)
        throw XBadFormat();

    // A group that claims more than the media holds is searched up to the media's end.
    const std::int64_t end = std::min<std::int64_t>(std::int64_t{groupSize} + 8, mediaSize);
    std::int64_t position = 12;
    while (position + 8 <= end) {
        std::uint8_t header[8];
        mMedia->ReadAt(static_cast<std::int32_t>(position), 8, header);
        const std::int32_t chunkSize = DecodeSize(header + 4);
        if (chunkSize < 0 || chunkSize > mediaSize - position - 8)
            throw XBadFormat();
        if (HasIdentifier(header, id)) {
            size = chunkSize;
            return true;
        }
        position += 8 + std::int64_t{chunkSize};
        if (mPad)
            position += chunkSize & 1;
    }
    return false;
}

bool CIFFReader::ReadChunk(const CRulingString<CFourCharCodeRule>& id, void* buffer, std::int32_t length)
{
    std::int32_t size = 0;
    return ReadChunk(id, buffer, 0, length, size);
}

bool CIFFReader::ReadChunk(const CRulingString<CFourCharCodeRule>& id, void* buffer, std::int32_t skip,
                           std::int32_t length)
{
    std::int32_t size = 0;
    return ReadChunk(id, buffer, skip, length, size);
}

bool CIFFReader::ReadChunk(const CRulingString<CFourCharCodeRule>& id, void* buffer, std::int32_t skip,
                           std::int32_t length, std::int32_t& size)
{
    if (skip < 0 || length < 0)
        throw XBase();
    std::int32_t chunkSize = 0;
    if (!FindChunk(id, chunkSize))
        return false;
    size = chunkSize;
    if (std::int64_t{skip} + length > chunkSize)
        return false;
    if (length > 0)
        mMedia->ReadAt(mMedia->GetPosition() + skip, length, buffer);
    return true;
}

} // namespace NSTramvell
