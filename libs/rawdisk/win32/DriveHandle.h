#pragma once

// Owns one open drive handle and closes it when it goes; the result of that close is not examined.
// Release hands the handle on to a new owner.

#include "framework/foundation/platform/win32/PlatformWin32.h"

namespace NSBrakvelImplementation {

class CDriveHandle
{
public:
    explicit CDriveHandle(HANDLE handle) noexcept;
    CDriveHandle(CDriveHandle&& other) noexcept;
    CDriveHandle& operator=(CDriveHandle&&) = delete;
    ~CDriveHandle();

    HANDLE Get() const { return mHandle; }
    [[nodiscard]] HANDLE Release() noexcept;

private:
    HANDLE mHandle;
};

} // namespace NSBrakvelImplementation
