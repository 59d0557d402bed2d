#pragma once

// Tells interested objects when a volume has been mounted. While at least one watcher is registered, a
// process-wide instance polls the mounted volumes from idle time about once a second and announces each
// volume that was not there at the previous poll. Everything runs on the user-interface thread.

#include "framework/foundation/files/VolumeSpec.h"
#include "framework/foundation/platform/IdleManager.h"
#include "framework/foundation/strings/RulingString.h"

#include <vector>

namespace NSTramvell {

namespace NSMountWatcher {
class CMountedVolume;
} // namespace NSMountWatcher

class IMountWatcher
{
public:
    // The volume is valid during the call only.
    virtual void OnVolumeMounted(const NSMountWatcher::CMountedVolume& volume) = 0;
    virtual ~IMountWatcher();
};

// Registers the watcher for as long as it lives.
class CMountWatcher
{
public:
    explicit CMountWatcher(IMountWatcher* watcher);
    virtual ~CMountWatcher();
    CMountWatcher(const CMountWatcher&) = delete;
    CMountWatcher& operator=(const CMountWatcher&) = delete;

private:
    IMountWatcher* mWatcher;   // borrowed: outlives this registration
};

namespace NSMountWatcher {

class CMountedVolume
{
public:
    CMountedVolume(const CVolumeSpec& volume, const CVolumeName& name);

    const CVolumeSpec& GetVolume() const { return mVolume; }
    const CVolumeName& GetName() const { return mName; }
    bool operator==(const CMountedVolume& other) const;

private:
    CVolumeSpec mVolume;
    CVolumeName mName;
};

// The mounted volumes now, floppy drives left out (they are never touched). A volume that vanishes or
// cannot be examined while it is looked at is left out as well.
std::vector<CMountedVolume> TakeSnapshot();

// The idle client that polls; it exists while a watcher is registered.
class CMountWatcherInstance : public IIdleable
{
public:
    static constexpr std::int32_t kPollIntervalCode = 27;

    // Takes the first snapshot: what is mounted now counts as known.
    CMountWatcherInstance();
    ~CMountWatcherInstance() override;
    CMountWatcherInstance(const CMountWatcherInstance&) = delete;
    CMountWatcherInstance& operator=(const CMountWatcherInstance&) = delete;

    void OnIdle(const CIdleInfo& info) override;
    // Announces every volume of a new snapshot that the previous one lacked to every watcher, in
    // registration order. A watcher that unregisters meanwhile is not called any more; an instance whose
    // last watcher left is deleted when the poll ends.
    void Poll();

private:
    std::vector<CMountedVolume> mVolumes;   // the previous poll's snapshot
};

// The same watcher may be registered twice and is then called twice.
void RegisterWatcher(IMountWatcher* watcher);
// Removes the first registration; the last one gone takes the polling instance with it.
void UnregisterWatcher(IMountWatcher* watcher);
// One poll at once, when there is an instance.
void PollNow();
// The polling instance, or null.
CMountWatcherInstance* GetInstance();

} // namespace NSMountWatcher

} // namespace NSTramvell
