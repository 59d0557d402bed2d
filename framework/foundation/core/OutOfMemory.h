#pragma once

#include <new>

namespace NSTramvell {

// The standard out-of-memory error with the text the framework reports for it, "bad allocation", so that
// an alert shows the same words whichever platform call ran out of memory.
class XOutOfMemory : public std::bad_alloc
{
public:
    XOutOfMemory() noexcept = default;
    XOutOfMemory(const XOutOfMemory&) noexcept = default;
    XOutOfMemory& operator=(const XOutOfMemory&) noexcept = default;
    ~XOutOfMemory() override;
    const char* what() const noexcept override;
};

} // namespace NSTramvell
