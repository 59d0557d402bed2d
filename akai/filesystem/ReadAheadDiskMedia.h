#pragma once

// A disc read ahead in large aligned blocks, for a slow drive: every jump of an optical drive costs about
// a tenth of a second, while reading on costs little. A read that misses the kept blocks reads on to the
// end of its last block and one block further, so that the headers next to each other (a partition's
// size, volume table and directory) come in one request, and the next file's first bytes arrive with the
// one before it. The whole blocks a large read covers go straight into its buffer, in one request, and are
// not kept: each byte of a file's contents is read once.

#include "akai/filesystem/AkaiDiskMedia.h"

#include <cstdint>
#include <list>
#include <vector>

namespace NSAkaiFileSystem {

class CReadAheadDiskMedia final : public IAkaiDiskMedia
{
public:
    static constexpr std::int64_t kBlockSizeInBytes = 64 * 1024;
    static constexpr std::int32_t kReadAheadBlocks = 1;
    // 4 MB: a disc's headers (a few blocks a partition) stay while the samples stream past.
    static constexpr std::int32_t kMaximumKeptBlocks = 64;

    // The disc is borrowed and must outlive this media.
    explicit CReadAheadDiskMedia(IAkaiDiskMedia& disc);
    CReadAheadDiskMedia(const CReadAheadDiskMedia&) = delete;
    CReadAheadDiskMedia& operator=(const CReadAheadDiskMedia&) = delete;
    ~CReadAheadDiskMedia();

    // The disc's size, asked once; a failed question is asked again.
    std::int64_t GetSize() override;
    // A range outside the disc goes to the disc unchanged, which refuses it in its own way.
    void ReadAt(std::int64_t position, std::int64_t length, void* buffer) override;

private:
    struct CKeptBlock
    {
        std::int64_t index;
        std::vector<std::uint8_t> bytes;
    };

    const CKeptBlock* FindBlock(std::int64_t index, bool isHeaderRead);
    void ReadMissingBlocks(std::int64_t first, std::int64_t end, std::int64_t position, std::int64_t length,
                           std::uint8_t* buffer);
    // Reads blocks first to end (exclusive) in one request and keeps them; false when the read failed.
    // A header read's blocks, with those read ahead of it, are kept as headers (the rest of a partition's
    // headers lie next to the first), but behind the ones found again.
    bool TryKeepBlocks(std::int64_t first, std::int64_t end, bool isHeaderRead);
    std::int64_t BlockCount();

    IAkaiDiskMedia& mDisc;
    std::int64_t mSizeInBytes = -1;  // -1 until asked
    // Blocks a small read found again or brought in (headers, read over and over), the last found first;
    // they go only when no block is left that was read once.
    std::list<CKeptBlock> mFoundAgain;
    // The others, the newest first: the oldest is the next to go.
    std::list<CKeptBlock> mReadOnce;
};

} // namespace NSAkaiFileSystem
