#include "framework/foundation/platform/InitializeExit.h"

namespace NSTramvell {
namespace {

// Made on first use: registration runs during static initialisation, in no order we control.
CInitializeExitRegistry& GetRegistry()
{
    static CInitializeExitRegistry registry;
    return registry;
}

} // namespace

void CInitializeExitRegistry::Register(IInitializeExit* object)
{
    mObjects.push_back(object);
}

void CInitializeExitRegistry::InitializeAll()
{
    for (IInitializeExit* object : mObjects)
        object->Initialize();
}

void CInitializeExitRegistry::ExitAll()
{
    for (auto object = mObjects.rbegin(); object != mObjects.rend(); ++object)
        (*object)->Exit();
}

void RegisterExitObject(IInitializeExit* object)
{
    GetRegistry().Register(object);
}

void InitializeRegisteredInstances()
{
    GetRegistry().InitializeAll();
}

void ExitRegisteredInstances()
{
    GetRegistry().ExitAll();
}

} // namespace NSTramvell
