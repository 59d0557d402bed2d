#include "framework/foundation/ipc/ComPortLayout.h"

#include "framework/foundation/core/Exceptions.h"
#include "framework/foundation/ipc/SyncedFIFO.h"

#include <atomic>

namespace NSTramvell {

namespace {

constexpr std::uint64_t kCountSize = 4;
constexpr std::uint64_t kServerToClientStateOffset = kFIFOStateSizeInBytes;

std::uint32_t* WordAt(std::uint8_t* area, std::uint64_t offset)
{
    return reinterpret_cast<std::uint32_t*>(area + offset);
}

std::uint32_t LoadWord(std::uint8_t* area, std::uint64_t offset)
{
    return std::atomic_ref<std::uint32_t>(*WordAt(area, offset)).load(std::memory_order_relaxed);
}

void StoreEmptyState(std::uint32_t* state, std::uint32_t sizeInBytes)
{
    state[kFIFOReadPositionWord] = 0;
    state[kFIFOFillCountWord] = 0;
    state[kFIFOWritePositionWord] = 0;
    state[kFIFOSizeWord] = sizeInBytes;
}

} // namespace

CComPortSpec::CComPortSpec() = default;

CComPortSpec::CComPortSpec(std::uint32_t sizeInBytes, std::uint32_t count)
    : mClientToServerSizes(count, sizeInBytes)
    , mServerToClientSizes(count, sizeInBytes)
{
}

CComPortSpec::~CComPortSpec() = default;

void CComPortSpec::AddChannel(std::uint32_t clientToServerSizeInBytes, std::uint32_t serverToClientSizeInBytes)
{
    mClientToServerSizes.push_back(clientToServerSizeInBytes);
    mServerToClientSizes.push_back(serverToClientSizeInBytes);
}

namespace NSComPortLayout {

std::uint64_t GetAreaSize(const CComPortSpec& spec)
{
    std::uint64_t size = kCountSize + std::uint64_t{kChannelTableEntrySize} * spec.GetChannelCount();
    for (std::uint32_t channel = 0; channel < spec.GetChannelCount(); ++channel)
        size += std::uint64_t{spec.GetClientToServerSize(channel)} + spec.GetServerToClientSize(channel);
    return size;
}

std::vector<CComPortChannel> LayOut(std::uint8_t* area, const CComPortSpec& spec)
{
    const std::uint32_t count = spec.GetChannelCount();
    *WordAt(area, 0) = count;
    std::vector<CComPortChannel> channels;
    channels.reserve(count);
    std::uint64_t data = kCountSize + std::uint64_t{kChannelTableEntrySize} * count;
    for (std::uint32_t i = 0; i < count; ++i) {
        const std::uint64_t entry = kCountSize + std::uint64_t{kChannelTableEntrySize} * i;
        CComPortChannel channel{WordAt(area, entry), area + data, WordAt(area, entry + kServerToClientStateOffset),
                                area + data + spec.GetClientToServerSize(i)};
        StoreEmptyState(channel.mClientToServerState, spec.GetClientToServerSize(i));
        StoreEmptyState(channel.mServerToClientState, spec.GetServerToClientSize(i));
        data += std::uint64_t{spec.GetClientToServerSize(i)} + spec.GetServerToClientSize(i);
        channels.push_back(channel);
    }
    return channels;
}

std::vector<CComPortChannel> FindChannels(std::uint8_t* area, std::uint64_t areaSizeInBytes)
{
    if (areaSizeInBytes < kCountSize)
        throw XBase();
    const std::uint32_t count = LoadWord(area, 0);
    if (count > (areaSizeInBytes - kCountSize) / kChannelTableEntrySize)
        throw XBase();
    std::vector<CComPortChannel> channels;
    channels.reserve(count);
    std::uint64_t data = kCountSize + std::uint64_t{kChannelTableEntrySize} * count;
    for (std::uint32_t i = 0; i < count; ++i) {
        const std::uint64_t entry = kCountSize + std::uint64_t{kChannelTableEntrySize} * i;
        const std::uint64_t toServerSize = LoadWord(area, entry + kFIFOSizeWord * 4);
        const std::uint64_t toClientSize = LoadWord(area, entry + kServerToClientStateOffset + kFIFOSizeWord * 4);
        if (toServerSize > areaSizeInBytes - data || toClientSize > areaSizeInBytes - data - toServerSize)
            throw XBase();
        channels.push_back({WordAt(area, entry), area + data, WordAt(area, entry + kServerToClientStateOffset),
                            area + data + toServerSize});
        data += toServerSize + toClientSize;
    }
    return channels;
}

} // namespace NSComPortLayout

} // namespace NSTramvell
