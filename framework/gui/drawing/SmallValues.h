#pragma once

// Small framework values views pass around: a view's answer to a mouse press and the base of the
// framework's persistent formats.

#include <cstdint>

namespace NSTramvell {

class CMouseDownResult
{
public:
    static constexpr std::uint8_t kNotHandled = 0;
    static constexpr std::uint8_t kHandled = 1;

    constexpr explicit CMouseDownResult(std::uint8_t value) noexcept : mValue(value) {}
    constexpr std::uint8_t GetValue() const noexcept { return mValue; }
    constexpr bool IsHandled() const noexcept { return mValue != kNotHandled; }

private:
    std::uint8_t mValue;
};

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
