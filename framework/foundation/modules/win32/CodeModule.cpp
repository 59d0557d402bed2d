#include "framework/foundation/modules/CodeModule.h"

#include "framework/foundation/platform/PlatformCalls.h"

#include <atomic>
#include <cstdint>

namespace NSTramvell {
namespace {

// Set once on the main thread before other threads exist; read from any thread.
std::atomic<CABCCodeModule*> gCurrentModule{nullptr};
std::atomic<std::uint32_t> gMainThreadIdentifier{0};

} // namespace

CCodeModuleInfo::CCodeModuleInfo(const CDirSpec& folder, const std::string& name,
                                 const CModuleReference& resourceFile, HINSTANCE instance)
    : mFolder(folder)
    , mName(name)
    , mResourceFile(resourceFile)
    , mInstance(instance)
{
}

CCodeModuleInfo::CCodeModuleInfo(const CCodeModuleInfo& other) = default;
CCodeModuleInfo& CCodeModuleInfo::operator=(const CCodeModuleInfo& other) = default;
CCodeModuleInfo::~CCodeModuleInfo() = default;

CABCCodeModule::CABCCodeModule(const CCodeModuleInfo& info)
    : mInfo(info)
{
    // Read only so that a module whose version resource cannot be read fails here, not at its first use.
    GetModuleTramvellVersion(mInfo.GetResourceFile());
    ReadProductVersion(mInfo.GetResourceFile());
    CABCCodeModule* none = nullptr;
    if (gCurrentModule.compare_exchange_strong(none, this))
        gMainThreadIdentifier.store(GetCurrentThreadIdentifier());
}

CABCCodeModule::~CABCCodeModule()
{
    // A later module's end must not leave the running application without its current module.
    CABCCodeModule* self = this;
    gCurrentModule.compare_exchange_strong(self, nullptr);
}

CABCCodeModule* CABCCodeModule::GetCurrent()
{
    return gCurrentModule.load();
}

bool CABCCodeModule::IsMainThread()
{
    if (gCurrentModule.load() == nullptr)
        return true;
    return GetCurrentThreadIdentifier() == gMainThreadIdentifier.load();
}

std::string CABCCodeModule::GetName() const
{
    return mInfo.GetName();
}

CDirSpec CABCCodeModule::GetFolder() const
{
    return mInfo.GetFolder();
}

CModuleReference CABCCodeModule::GetResourceFile() const
{
    return mInfo.GetResourceFile();
}

HINSTANCE CABCCodeModule::GetInstanceHandle() const
{
    return mInfo.GetInstanceHandle();
}

CTramvellFileVersion CABCCodeModule::GetVersion() const
{
    const CModuleReference resourceFile = mInfo.GetResourceFile();
    return GetModuleTramvellVersion(resourceFile);
}

bool IsMainThread()
{
    return CABCCodeModule::IsMainThread();
}

} // namespace NSTramvell
