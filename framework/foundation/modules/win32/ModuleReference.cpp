#include "framework/foundation/modules/ModuleReference.h"

#include "framework/foundation/core/Exceptions.h"
#include "framework/foundation/platform/win32/PlatformTables.h"

#include <algorithm>
#include <vector>

namespace NSTramvell {
namespace {

// Every live record, in order of creation. Reached through a function so that a module opened by a
// static initialiser finds the list built.
std::vector<CLoadedModule*>& GetModuleList()
{
    static std::vector<CLoadedModule*> modules;
    return modules;
}

// Drops the creator's count once a reference holds the record, so that the record lives exactly as long
// as its references.
CModuleReference ReferenceDroppingCreatorCount(CLoadedModule& module)
{
    CModuleReference reference(module);
    module.Release();
    return reference;
}

} // namespace

CLoadedModule::CLoadedModule(const CFileSpec& file, HMODULE handle, bool owned)
    : mFile(file)
    , mHandle(handle)
    , mOwned(owned)
{
    GetModuleList().push_back(this);
}

CLoadedModule::~CLoadedModule()
{
    std::vector<CLoadedModule*>& modules = GetModuleList();
    modules.erase(std::remove(modules.begin(), modules.end(), this), modules.end());
    if (mOwned)
        GetKernelTable().FreeLibrary(mHandle);
}

void CLoadedModule::AddReference()
{
    ++mReferenceCount;
}

void CLoadedModule::Release()
{
    if (--mReferenceCount == 0)
        delete this;
}

CModuleReference::CModuleReference(CLoadedModule& module)
    : mModule(&module)
{
    mModule->AddReference();
}

CModuleReference::CModuleReference(const CModuleReference& other)
    : mModule(other.mModule)
{
    mModule->AddReference();
}

CModuleReference& CModuleReference::operator=(const CModuleReference& other)
{
    if (other.mModule != mModule) {
        other.mModule->AddReference();
        mModule->Release();
        mModule = other.mModule;
    }
    return *this;
}

CModuleReference::~CModuleReference()
{
    mModule->Release();
}

HMODULE CModuleReference::GetHandle() const
{
    return mModule->GetHandle();
}

const CFileSpec& CModuleReference::GetFile() const
{
    return mModule->GetFile();
}

CModuleReference OpenModule(const CFileSpec& file)
{
    if (CLoadedModule* listed = FindModuleByFile(file))
        return CModuleReference(*listed);
    // A normal load, not one as a data file: the version reader asks the platform for the module's file
    // name, which a data-file load does not give.
    const HMODULE handle = GetKernelTable().LoadLibraryA(file.GetFullPath().c_str());
    if (handle == nullptr)
        throw XBase();
    return ReferenceDroppingCreatorCount(*new CLoadedModule(file, handle, true));
}

CModuleReference OpenModule(const CFileSpec& file, HINSTANCE instance)
{
    if (CLoadedModule* listed = FindModuleByFile(file))
        return CModuleReference(*listed);
    return ReferenceDroppingCreatorCount(RegisterModule(file, instance));
}

CLoadedModule& RegisterModule(const CFileSpec& file, HMODULE handle)
{
    return *new CLoadedModule(file, handle, false);
}

CLoadedModule* FindModuleByFile(const CFileSpec& file)
{
    for (CLoadedModule* module : GetModuleList()) {
        if (module->GetFile() == file)
            return module;
    }
    return nullptr;
}

CLoadedModule* FindModuleByHandle(HMODULE handle)
{
    for (CLoadedModule* module : GetModuleList()) {
        if (module->GetHandle() == handle)
            return module;
    }
    return nullptr;
}

void ReleaseModuleByHandle(HMODULE handle)
{
    if (CLoadedModule* module = FindModuleByHandle(handle))
        module->Release();
}

} // namespace NSTramvell
