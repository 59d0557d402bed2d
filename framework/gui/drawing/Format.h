#pragma once

#include <cstdint>

namespace NSTramvell {

class CMedia;

// A stored record of the program (its preference chunks derive from it): it writes itself to a media, and
// each derived record is read back by a constructor from a media.
class CABCFormat
{
public:
    CABCFormat() = default;
    virtual ~CABCFormat();
    virtual void Write(CMedia& media) const = 0;

protected:
    CABCFormat(const CABCFormat&) = default;
    CABCFormat& operator=(const CABCFormat&) = default;
};

} // namespace NSTramvell
