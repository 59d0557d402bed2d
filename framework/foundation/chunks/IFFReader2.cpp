#include "framework/foundation/chunks/IFFReader2.h"

#include "framework/foundation/core/ByteOrder.h"
#include "framework/foundation/core/Exceptions.h"
#include "framework/foundation/core/Media.h"

#include <cstring>
#include <string>

namespace NSTramvell {

namespace {

// A dump deeper than this is taken for a damaged file rather than recursed into.
constexpr int kMaximumDumpDepth = 64;

std::uint32_t DecodeBigEndian32(const std::uint8_t* bytes)
{
    return static_cast<std::uint32_t>(ReadBigEndian32(bytes));
}

std::uint32_t DecodeLittleEndian32(const std::uint8_t* bytes)
{
    return static_cast<std::uint32_t>(ReadLittleEndian32(bytes));
}

bool IsFourCharacters(const char* text) noexcept
{
    return text != nullptr && std::strlen(text) == 4;
}

std::int32_t ToPosition(std::int64_t position)
{
    if (position < 0 || position > INT32_MAX)
        throw XBadFormat();
    return static_cast<std::int32_t>(position);
}

} // namespace

CIFFReader2::CIFFReader2(CMedia& media, int byteOrder)
    : mParent(nullptr), mMedia(&media), mDecoder(nullptr)
{
    if (byteOrder == 0)
        mDecoder = DecodeBigEndian32;
    else if (byteOrder == 1)
        mDecoder = DecodeLittleEndian32;
    else
        throw XBase();
}

CIFFReader2::CIFFReader2(CIFFReader2& parent, const CIFFChunkInfo& chunk)
    : mParent(&parent), mMedia(nullptr), mChunk(chunk), mDecoder(parent.mDecoder)
{
    mWindow = parent.MakeDataMedia(chunk);
    mMedia = mWindow.get();
}

CIFFReader2::~CIFFReader2() = default;

CIFFChunkInfo CIFFReader2::ReadChunkHeader()
{
    return ReadChunkHeaderWithGroups({"FORM", "CAT ", "LIST"});
}

CIFFChunkInfo CIFFReader2::ReadChunkHeaderWithGroups(const SGroupIdentifiers& groups)
{
    const std::int32_t offset = mMedia->GetPosition();
    const std::int64_t remaining = std::int64_t{mMedia->GetSize()} - offset;
    if (offset < 0 || remaining < 8)
        throw XBadFormat();

    std::uint8_t header[8];
    mMedia->Read(8, header);
    if (!IsValidChunkIdentifier(header))
        throw XBadFormat();
    const auto size = static_cast<std::int32_t>(mDecoder(header + 4));
    if (size < 0 || size > remaining - 8)
        throw XBadFormat();

    const char identifier[5] = {static_cast<char>(header[0]), static_cast<char>(header[1]),
                                static_cast<char>(header[2]), static_cast<char>(header[3]), '\0'};
    std::int32_t kind = CIFFChunkInfo::kPlainChunk;
    if (std::strcmp(identifier, groups.form) == 0)
        kind = CIFFChunkInfo::kFORMGroup;
    else if (std::strcmp(identifier, groups.cat) == 0)
        kind = CIFFChunkInfo::kCATGroup;
    else if (std::strcmp(identifier, groups.list) == 0)
        kind = CIFFChunkInfo::kLISTGroup;
    if (kind == CIFFChunkInfo::kPlainChunk)
        return CIFFChunkInfo(kind, identifier, offset, size);

    // A group's size counts its type; below 4 its data size would be negative, and a window of
    // length -1 would have no end.
    if (size < 4)
        throw XBadFormat();
    std::uint8_t type[4];
    mMedia->Read(4, type);
    if (!IsValidChunkIdentifier(type))
        throw XBadFormat();
    const char name[5] = {static_cast<char>(type[0]), static_cast<char>(type[1]), static_cast<char>(type[2]),
                          static_cast<char>(type[3]), '\0'};
    return CIFFChunkInfo(kind, name, offset, size);
}

bool CIFFReader2::ReadFirstChunk(CIFFChunkInfo& out)
{
    mMedia->SetPosition(0);
    if (mMedia->GetSize() < 8)
        return false;
    out = ReadChunkHeader();
    return true;
}

bool CIFFReader2::ReadNextChunk(CIFFChunkInfo current, CIFFChunkInfo& out)
{
    std::int64_t next = std::int64_t{current.GetOffset()} + current.GetSize() + 8;
    next += next & 1;
    if (next >= mMedia->GetSize())
        return false;
    mMedia->SetPosition(ToPosition(next));
    out = ReadChunkHeader();
    return true;
}

bool CIFFReader2::FindChunkOfKind(std::int32_t kind, const char* name, CIFFChunkInfo& out)
{
    if (!IsFourCharacters(name))
        return false;
    CIFFChunkInfo chunk;
    for (bool found = ReadFirstChunk(chunk); found; found = ReadNextChunk(chunk, chunk)) {
        if (chunk.GetKind() == kind && chunk.HasName(name)) {
            out = chunk;
            return true;
        }
    }
    return false;
}

bool CIFFReader2::FindChunk(const char* id, CIFFChunkInfo& out)
{
    return FindChunkOfKind(CIFFChunkInfo::kPlainChunk, id, out);
}

bool CIFFReader2::FindFORMChunk(const char* type, CIFFChunkInfo& out)
{
    return FindChunkOfKind(CIFFChunkInfo::kFORMGroup, type, out);
}

bool CIFFReader2::FindGroupChunk(const char* type, CIFFChunkInfo& out)
{
    return FindChunkOfKind(CIFFChunkInfo::kCATGroup, type, out);
}

bool CIFFReader2::FindLISTChunk(const char* type, CIFFChunkInfo& out)
{
    return FindChunkOfKind(CIFFChunkInfo::kLISTGroup, type, out);
}

std::unique_ptr<CMedia> CIFFReader2::OpenChunk(const char* id)
{
    CIFFChunkInfo chunk;
    if (!FindChunk(id, chunk))
        return nullptr;
    return MakeDataMedia(chunk);
}

std::unique_ptr<CPartialMedia> CIFFReader2::MakeDataMedia(const CIFFChunkInfo& chunk)
{
    const std::int32_t headerLength = chunk.GetHeaderLength();
    const std::int32_t dataSize = chunk.GetDataSize();
    // -1 would make a window without an end.
    if (dataSize < 0)
        throw XBadFormat();
    const std::int32_t dataOffset = ToPosition(std::int64_t{chunk.GetOffset()} + headerLength);
    return std::make_unique<CPartialMedia>(*mMedia, dataOffset, dataSize);
}

void CIFFReader2::ReadChunkData(const CIFFChunkInfo& chunk, void* buffer)
{
    const std::int32_t dataSize = chunk.GetDataSize();
    const std::int64_t dataOffset = std::int64_t{chunk.GetOffset()} + chunk.GetHeaderLength();
    if (dataSize < 0 || dataOffset < 0 || dataSize > mMedia->GetSize() - dataOffset)
        throw XBadFormat();
    if (dataSize > 0)
        mMedia->ReadAt(static_cast<std::int32_t>(dataOffset), dataSize, buffer);
}

int CIFFReader2::CountChunks()
{
    const std::int32_t position = mMedia->GetPosition();
    int count = 0;
    try {
        CIFFChunkInfo chunk;
        for (bool found = ReadFirstChunk(chunk); found; found = ReadNextChunk(chunk, chunk))
            ++count;
    } catch (...) {
        mMedia->SetPosition(position);
        throw;
    }
    mMedia->SetPosition(position);
    return count;
}

bool CIFFReader2::IsIFFMedia(CMedia& media, int byteOrder)
{
    try {
        CIFFReader2 reader(media, byteOrder);
        CIFFChunkInfo chunk;
        return reader.ReadFirstChunk(chunk) && chunk.IsGroup() &&
               chunk.GetTotalLength() <= media.GetSize();
    } catch (const std::exception&) {
        return false;
    }
}

void CIFFReader2::DumpChunks(CMedia& in, CMedia& out, int indent)
{
    DumpLevel(in, out, indent < 0 ? 0 : indent, 0);
}

void CIFFReader2::DumpLevel(CMedia& in, CMedia& out, int indent, int depth)
{
    if (depth > kMaximumDumpDepth)
        throw XBadFormat();
    CIFFReader2 reader(in, 0);
    CIFFChunkInfo chunk;
    for (bool found = reader.ReadFirstChunk(chunk); found; found = reader.ReadNextChunk(chunk, chunk)) {
        std::string line(static_cast<std::size_t>(indent), ' ');
        if (chunk.IsGroup()) {
            const char* identifier = chunk.GetKind() == CIFFChunkInfo::kFORMGroup ? "FORM"
                                     : chunk.GetKind() == CIFFChunkInfo::kCATGroup ? "CAT "
                                                                                   : "LIST";
            line += std::string("Dumping contents of '") + identifier + "' chunk (" + chunk.GetName() +
                    "), size " + std::to_string(chunk.GetDataSize()) + "\n";
            out.Write(static_cast<std::int32_t>(line.size()), line.data());
            const std::unique_ptr<CPartialMedia> contents = reader.MakeDataMedia(chunk);
            DumpLevel(*contents, out, indent + 4, depth + 1);
        } else {
            line += std::string("Simple chunk, type: ") + chunk.GetName() +
                    ", size: " + std::to_string(chunk.GetSize()) + "\n";
            out.Write(static_cast<std::int32_t>(line.size()), line.data());
        }
    }
}

} // namespace NSTramvell
