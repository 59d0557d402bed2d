#include "akai/client/VolumeHolder.h"

#include "akai/client/BrakvelErrors.h"
#include "libs/rawdisk/Brakvel.h"

namespace NSBrakvel {

CVolumeHolder::CVolumeHolder(IVolume* volume, bool ownsVolume)
    : mVolume(volume), mOwnsVolume(ownsVolume)
{
}

CVolumeHolder::~CVolumeHolder()
{
    if (mOwnsVolume)
        delete mVolume;
    mVolume = nullptr;
}

void CVolumeHolder::Eject()
{
    ThrowOnError(mVolume->Eject());
}

bool CVolumeHolder::GetFlag()
{
    bool flag = false;
    ThrowOnError(mVolume->GetFlag(&flag));
    return flag;
}

std::int64_t CVolumeHolder::GetSize()
{
    std::int64_t sizeInBytes = 0;
    ThrowOnError(mVolume->GetSize(&sizeInBytes));
    return sizeInBytes;
}

void CVolumeHolder::Read(std::uint64_t position, std::uint64_t length, void* destination)
{
    ThrowOnError(mVolume->Read(position, length, destination));
}

CVolumeIteratorHolder::CVolumeIteratorHolder(IVolumeIterator* iterator)
    : mIterator(iterator)
{
}

CVolumeIteratorHolder::~CVolumeIteratorHolder()
{
    Reset();
}

void CVolumeIteratorHolder::Reset(IVolumeIterator* iterator)
{
    delete mIterator;
    mIterator = iterator;
}

std::unique_ptr<CVolumeHolder> CVolumeIteratorHolder::NextVolume()
{
    if (mIterator == nullptr)
        throw XIllegalCallSequence();
    int status = kBrakvelSuccess;
    // Owned from here on, so that a failed allocation of the holder closes the drive again.
    std::unique_ptr<IVolume> volume(mIterator->Next(&status));
    ThrowOnError(status);
    if (!volume)
        return nullptr;
    auto holder = std::make_unique<CVolumeHolder>(volume.get(), true);
    volume.release();
    return holder;
}

void CreateVolumeIterator(CVolumeIteratorHolder& holder)
{
    holder.Reset();
    int status = kBrakvelSuccess;
    holder.Reset(Brakvel_CreateVolumeIterator(&status));
    ThrowOnError(status);
}

} // namespace NSBrakvel

