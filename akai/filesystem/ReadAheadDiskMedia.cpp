#include "akai/filesystem/ReadAheadDiskMedia.h"

#include <algorithm>
#include <cstring>

namespace NSAkaiFileSystem {
namespace {

// Copies the part of a block (its bytes, starting on the disc at blockStart) that lies within the read
// from position to readEnd, to its place in the read's buffer.
void CopyPartOfBlock(const std::vector<std::uint8_t>& bytes, std::int64_t blockStart, std::int64_t position,
                     std::int64_t readEnd, std::uint8_t* buffer)
{
    const std::int64_t from = std::max(position, blockStart);
    const std::int64_t to = std::min(readEnd, blockStart + static_cast<std::int64_t>(bytes.size()));
    std::memcpy(buffer + (from - position), bytes.data() + (from - blockStart), static_cast<std::size_t>(to - from));
}

} // namespace

CReadAheadDiskMedia::CReadAheadDiskMedia(IAkaiDiskMedia& disc) : mDisc(disc) {}

CReadAheadDiskMedia::~CReadAheadDiskMedia() = default;

std::int64_t CReadAheadDiskMedia::GetSize()
{
    if (mSizeInBytes < 0)
        mSizeInBytes = mDisc.GetSize();
    return mSizeInBytes;
}

std::int64_t CReadAheadDiskMedia::BlockCount()
{
    return (GetSize() + kBlockSizeInBytes - 1) / kBlockSizeInBytes;
}

void CReadAheadDiskMedia::ReadAt(std::int64_t position, std::int64_t length, void* buffer)
{
    const std::int64_t size = GetSize();
    if (position < 0 || length < 0 || position > size || length > size - position) {
        mDisc.ReadAt(position, length, buffer);
        return;
    }
    if (length == 0)
        return;
    auto* const target = static_cast<std::uint8_t*>(buffer);
    const bool isHeaderRead = length < kBlockSizeInBytes;
    const std::int64_t last = (position + length - 1) / kBlockSizeInBytes;
    std::int64_t index = position / kBlockSizeInBytes;
    while (index <= last) {
        if (const CKeptBlock* const block = FindBlock(index, isHeaderRead)) {
            CopyPartOfBlock(block->bytes, index * kBlockSizeInBytes, position, position + length, target);
            ++index;
            continue;
        }
        std::int64_t end = index + 1;
        while (end <= last && FindBlock(end, false) == nullptr)
            ++end;
        ReadMissingBlocks(index, end, position, length, target);
        index = end;
    }
}

// Reads blocks first to end (exclusive), none of them kept, for the read of length bytes at position
// into buffer. The blocks the read covers whole go straight into the buffer; the ones it covers in part
// are kept, and with the last of them the blocks ahead.
void CReadAheadDiskMedia::ReadMissingBlocks(std::int64_t first, std::int64_t end, std::int64_t position,
                                            std::int64_t length, std::uint8_t* buffer)
{
    const std::int64_t size = GetSize();
    const std::int64_t readEnd = position + length;
    const auto blockEnd = [size](std::int64_t index) { return std::min((index + 1) * kBlockSizeInBytes, size); };
    const std::int64_t requestLast = (readEnd - 1) / kBlockSizeInBytes;
    const bool isHeaderRead = length < kBlockSizeInBytes;
    std::int64_t aheadEnd = end;
    if (end == requestLast + 1) {
        const std::int64_t limit = std::min(end + kReadAheadBlocks, BlockCount());
        while (aheadEnd < limit && FindBlock(aheadEnd, false) == nullptr)
            ++aheadEnd;
    }
    // Keeps blocks from to neededEnd, with the ones up to wantedEnd when it can, and copies the read's
    // part of them. A block that cannot be read whole may fail where the read does not look: then the
    // read's own bytes are read alone, and only their failure is the read's.
    const auto keepAndCopy = [&](std::int64_t from, std::int64_t neededEnd, std::int64_t wantedEnd) {
        const std::int64_t start = std::max(position, from * kBlockSizeInBytes);
        const std::int64_t stop = std::min(readEnd, blockEnd(neededEnd - 1));
        if (!TryKeepBlocks(from, wantedEnd, isHeaderRead) &&
            (wantedEnd == neededEnd || !TryKeepBlocks(from, neededEnd, isHeaderRead))) {
            mDisc.ReadAt(start, stop - start, buffer + (start - position));
            return;
        }
        for (std::int64_t index = from; index < neededEnd; ++index)
            CopyPartOfBlock(FindBlock(index, false)->bytes, index * kBlockSizeInBytes, position, readEnd, buffer);
    };
    const std::int64_t directFirst = first * kBlockSizeInBytes >= position ? first : first + 1;
    const std::int64_t directEnd = blockEnd(end - 1) <= readEnd ? end : end - 1;
    if (directFirst >= directEnd) {
        keepAndCopy(first, end, aheadEnd);
        return;
    }
    if (directFirst > first)
        keepAndCopy(first, first + 1, first + 1);
    const std::int64_t directStart = directFirst * kBlockSizeInBytes;
    mDisc.ReadAt(directStart, blockEnd(directEnd - 1) - directStart, buffer + (directStart - position));
    if (directEnd < end)
        keepAndCopy(directEnd, end, aheadEnd);
    else if (aheadEnd > end)
        TryKeepBlocks(end, aheadEnd, false);  // nobody asked for those bytes yet: a failure is for whoever does
}

bool CReadAheadDiskMedia::TryKeepBlocks(std::int64_t first, std::int64_t end, bool isHeaderRead)
{
    const std::int64_t start = first * kBlockSizeInBytes;
    const std::int64_t stop = std::min(end * kBlockSizeInBytes, GetSize());
    std::vector<std::uint8_t> bytes;
    try {
        bytes.resize(static_cast<std::size_t>(stop - start));
        mDisc.ReadAt(start, stop - start, bytes.data());
    } catch (...) {
        return false;
    }
    // Room first: the blocks read now are what the caller copies from next.
    while (static_cast<std::int64_t>(mFoundAgain.size() + mReadOnce.size()) + (end - first) > kMaximumKeptBlocks &&
           !(mFoundAgain.empty() && mReadOnce.empty()))
        (mReadOnce.empty() ? mFoundAgain : mReadOnce).pop_back();
    for (std::int64_t index = first; index < end; ++index) {
        const auto from = bytes.begin() + (index - first) * kBlockSizeInBytes;
        const auto to = bytes.begin() + std::min<std::int64_t>((index - first + 1) * kBlockSizeInBytes,
                                                               static_cast<std::int64_t>(bytes.size()));
        if (isHeaderRead)
            mFoundAgain.push_back({index, std::vector<std::uint8_t>(from, to)});
        else
            mReadOnce.push_front({index, std::vector<std::uint8_t>(from, to)});
    }
    return true;
}

const CReadAheadDiskMedia::CKeptBlock* CReadAheadDiskMedia::FindBlock(std::int64_t index, bool isHeaderRead)
{
    const auto hasIndex = [index](const CKeptBlock& block) { return block.index == index; };
    for (std::list<CKeptBlock>* const blocks : {&mFoundAgain, &mReadOnce}) {
        const auto found = std::find_if(blocks->begin(), blocks->end(), hasIndex);
        if (found == blocks->end())
            continue;
        // Headers are read again and again (every partition's walk starts at the first); file contents once.
        if (isHeaderRead)
            mFoundAgain.splice(mFoundAgain.begin(), *blocks, found);
        return &*found;
    }
    return nullptr;
}

} // namespace NSAkaiFileSystem
