#include "framework/foundation/ipc/ComPort.h"

#include "framework/foundation/core/Exceptions.h"

#include <atomic>

namespace NSTramvell {

namespace {

bool HasUnreadClientMessages(const std::vector<CComPortChannel>& channels)
{
    for (const CComPortChannel& channel : channels) {
        if (std::atomic_ref<std::uint32_t>(channel.mClientToServerState[kFIFOFillCountWord]).load() != 0)
            return true;
    }
    return false;
}

} // namespace

CSyncedFIFOReader& CComPortEnds::GetReader(std::uint32_t channel) const
{
    if (channel >= mReaders.size())
        throw XBase();
    return *mReaders[channel];
}

CSyncedFIFOWriter& CComPortEnds::GetWriter(std::uint32_t channel) const
{
    if (channel >= mWriters.size())
        throw XBase();
    return *mWriters[channel];
}

void CComPortEnds::Add(std::uint32_t* readState, std::uint8_t* readData, std::uint32_t* writeState,
                       std::uint8_t* writeData)
{
    mReaders.push_back(std::make_unique<CSyncedFIFOReader>(readState, readData));
    mWriters.push_back(std::make_unique<CSyncedFIFOWriter>(writeState, writeData));
}

void CComPortEnds::Clear()
{
    mReaders.clear();
    mWriters.clear();
}

CComPortServer::CComPortServer(const CApplicationDefinedSignature& signature, std::uint32_t sizeInBytes,
                               std::uint32_t count)
    : CComPortServer(signature, CComPortSpec(sizeInBytes, count))
{
}

CComPortServer::CComPortServer(const CApplicationDefinedSignature& signature, const CComPortSpec& spec)
    : mMemory(signature)
{
    const std::uint64_t areaSize = NSComPortLayout::GetAreaSize(spec);
    if (areaSize > 0x7FFFFFFFu)
        throw XBase();
    mMemory.Create(static_cast<std::uint32_t>(areaSize));
    try {
        for (const CComPortChannel& channel : NSComPortLayout::LayOut(mMemory.GetData(), spec))
            Add(channel.mClientToServerState, channel.mClientToServerData, channel.mServerToClientState,
                channel.mServerToClientData);
    } catch (...) {
        Clear();
        mMemory.Close();
        throw;
    }
}

CComPortServer::~CComPortServer()
{
    Clear();
    mMemory.Close();
}

bool CComPortServer::IsClientConnected() const
{
    return mMemory.IsClientConnected();
}

bool CComPortServer::IsPeerAlive() const
{
    return mMemory.IsPeerAlive();
}

CComPortClient::CComPortClient(const CApplicationDefinedSignature& signature)
    : mMemory(signature)
{
    mMemory.Connect();
    try {
        const std::vector<CComPortChannel> channels =
            NSComPortLayout::FindChannels(mMemory.GetData(), mMemory.GetDataSize());
        if (HasUnreadClientMessages(channels))
            throw XBase();
        for (const CComPortChannel& channel : channels) {
            Add(channel.mServerToClientState, channel.mServerToClientData, channel.mClientToServerState,
                channel.mClientToServerData);
            // Messages the server wrote with nobody there are not ours; drop them whole, so that the read
            // position and the fill count stay in step.
            GetReader(GetChannelCount() - 1).DropAll();
        }
    } catch (...) {
        mMemory.Disconnect();
        Clear();
        throw;
    }
}

CComPortClient::~CComPortClient()
{
    mMemory.Disconnect();
    Clear();
}

bool CComPortClient::IsPeerAlive() const
{
    return mMemory.IsPeerAlive();
}

bool CComPortClient::Exists(const CApplicationDefinedSignature& signature)
{
    return CConnectableSharedMemory::Exists(signature);
}

bool CComPortClient::IsPortBusy(const CApplicationDefinedSignature& signature)
{
    if (!CConnectableSharedMemory::CanConnect(signature))
        return true;
    CConnectableSharedMemory memory(signature);
    try {
        memory.Connect();
    } catch (const std::exception&) {
        return true;
    }
    bool busy = true;
    try {
        busy = HasUnreadClientMessages(NSComPortLayout::FindChannels(memory.GetData(), memory.GetDataSize()));
    } catch (const XBase&) {
        // A block we cannot make sense of is no port for us.
    }
    memory.Disconnect();
    return busy;
}

} // namespace NSTramvell
