#pragma once

// Owning handles on the raw-disk library's volume iterator and volumes. Every call turns the library's
// status into an exception (ThrowOnError). Objects the library made die through their virtual
// destructors, which run inside the library.

#include <cstdint>
#include <memory>

namespace NSBrakvel {

class IVolume;
class IVolumeIterator;

// One raw volume. An owning holder deletes the volume when it goes; a non-owning one only forgets it,
// and the volume's owner must keep it alive meanwhile.
class CVolumeHolder
{
public:
    CVolumeHolder(IVolume* volume, bool ownsVolume);
    CVolumeHolder(const CVolumeHolder&) = delete;
    CVolumeHolder& operator=(const CVolumeHolder&) = delete;
    ~CVolumeHolder();

    // After a successful eject only the destructor may be called.
    void Eject();
    // True for a volume the program leaves alone.
    bool GetFlag();
    std::int64_t GetSize();
    // A range past the medium throws std::invalid_argument and leaves the destination untouched.
    void Read(std::uint64_t position, std::uint64_t length, void* destination);

private:
    IVolume* mVolume;
    bool mOwnsVolume;
};

// The drives that held a medium when the iterator was made.
class CVolumeIteratorHolder
{
public:
    CVolumeIteratorHolder() = default;
    // Takes ownership of the iterator.
    explicit CVolumeIteratorHolder(IVolumeIterator* iterator);
    CVolumeIteratorHolder(const CVolumeIteratorHolder&) = delete;
    CVolumeIteratorHolder& operator=(const CVolumeIteratorHolder&) = delete;
    ~CVolumeIteratorHolder();

    // Deletes the iterator held so far and takes ownership of the new one (or of none).
    void Reset(IVolumeIterator* iterator = nullptr);
    bool IsEmpty() const { return mIterator == nullptr; }

    // An owning holder of the next volume, or null when no drive is left. When the holder cannot be
    // allocated, the volume is deleted (closing its drive) and std::bad_alloc passes. An empty
    // holder throws XIllegalCallSequence.
    std::unique_ptr<CVolumeHolder> NextVolume();

private:
    IVolumeIterator* mIterator = nullptr;
};

// Fills the holder with a new iterator over the CD-ROM and removable drives; a failure throws and
// leaves the holder empty.
void CreateVolumeIterator(CVolumeIteratorHolder& holder);

} // namespace NSBrakvel
