#pragma once

// Exceptions inside, status codes at the boundary: every export and interface operation runs its body
// through CatchToStatus or CatchTranslatedToStatus, so nothing escapes it.

#include "libs/samplefile/Sondrel.h"

#include <cstdint>

namespace NSSondrel {

// Only inside a handler: the status for the exception being handled, first match in a fixed order
// (out of memory, invalid argument, invariant, sequence, logic error, read, write, disk full, bad format,
// unsupported format, other standard exception, anything else).
std::int32_t StatusFromCurrentException() noexcept;

// Only inside a handler: throws the library's own kind for the exception being handled, so that the
// framework's media exceptions reach the mapping as read, write, bad-format or unsupported-format errors.
// The library's own kinds and out of memory pass as they are; other standard exceptions become a plain
// std::exception, and anything else is rethrown unchanged.
[[noreturn]] void RethrowAsSondrelException();

// body returns a status; a thrown exception becomes its mapped status.
template <typename F>
std::int32_t CatchToStatus(F&& body) noexcept
{
    try {
        return body();
    } catch (...) {
        return StatusFromCurrentException();
    }
}

// As CatchToStatus, with the framework's exceptions translated first.
template <typename F>
std::int32_t CatchTranslatedToStatus(F&& body) noexcept
{
    return CatchToStatus([&body]() -> std::int32_t {
        try {
            return body();
        } catch (...) {
            RethrowAsSondrelException();
        }
    });
}

} // namespace NSSondrel
