#pragma once

// The rule by which the program's disk-mounting filter picks the drives it reads.

namespace NSBrakvel {
class CVolumeHolder;
}

namespace NSAkaiFileSystem {

// False for a volume whose flag says to leave it alone (nothing is read from it); otherwise whether
// it holds an Akai file system. Errors of the volume pass to the caller.
bool IsMountableAkaiVolume(NSBrakvel::CVolumeHolder* volume);

} // namespace NSAkaiFileSystem
