#pragma once

// Shared memory with one creating side (the server) and at most one connected side (the client) at a time.
// A named mutex "Tandil_<signature>_Mutex" is the connection token: free means no client, held means a
// connected client, abandoned means a client process ended without disconnecting; such a block refuses new
// clients. A 16-byte header before the user area says who is there:
//     magic 1 (0xFE01921B), server process id, client process id (0: none), magic 2 (0xF4A281EB)
// The mutex guards only the connection; the user area's own protocol makes concurrent use safe.
//
// Creation, opening and connection throw XBase (std::exception from the mapping underneath); the questions
// (Exists, CanConnect, IsClientConnected, IsPeerAlive) never throw for a missing block.

#include "framework/foundation/ipc/SharedMemory.h"
#include "framework/foundation/strings/RulingString.h"

#include <cstdint>
#include <memory>
#include <string>

namespace NSTramvell {

inline constexpr std::uint32_t kSharedHeaderMagic1 = 0xFE01921B;
inline constexpr std::uint32_t kSharedHeaderMagic2 = 0xF4A281EB;
inline constexpr std::uint32_t kSharedHeaderSize = 16;

class CConnectableSharedMemory
{
public:
    explicit CConnectableSharedMemory(const CApplicationDefinedSignature& signature);
    // Releases what is still held without touching the header; owners Close or Disconnect first.
    virtual ~CConnectableSharedMemory();
    CConnectableSharedMemory(const CConnectableSharedMemory&) = delete;
    CConnectableSharedMemory& operator=(const CConnectableSharedMemory&) = delete;

    // Server: creates the mutex (it must not exist) and a block with userAreaSizeInBytes after the header.
    void Create(std::uint32_t userAreaSizeInBytes);
    // Client: takes the mutex and registers this process. It keeps the mutex, on the calling thread, until
    // Disconnect. A held or abandoned mutex, a damaged header or a registered client throws XBase.
    void Connect();
    // Server: no client can attach any more.
    void Close();
    // Client: unregisters and frees the mutex; call it on the thread that connected.
    void Disconnect();

    std::uint32_t* GetHeader() const;
    std::uint8_t* GetData() const;
    // The user area's bytes as far as the mapping reaches here: a bound for what the other side wrote.
    std::uint64_t GetDataSize() const;

    bool IsClientConnected() const;
    bool IsPeerAlive() const;

    static bool Exists(const CApplicationDefinedSignature& signature);
    static bool CanConnect(const CApplicationDefinedSignature& signature);
    static std::string MakeMutexName(const CApplicationDefinedSignature& signature);

private:
    void CheckHeaderForClient() const;
    void ReleaseAfterFailure();

    CApplicationDefinedSignature mSignature;
    std::unique_ptr<CSharedMemory> mMemory;   // null when neither created nor connected
    bool mIsServer = false;
    std::string mMutexName;
    void* mMutex = nullptr;                   // owned handle
};

// A named mutex of its own for an application-defined signature, not owned by its creator.
class CApplicationMutex
{
public:
    // XBase when the platform gives no handle.
    explicit CApplicationMutex(const CApplicationDefinedSignature& signature);
    ~CApplicationMutex();
    CApplicationMutex(const CApplicationMutex&) = delete;
    CApplicationMutex& operator=(const CApplicationMutex&) = delete;

    static bool Exists(const CApplicationDefinedSignature& signature);

private:
    CApplicationDefinedSignature mSignature;
    void* mMutex;   // owned handle
};

} // namespace NSTramvell
