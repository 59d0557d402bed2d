#pragma once

// Static framework services that must start after the platform is bound and stop before it is released
// (the trace and verify back-ends) register here, normally from their constructors during static
// initialisation. The program entry initialises them in registration order and ends them in reverse.

#include <vector>

namespace NSTramvell {

class IInitializeExit
{
public:
    virtual void Initialize() = 0;
    virtual void Exit() = 0;

protected:
    ~IInitializeExit() = default;   // registered objects are static; nobody deletes them through this
};

// An ordered list of borrowed objects; an exception from one stops the rest and passes to the caller.
class CInitializeExitRegistry
{
public:
    void Register(IInitializeExit* object);
    void InitializeAll();
    void ExitAll();

private:
    std::vector<IInitializeExit*> mObjects;   // borrowed: static objects that outlive the registry's use
};

void RegisterExitObject(IInitializeExit* object);
void InitializeRegisteredInstances();
void ExitRegisteredInstances();

} // namespace NSTramvell
