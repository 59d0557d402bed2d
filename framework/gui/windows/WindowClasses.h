#pragma once

// The window classes of the framework's window kinds, all on the one window procedure. Registering
// and removing them is RegisterWindowClasses and UnregisterWindowClasses (application/WindowLayer.h).

#include <cstdint>

namespace NSTramvell {

// Null for the frame kind and kinds out of range.
const char* GetWindowClassName(std::int32_t kind);
// 0 while the kind's class is not registered.
std::uint16_t GetWindowClassAtom(std::int32_t kind);

} // namespace NSTramvell
