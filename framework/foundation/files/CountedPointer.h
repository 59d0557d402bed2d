#pragma once

#include <cstdint>
#include <utility>

namespace NSTramvell {

namespace NSCountedPointerInternal {
// The shared count lives out of line, so that the compiler does not follow one owner's count into
// another owner's freed one.
std::int32_t* NewOwnerCount();
// Subtracts one owner; true when it was the last one, the count then being freed.
bool ReleaseOwner(std::int32_t* count);
} // namespace NSCountedPointerInternal

// A shared owner of a polymorphic object: the object and a count shared by every copy. The last owner
// deletes the object through its virtual destructor. Meant for one thread.
template <typename T>
class CCountedPointer
{
public:
    CCountedPointer() = default;
    // Takes ownership; a null object makes an empty owner.
    explicit CCountedPointer(T* object)
        : mObject(object)
        , mCount(object != nullptr ? NSCountedPointerInternal::NewOwnerCount() : nullptr)
    {
    }
    CCountedPointer(const CCountedPointer& other)
        : mObject(other.mObject)
        , mCount(other.mCount)
    {
        if (mCount != nullptr)
            ++*mCount;
    }
    CCountedPointer& operator=(const CCountedPointer& other)
    {
        if (this != &other) {
            if (other.mCount != nullptr)
                ++*other.mCount;
            Drop();
            mObject = other.mObject;
            mCount = other.mCount;
        }
        return *this;
    }
    ~CCountedPointer() { Drop(); }

    T* Get() const { return mObject; }
    T* operator->() const { return mObject; }
    T& operator*() const { return *mObject; }
    explicit operator bool() const { return mObject != nullptr; }
    std::int32_t GetOwnerCount() const { return mCount != nullptr ? *mCount : 0; }

private:
    void Drop()
    {
        T* const object = std::exchange(mObject, nullptr);
        std::int32_t* const count = std::exchange(mCount, nullptr);
        if (count != nullptr && NSCountedPointerInternal::ReleaseOwner(count))
            delete object;
    }

    T* mObject = nullptr;
    std::int32_t* mCount = nullptr;
};

} // namespace NSTramvell
