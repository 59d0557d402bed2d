#pragma once

// The converter's entry point: one Akai disc into a folder tree that mirrors its partitions and volumes.
// Windows builds only.

#include "conversion/log/ConversionStrings.h"

#include <cstdint>

namespace NSAkaiFileSystem {
class IAkaiDiskMedia;
}
namespace NSErrorListener {
class IErrorListener;
}
namespace NSLogger {
class ILog;
}
namespace NSProgressListener {
class IProgressListener;
}
namespace NSTramvell {
class CDirSpec;
}

namespace NSAkaiConversion {

// Results of ConvertDisk.
constexpr std::uint32_t kConversionCompleted = 0;
constexpr std::uint32_t kConversionStoppedKeepOutput = 1;
constexpr std::uint32_t kConversionStoppedDeleteOutput = 2;

// Output modes.
constexpr std::uint8_t kArchiveOutput = 0;
constexpr std::uint8_t kFolderOutput = 1;

// Walks every partition and volume in disc order, making "<outputFolder>\<partition>\<volume>\" folders
// (numbered where the name is taken) and converting each volume into its folder. Returns one of the
// results above; a failure that aborts the conversion (no memory, a full disk, an unreadable disc, a
// folder or file that cannot be made) passes on as its exception.
std::uint32_t ConvertDisk(NSProgressListener::IProgressListener& progressListener,
                          NSErrorListener::IErrorListener& errorListener, NSLogger::ILog& log,
                          NSAkaiFileSystem::IAkaiDiskMedia& diskMedia, const NSTramvell::CDirSpec& outputFolder,
                          std::uint8_t outputMode);

} // namespace NSAkaiConversion
