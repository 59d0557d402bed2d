#pragma once

// The disk-mounting filter that the program registers with the raw-disk library: asked about a raw
// volume, it decides whether the program wants it. The library keeps no caller object and never calls
// back; the adapter stays callable all the same.

namespace NSBrakvel {

class CVolumeHolder;
class IVolume;

// The object handed across the library's boundary: -1 for a volume wanted, 0 otherwise.
class IDiskMountingFilter
{
public:
    virtual int FilterVolume(IVolume* volume) = 0;

protected:
    ~IDiskMountingFilter() = default;
};

// The receiver a program object derives from. Constructing it makes it the current filter (the last
// one constructed wins); destroying it leaves no filter. User-interface thread only.
class CABCDiskMountingFilter
{
public:
    CABCDiskMountingFilter();
    CABCDiskMountingFilter(const CABCDiskMountingFilter&) = delete;
    CABCDiskMountingFilter& operator=(const CABCDiskMountingFilter&) = delete;
    virtual ~CABCDiskMountingFilter();

    // The holder does not own the volume and lives for the call only.
    virtual bool AcceptsVolume(CVolumeHolder* volume) = 0;
};

// Asks the current filter through a non-owning holder on the stack, so the filter is never given
// null; without a filter no volume is wanted. Exceptions of the filter pass.
class CDiskMountingFilter final : public IDiskMountingFilter
{
public:
    constexpr CDiskMountingFilter() = default;

    int FilterVolume(IVolume* volume) override;

    CABCDiskMountingFilter* GetCurrentFilter() const { return mCurrentFilter; }
    void SetCurrentFilter(CABCDiskMountingFilter* filter) { mCurrentFilter = filter; }

private:
    CABCDiskMountingFilter* mCurrentFilter = nullptr;   // borrowed: the registered receiver
};

// The one adapter whose address the library is given.
CDiskMountingFilter& GetDiskMountingFilter();

} // namespace NSBrakvel
