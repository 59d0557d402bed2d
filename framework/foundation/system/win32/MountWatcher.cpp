#include "framework/foundation/system/MountWatcher.h"

#include "framework/foundation/core/Exceptions.h"
#include "framework/foundation/files/Volumes.h"

#include <algorithm>

namespace NSTramvell {
namespace NSMountWatcher {
namespace {

CMountWatcherInstance* gInstance = nullptr;
std::vector<IMountWatcher*> gWatchers;
// The instance whose Poll is running, and whether its last watcher left during that poll.
CMountWatcherInstance* gPollingInstance = nullptr;
bool gPollingInstanceEmptied = false;

bool IsRegistered(const IMountWatcher* watcher)
{
    return std::find(gWatchers.begin(), gWatchers.end(), watcher) != gWatchers.end();
}

// Ends a poll however it ends: an instance emptied meanwhile could not be deleted under the running poll.
class CPollScope
{
public:
    explicit CPollScope(CMountWatcherInstance* instance)
        : mPreviousInstance(gPollingInstance)
        , mPreviousEmptied(gPollingInstanceEmptied)
    {
        gPollingInstance = instance;
        gPollingInstanceEmptied = false;
    }
    ~CPollScope()
    {
        CMountWatcherInstance* const instance = gPollingInstance;
        const bool emptied = gPollingInstanceEmptied;
        gPollingInstance = mPreviousInstance;
        if (instance == mPreviousInstance) {
            // A poll within a poll of the same instance: the outer one deletes it.
            gPollingInstanceEmptied = mPreviousEmptied || emptied;
            return;
        }
        gPollingInstanceEmptied = mPreviousEmptied;
        if (emptied)
            delete instance;
    }
    CPollScope(const CPollScope&) = delete;
    CPollScope& operator=(const CPollScope&) = delete;

private:
    CMountWatcherInstance* mPreviousInstance;
    bool mPreviousEmptied;
};

} // namespace

CMountedVolume::CMountedVolume(const CVolumeSpec& volume, const CVolumeName& name)
    : mVolume(volume)
    , mName(name)
{
}

bool CMountedVolume::operator==(const CMountedVolume& other) const
{
    return mVolume == other.mVolume && mName == other.mName;
}

std::vector<CMountedVolume> TakeSnapshot()
{
    std::vector<CMountedVolume> snapshot;
    for (const CVolumeSpec& volume : GetMountedVolumes()) {
        try {
            if (GetVolumeKind(volume) == kVolumeKindFloppy)
                continue;
            if (GetVolumeInfo(volume).GetFlag1())
                snapshot.emplace_back(volume, GetMountedVolumeInfo(volume).GetName());
        } catch (const XNotFound&) {
            // Gone while we looked: it is not mounted now.
        } catch (const XFile&) {
            // A drive the platform no longer knows.
        }
    }
    return snapshot;
}

CMountWatcherInstance::CMountWatcherInstance()
    : mVolumes(TakeSnapshot())
{
    GetIdleManager().Register(this, kPollIntervalCode);
}

CMountWatcherInstance::~CMountWatcherInstance()
{
    GetIdleManager().Unregister(this);
}

void CMountWatcherInstance::OnIdle(const CIdleInfo&)
{
    Poll();
}

void CMountWatcherInstance::Poll()
{
    std::vector<CMountedVolume> snapshot = TakeSnapshot();
    std::vector<CMountedVolume> added;
    for (const CMountedVolume& volume : snapshot)
        if (std::find(mVolumes.begin(), mVolumes.end(), volume) == mVolumes.end())
            added.push_back(volume);
    // Stored before anyone is told, so that a watcher that throws does not get the volume again next time.
    mVolumes = std::move(snapshot);
    const std::vector<IMountWatcher*> watchers = gWatchers;
    CPollScope scope(this);
    for (const CMountedVolume& volume : added)
        for (IMountWatcher* watcher : watchers)
            if (IsRegistered(watcher))
                watcher->OnVolumeMounted(volume);
}

void RegisterWatcher(IMountWatcher* watcher)
{
    CMountWatcherInstance* made = nullptr;
    if (gInstance == nullptr) {
        made = new CMountWatcherInstance();
        gInstance = made;
    }
    try {
        gWatchers.push_back(watcher);
    } catch (...) {
        if (made != nullptr) {
            delete made;
            gInstance = nullptr;
        }
        throw;
    }
}

void UnregisterWatcher(IMountWatcher* watcher)
{
    const auto found = std::find(gWatchers.begin(), gWatchers.end(), watcher);
    if (found == gWatchers.end())
        return;
    gWatchers.erase(found);
    if (!gWatchers.empty() || gInstance == nullptr)
        return;
    CMountWatcherInstance* const instance = gInstance;
    gInstance = nullptr;
    if (instance == gPollingInstance)
        gPollingInstanceEmptied = true;
    else
        delete instance;
}

void PollNow()
{
    if (gInstance != nullptr)
        gInstance->Poll();
}

CMountWatcherInstance* GetInstance()
{
    return gInstance;
}

} // namespace NSMountWatcher

IMountWatcher::~IMountWatcher() = default;

CMountWatcher::CMountWatcher(IMountWatcher* watcher)
    : mWatcher(watcher)
{
    NSMountWatcher::RegisterWatcher(mWatcher);
}

CMountWatcher::~CMountWatcher()
{
    NSMountWatcher::UnregisterWatcher(mWatcher);
}

} // namespace NSTramvell
