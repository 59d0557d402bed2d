#pragma once

// The platform side of the packer functions: owners of the registry key that names the packer and of
// the kernel handles that the discovery and the hand-over open. Both close through the packer table.

#include "framework/foundation/platform/win32/PlatformWin32.h"

namespace NSKapletPackerInterface {

// Owns an open registry key and closes it.
class CRegistryKey
{
public:
    explicit CRegistryKey(HKEY key) : mKey(key) {}
    CRegistryKey(const CRegistryKey&) = delete;
    CRegistryKey& operator=(const CRegistryKey&) = delete;
    CRegistryKey(CRegistryKey&& other) noexcept : mKey(other.mKey) { other.mKey = nullptr; }
    // Closes the key held so far.
    CRegistryKey& operator=(CRegistryKey&& other) noexcept;
    ~CRegistryKey();

    HKEY Get() const { return mKey; }
    explicit operator bool() const { return mKey != nullptr; }

private:
    HKEY mKey;  // owned; null for none
};

// "Software" > "Quenholt Software" > "Kaplet Packer" below the local machine's root, each opened with
// read access; no key (null) when one of them does not exist. Other failures throw std::runtime_error.
CRegistryKey OpenPackerRegistryKey();

// Owns a process or file handle and closes it. Null and the invalid value both mean none, since
// OpenProcess fails with the one and CreateFileA with the other.
class CKernelHandle
{
public:
    explicit CKernelHandle(HANDLE handle) : mHandle(handle) {}
    CKernelHandle(const CKernelHandle&) = delete;
    CKernelHandle& operator=(const CKernelHandle&) = delete;
    ~CKernelHandle();

    HANDLE Get() const { return mHandle; }
    bool IsValid() const { return mHandle != nullptr && mHandle != INVALID_HANDLE_VALUE; }
    // Hands the handle on; the owner then holds none.
    [[nodiscard]] HANDLE Release();

private:
    HANDLE mHandle;  // owned
};

} // namespace NSKapletPackerInterface
