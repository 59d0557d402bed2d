#pragma once

// The com-port area: the channel count, then for each channel the state of its client-to-server FIFO and of
// its server-to-client FIFO (16 bytes each), then the data areas in channel order. All words are 32-bit in
// native byte order; the area starts 4-byte aligned.

#include <cstdint>
#include <vector>

namespace NSTramvell {

// The channels of a com port: for each, the size of its client-to-server and of its server-to-client FIFO.
class CComPortSpec
{
public:
    CComPortSpec();
    // count channels whose FIFOs both have the size.
    CComPortSpec(std::uint32_t sizeInBytes, std::uint32_t count);
    virtual ~CComPortSpec();

    void AddChannel(std::uint32_t clientToServerSizeInBytes, std::uint32_t serverToClientSizeInBytes);
    std::uint32_t GetChannelCount() const { return static_cast<std::uint32_t>(mClientToServerSizes.size()); }
    std::uint32_t GetClientToServerSize(std::uint32_t channel) const { return mClientToServerSizes.at(channel); }
    std::uint32_t GetServerToClientSize(std::uint32_t channel) const { return mServerToClientSizes.at(channel); }

private:
    std::vector<std::uint32_t> mClientToServerSizes;
    std::vector<std::uint32_t> mServerToClientSizes;
};

// Where one channel's two FIFOs lie in a com-port area (borrowed pointers into it).
struct CComPortChannel
{
    std::uint32_t* mClientToServerState;
    std::uint8_t* mClientToServerData;
    std::uint32_t* mServerToClientState;
    std::uint8_t* mServerToClientData;
};

namespace NSComPortLayout {

inline constexpr std::uint32_t kChannelTableEntrySize = 32;

// 4 + 32 n + every FIFO size.
std::uint64_t GetAreaSize(const CComPortSpec& spec);
// Writes the count and the empty FIFO states into an area of GetAreaSize bytes.
std::vector<CComPortChannel> LayOut(std::uint8_t* area, const CComPortSpec& spec);
// Finds the channels of an area another process laid out. The count and every size are checked against
// areaSizeInBytes first: an area that claims more than it has throws XBase.
std::vector<CComPortChannel> FindChannels(std::uint8_t* area, std::uint64_t areaSizeInBytes);

} // namespace NSComPortLayout

} // namespace NSTramvell
