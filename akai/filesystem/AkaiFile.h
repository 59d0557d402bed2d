#pragma once

// One file of an Akai disc, opened as bytes with its name and kind.

#include <cstdint>
#include <memory>
#include <string>

namespace NSAkaiFileSystemImplementation {
class CAkaiOpenFile;
class CPartitionCache;
struct CFileEntry;
}

namespace NSAkaiFileSystem {

class CAkaiFileSystem;

// The whole file is read when it is opened. A file found damaged then (its block chain broken, or
// its blocks off the disc) still opens: its name, kind and directory size answer, and every ReadAt
// throws NSTramvell::XBadFormat, so a damaged file costs only itself. Read errors of the disc while
// opening pass unchanged. The file system must outlive the file.
class CAkaiFile
{
public:
    CAkaiFile(const CAkaiFileSystem& fileSystem, std::int32_t partition, std::int32_t volume, std::int32_t file);
    CAkaiFile(NSAkaiFileSystemImplementation::CPartitionCache& partitionCache, std::int32_t partition,
              std::int32_t volume, std::int32_t file);
    CAkaiFile(const CAkaiFile& other);
    CAkaiFile& operator=(const CAkaiFile&) = delete;
    ~CAkaiFile();

    // 32-43, from the directory's type byte; programs are 34 and 36, samples 35 and 37.
    int GetKind() const;
    std::string GetName() const;
    std::int64_t GetSize() const;
    // Throws NSTramvell::XBadFormat unless 0 <= position and position + length <= GetSize().
    void ReadAt(std::int64_t position, std::int64_t length, void* buffer);

private:
    const NSAkaiFileSystemImplementation::CFileEntry& Entry() const;

    NSAkaiFileSystemImplementation::CPartitionCache& mPartitionCache;   // the file system's
    std::int32_t mPartition;
    std::int32_t mVolume;
    std::int32_t mFile;
    std::unique_ptr<NSAkaiFileSystemImplementation::CAkaiOpenFile> mOpenFile;
};

} // namespace NSAkaiFileSystem
