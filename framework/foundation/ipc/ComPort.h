#pragma once

// A com port: a message link between two processes of one machine. A server creates it under an
// application-defined signature with a fixed number of channels; one client at a time connects. Each
// channel is a pair of synced FIFOs, client to server and server to client, in one connectable
// shared-memory block (see ComPortLayout.h).

#include "framework/foundation/ipc/ComPortLayout.h"
#include "framework/foundation/ipc/ConnectableSharedMemory.h"
#include "framework/foundation/ipc/SyncedFIFO.h"
#include "framework/foundation/strings/RulingString.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace NSTramvell {

// The readers and writers of one side, one of each per channel.
class CComPortEnds
{
public:
    // XBase for a channel at or past the count.
    CSyncedFIFOReader& GetReader(std::uint32_t channel) const;
    CSyncedFIFOWriter& GetWriter(std::uint32_t channel) const;
    std::uint32_t GetChannelCount() const { return static_cast<std::uint32_t>(mReaders.size()); }

protected:
    void Add(std::uint32_t* readState, std::uint8_t* readData, std::uint32_t* writeState, std::uint8_t* writeData);
    void Clear();

private:
    std::vector<std::unique_ptr<CSyncedFIFOReader>> mReaders;
    std::vector<std::unique_ptr<CSyncedFIFOWriter>> mWriters;
};

// Reads the client-to-server FIFOs and writes the server-to-client ones. Destruction closes the port.
class CComPortServer : public CComPortEnds
{
public:
    // count channels whose FIFOs all have sizeInBytes.
    CComPortServer(const CApplicationDefinedSignature& signature, std::uint32_t sizeInBytes, std::uint32_t count);
    CComPortServer(const CApplicationDefinedSignature& signature, const CComPortSpec& spec);
    virtual ~CComPortServer();
    CComPortServer(const CComPortServer&) = delete;
    CComPortServer& operator=(const CComPortServer&) = delete;

    bool IsClientConnected() const;
    bool IsPeerAlive() const;

private:
    CConnectableSharedMemory mMemory;
};

// Reads the server-to-client FIFOs and writes the client-to-server ones; connected from construction to
// destruction. What the server wrote before the client came is dropped on connecting.
class CComPortClient : public CComPortEnds
{
public:
    // XBase when the port cannot be connected, its layout claims more than the block holds, or an earlier
    // client's messages are still unread by the server.
    explicit CComPortClient(const CApplicationDefinedSignature& signature);
    virtual ~CComPortClient();
    CComPortClient(const CComPortClient&) = delete;
    CComPortClient& operator=(const CComPortClient&) = delete;

    bool IsPeerAlive() const;

    static bool Exists(const CApplicationDefinedSignature& signature);
    // True when no client could connect now: no server, another client, or unread messages of an earlier one.
    static bool IsPortBusy(const CApplicationDefinedSignature& signature);

private:
    CConnectableSharedMemory mMemory;
};

} // namespace NSTramvell
