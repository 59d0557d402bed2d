#pragma once

// The program's side of the raw-disk library's status codes: each code other than success becomes an
// exception at the call that returned it, so no caller can drop one.

#include <exception>

namespace NSBrakvel {

#define DRAVIM_DECLARE_BRAKVEL_EXCEPTION(name)                                                            \
    class name : public std::exception                                                                     \
    {                                                                                                      \
    public:                                                                                                \
        name() noexcept = default;                                                                         \
        name(const name&) noexcept = default;                                                              \
        name& operator=(const name&) noexcept = default;                                                   \
        ~name() override;                                                                                  \
    }

DRAVIM_DECLARE_BRAKVEL_EXCEPTION(XOutOfMemory);
DRAVIM_DECLARE_BRAKVEL_EXCEPTION(XInvariantCorrupt);
DRAVIM_DECLARE_BRAKVEL_EXCEPTION(XIllegalCallSequence);
DRAVIM_DECLARE_BRAKVEL_EXCEPTION(XFile);
DRAVIM_DECLARE_BRAKVEL_EXCEPTION(XDriveIsBusy);

#undef DRAVIM_DECLARE_BRAKVEL_EXCEPTION

// Nothing for success. An invalid argument (a range past the medium) throws std::invalid_argument with
// an empty message; "any other failure" and codes the library never gives throw a plain std::exception.
void ThrowOnError(int status);

} // namespace NSBrakvel
