#pragma once

// The iterator over the drives that may hold a volume. The drive list is taken once, when the
// iterator is made; each Next consumes names from its end until one gives a volume.

#include "libs/rawdisk/Brakvel.h"

#include <string>
#include <vector>

namespace NSBrakvelImplementation {

// The drive names ("E:") of the system's drives other than A: and B:, in the system's order; with
// onlyRemovable, only CD-ROM and removable drives. Throws when the system lists no drives.
std::vector<std::string> CollectDriveNames(bool onlyRemovable);

class CVolumeIterator : public NSBrakvel::IVolumeIterator
{
public:
    explicit CVolumeIterator(bool onlyRemovable);

    NSBrakvel::IVolume* Next(int* status) override;
    int Release() override;

private:
    NSBrakvel::IVolume* TakeNextVolume();

    std::vector<std::string> mDriveNames;
};

} // namespace NSBrakvelImplementation
