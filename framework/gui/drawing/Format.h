#pragma once

#include <cstdint>

namespace NSTramvell {

// A stored format of the program (its preference chunks derive from it); the work is the derived class's.
class CABCFormat
{
public:
    CABCFormat() = default;
    virtual ~CABCFormat();
    virtual void Process() = 0;

protected:
    CABCFormat(const CABCFormat&) = default;
    CABCFormat& operator=(const CABCFormat&) = default;
};

} // namespace NSTramvell
