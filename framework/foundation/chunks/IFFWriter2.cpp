#include "framework/foundation/chunks/IFFWriter2.h"

#include "framework/foundation/core/ByteOrder.h"
#include "framework/foundation/core/Exceptions.h"
#include "framework/foundation/core/Media.h"

#include <cstring>

namespace NSTramvell {

namespace {

void EncodeBigEndian32(std::uint8_t* bytes, std::uint32_t value)
{
    WriteBigEndian32(bytes, value);
}

void EncodeLittleEndian32(std::uint8_t* bytes, std::uint32_t value)
{
    WriteLittleEndian32(bytes, value);
}

// Shorter texts would leave part of the header to chance.
void RequireFourCharacters(const char* text)
{
    if (text == nullptr || std::strlen(text) < 4)
        throw XBase();
}

} // namespace

CIFFWriter2::CIFFWriter2(CMedia& media, int byteOrder)
    : mMedia(&media), mEncoder(nullptr)
{
    if (byteOrder == 0)
        mEncoder = EncodeBigEndian32;
    else if (byteOrder == 1)
        mEncoder = EncodeLittleEndian32;
    else
        throw XBase();
}

CIFFWriter2::CIFFWriter2(CIFFWriter2& parent, const CIFFChunkInfo& chunk)
    : mMedia(nullptr), mChunk(chunk), mEncoder(parent.mEncoder)
{
    mWindow = parent.GetChunkMedia(chunk);
    mMedia = mWindow.get();
}

CIFFWriter2::~CIFFWriter2() = default;

void CIFFWriter2::BeginHeader(CIFFChunkInfo& out, std::int32_t kind, const char* identifier, const char* type)
{
    RequireFourCharacters(identifier);
    if (type != nullptr)
        RequireFourCharacters(type);
    const std::int32_t offset = mMedia->GetPosition();
    std::uint8_t header[12];
    std::memcpy(header, identifier, 4);
    mEncoder(header + 4, 0);
    std::int32_t headerLength = 8;
    if (type != nullptr) {
        std::memcpy(header + 8, type, 4);
        headerLength = 12;
    }
    mMedia->Write(headerLength, header);
    out = CIFFChunkInfo(kind, type != nullptr ? type : identifier, offset, 0);
}

void CIFFWriter2::BeginFORMChunk(CIFFChunkInfo& out, const char* type)
{
    RequireFourCharacters(type);
    BeginHeader(out, CIFFChunkInfo::kFORMGroup, "FORM", type);
}

void CIFFWriter2::BeginCATChunk(CIFFChunkInfo& out, const char* type)
{
    RequireFourCharacters(type);
    BeginHeader(out, CIFFChunkInfo::kCATGroup, "CAT ", type);
}

void CIFFWriter2::BeginLISTChunk(CIFFChunkInfo& out, const char* type)
{
    RequireFourCharacters(type);
    BeginHeader(out, CIFFChunkInfo::kLISTGroup, "LIST", type);
}

void CIFFWriter2::BeginChunk(CIFFChunkInfo& out, const char* id)
{
    BeginHeader(out, CIFFChunkInfo::kPlainChunk, id, nullptr);
}

std::unique_ptr<CPartialMedia> CIFFWriter2::GetChunkMedia(const CIFFChunkInfo& chunk)
{
    const std::int64_t dataOffset = std::int64_t{chunk.GetOffset()} + chunk.GetHeaderLength();
    if (dataOffset < 0 || dataOffset > INT32_MAX)
        throw XBase();
    return std::make_unique<CPartialMedia>(*mMedia, static_cast<std::int32_t>(dataOffset));
}

void CIFFWriter2::EndChunk(const CIFFChunkInfo& chunk)
{
    const std::int32_t end = mMedia->GetPosition();
    const std::int64_t size = std::int64_t{end} - chunk.GetOffset() - 8;
    if (size < 0 || size > INT32_MAX)
        throw XBase();
    std::uint8_t encoded[4];
    mEncoder(encoded, static_cast<std::uint32_t>(size));
    mMedia->WriteAt(chunk.GetOffset() + 4, 4, encoded);
    mMedia->SetPosition(end);
    if ((end & 1) != 0) {
        const std::uint8_t pad = 0;
        mMedia->Write(1, &pad);
    }
}

void CIFFWriter2::WriteChunk(const char* id, std::int32_t length, const void* data)
{
    if (length < 0)
        throw XBase();
    CIFFChunkInfo chunk;
    BeginChunk(chunk, id);
    {
        const std::unique_ptr<CPartialMedia> contents = GetChunkMedia(chunk);
        if (length > 0)
            contents->Write(length, data);
    }
    EndChunk(chunk);
}

} // namespace NSTramvell
