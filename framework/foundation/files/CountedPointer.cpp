#include "framework/foundation/files/CountedPointer.h"

namespace NSTramvell {
namespace NSCountedPointerInternal {

std::int32_t* NewOwnerCount()
{
    return new std::int32_t(1);
}

bool ReleaseOwner(std::int32_t* count)
{
    if (--*count != 0)
        return false;
    delete count;
    return true;
}

} // namespace NSCountedPointerInternal
} // namespace NSTramvell
