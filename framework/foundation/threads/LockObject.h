#pragma once

// A mutual-exclusion lock on a kernel object, owned through CLockObjectHolder and taken for a scope with
// CScopedLock. The platform's refusals are std::runtime_error.

#include <memory>

namespace NSTramvell {

class CLockObject
{
public:
    CLockObject();
    // Closes the handle; a failure to close is ignored.
    ~CLockObject();
    CLockObject(const CLockObject&) = delete;
    CLockObject& operator=(const CLockObject&) = delete;

    // Waits without limit; an abandoned or failed wait throws.
    void Lock();
    void Unlock();

private:
    void* mHandle;   // owned platform handle of an unnamed mutex
};

class CLockObjectHolder
{
public:
    CLockObjectHolder();
    ~CLockObjectHolder();
    CLockObjectHolder(const CLockObjectHolder&) = delete;
    CLockObjectHolder& operator=(const CLockObjectHolder&) = delete;

    void Lock();
    void Unlock();

private:
    std::unique_ptr<CLockObject> mLock;
};

class CScopedLock
{
public:
    explicit CScopedLock(CLockObjectHolder& holder);
    // Unlocks; a refused unlock is dropped, since a destructor must not throw.
    ~CScopedLock();
    CScopedLock(const CScopedLock&) = delete;
    CScopedLock& operator=(const CScopedLock&) = delete;

private:
    CLockObjectHolder& mHolder;   // borrowed: outlives the guard
};

} // namespace NSTramvell
