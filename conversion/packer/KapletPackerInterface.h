#pragma once

// The archive packer is a separate program of the maker: in archive mode the converted folder is handed
// to it, and it builds the sound-bank archive. These functions find where it is installed, whether it
// runs and which of its windows takes the hand-over, and carry out the hand-over itself. User-interface
// thread only; nothing is kept between calls.

#include "conversion/log/ConversionStrings.h"
#include "conversion/packer/PackerProgressListener.h"
#include "framework/foundation/strings/RulingString.h"

#include <cstdint>
#include <string>
#include <vector>

// The platform's window handle, declared as the platform declares it.
struct HWND__;
typedef struct HWND__* HWND;

namespace NSTramvell {
class CDirSpec;
class CFileSpec;
} // namespace NSTramvell

namespace NSKapletPackerInterface {

// Install states.
constexpr std::uint32_t kPackerInstalled = 751;
constexpr std::uint32_t kPackerNotInstalled = 749;

// The packer's own message window, and the document window of the framework it shares with this program,
// which answers for it while the message window is not made yet.
inline constexpr char kPackerMessageWindowClass[] = "KapletPacker Message Window";
inline constexpr char kDocumentWindowClass[] = "Tramvell Document Window";

// The packer is given 360 tries of one second to show its window after it was started.
constexpr std::uint32_t kMaximumStartTries = 360;
constexpr std::uint32_t kWaitPauseMs = 1000;
// After it accepted, the packer is given 60 tries of one second to let go of the parameter file.
constexpr std::uint32_t kMaximumReleaseTries = 60;

// The hand-over message: first parameter 0, second the parameter file's handle in the packer's process.
// Its answer 1 means the job is accepted.
constexpr std::uint32_t kHandOverMessage = 0x485;
constexpr std::uint32_t kHandOverAccepted = 1;

constexpr std::uint16_t kSplashPictureResource = 128;
inline constexpr char kSplashPictureFileName[] = "Splash.jpg";
inline constexpr char kInfoFileName[] = "INFO.TXT";
inline constexpr char kParameterFilePrefix[] = "KapletPackerParameters";

// The maker's web address and the archive comment, from the conversion's string table.
constexpr std::uint32_t kPackerWebAddressId = NSAkaiConversion::ConversionStringId(1500);
constexpr std::uint32_t kArchiveCommentId = NSAkaiConversion::ConversionStringId(2000);

// The packer's program path from the registry; empty when a key or the value is missing. Other registry
// failures throw std::runtime_error.
std::string GetPackerPath();
// kPackerInstalled when the registry names a path at which a file exists, else kPackerNotInstalled.
std::uint32_t GetPackerInstallState();

// The ids of the running processes with a module whose file is path (letter case ignored, as the file
// system ignores it); a process appears once for every such module. Processes that cannot be opened are
// skipped. A missing process-status library or function throws std::runtime_error.
std::vector<std::uint32_t> FindPackerProcesses(const std::string& path);
// The process's top-level windows of the class, in the window list's order; all of them for an empty class.
std::vector<HWND> FindProcessWindows(const std::string& className, std::uint32_t processId);
// The message window of the first packer process found, else its document window; null when none.
HWND FindPackerWindow(const std::string& path);
bool IsPackerRunning(const NSTramvell::CFileSpec& packer);

// Hands the converted folder to the packer, starting it when it does not run, and returns true once the
// packer has accepted the job and let go of its input (the parameter file). Every wait (for the started
// packer's window, for the release of the parameter file) is bounded and reports 2345 each round, whose
// answer 1235 stops it. False when the user stops, when the packer is not installed or its window is not
// found, when it refuses, or when it still holds its input after kMaximumReleaseTries. A packer that
// cannot be started throws. Whatever the road, "INFO.TXT" and "Splash.jpg" are gone on return and so is
// the parameter file, unless a packer still holds it: then it stays in the temporary-files folder.
// The listener may be null.
bool PackFolder(const NSTramvell::CDirSpec& folder, const NSTramvell::CFileSpec& archiveSpec,
                IKapletPackerProgressListener* listener);

// "Splash.jpg" and "INFO.TXT" in the folder; archiveFileName names the archive (its stem is the NAME).
// A failure removes what was written and passes on.
void WriteArchiveInfoFiles(const NSTramvell::CDirSpec& folder, const NSTramvell::CFileName& archiveFileName);
void DeleteArchiveInfoFiles(const NSTramvell::CDirSpec& folder);
// The current code module's "JPEG" resource of that number, written unchanged as the file.
void WriteSplashPicture(const NSTramvell::CFileSpec& file, std::uint16_t resourceNumber);
// The text of "INFO.TXT": NAME, URL and COMMENTS lines, each ending with a carriage return.
std::string MakeArchiveInfoText(const std::string& archiveName);

// A new, empty file in the temporary-files folder, named by the platform from kParameterFilePrefix.
NSTramvell::CFileSpec MakeParameterFileSpec();
// Writes both folder paths, each after its big-endian 32-bit length, into a new parameter file.
NSTramvell::CFileSpec WriteParameterFile(const NSTramvell::CDirSpec& convertedFolder,
                                         const NSTramvell::CDirSpec& archiveFolder);
// Opens the parameter file without sharing, moves that handle into the window's process and sends it
// kHandOverMessage; true when the answer is kHandOverAccepted. Platform failures throw std::runtime_error.
bool HandOverParameterFile(HWND window, const NSTramvell::CFileSpec& parameterFile);

} // namespace NSKapletPackerInterface
