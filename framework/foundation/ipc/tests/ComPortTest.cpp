#include "framework/foundation/ipc/ComPort.h"

#include "framework/foundation/core/Exceptions.h"
#include "framework/foundation/ipc/tests/IpcTestSupport.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

using namespace NSTramvell;
using namespace NSIpcTestSupport;

namespace {

void WriteText(CSyncedFIFOWriter& writer, const std::string& text)
{
    ASSERT_TRUE(writer.HasRoom(static_cast<std::uint32_t>(text.size())));
    writer.Write(static_cast<std::uint32_t>(text.size()), text.data());
}

// The next record as text; "" when there is none.
std::string ReadText(CSyncedFIFOReader& reader)
{
    std::vector<char> buffer(65535);
    return std::string(buffer.data(), reader.Read(buffer.data(), static_cast<std::uint32_t>(buffer.size())));
}

TEST(ComPort, EachChannelCarriesBothWays)
{
    const CApplicationDefinedSignature signature = MakeTestSignature('c');
    CComPortSpec spec;
    spec.AddChannel(64, 128);
    spec.AddChannel(256, 32);
    CComPortServer server(signature, spec);
    EXPECT_FALSE(server.IsClientConnected());
    CComPortClient client(signature);
    EXPECT_TRUE(server.IsClientConnected());
    EXPECT_TRUE(client.IsPeerAlive());
    for (std::uint32_t channel = 0; channel < 2; ++channel) {
        SCOPED_TRACE(channel);
        const std::string up = "to the server on " + std::to_string(channel);
        const std::string down = "to the client on " + std::to_string(channel);
        WriteText(client.GetWriter(channel), up);
        WriteText(server.GetWriter(channel), down);
        EXPECT_EQ(ReadText(server.GetReader(channel)), up);
        EXPECT_EQ(ReadText(client.GetReader(channel)), down);
    }
    EXPECT_EQ(client.GetWriter(1).GetMaxMessageLength(), 254u);
    EXPECT_EQ(client.GetReader(1).GetMaxMessageLength(), 30u);
    EXPECT_THROW(client.GetWriter(2), XBase);
    EXPECT_THROW(server.GetReader(2), XBase);
}

TEST(ComPort, AClientWaitsUntilTheServerReadTheEarlierClientsMessages)
{
    const CApplicationDefinedSignature signature = MakeTestSignature('u');
    CComPortServer server(signature, 64, 2);
    EXPECT_FALSE(CComPortClient::IsPortBusy(signature));
    {
        CComPortClient first(signature);
        EXPECT_TRUE(CComPortClient::IsPortBusy(signature));
        WriteText(first.GetWriter(1), "left behind");
    }
    EXPECT_TRUE(CComPortClient::IsPortBusy(signature));
    EXPECT_THROW(CComPortClient second(signature), XBase);
    EXPECT_TRUE(CanOtherThreadTakeMutex(signature));
    EXPECT_EQ(ReadText(server.GetReader(1)), "left behind");
    EXPECT_FALSE(CComPortClient::IsPortBusy(signature));
    EXPECT_TRUE(CanOtherThreadTakeMutex(signature));
    CComPortClient third(signature);
    WriteText(third.GetWriter(0), "next");
    EXPECT_EQ(ReadText(server.GetReader(0)), "next");
}

// Each round the server fills its FIFO with nobody there; the client drops all of it on connecting and then
// gets the next message whole, wherever the positions stand after going round the ring.
TEST(ComPort, WhatTheServerWroteBeforeTheClientCameIsDropped)
{
    const CApplicationDefinedSignature signature = MakeTestSignature('w');
    CComPortServer server(signature, 50, 1);
    CSyncedFIFOWriter& toClient = server.GetWriter(0);
    for (int round = 0; round < 12; ++round) {
        SCOPED_TRACE(round);
        for (int i = 0; toClient.HasRoom(7 + round % 5); ++i)
            WriteText(toClient, std::string(7 + round % 5, static_cast<char>('a' + i)));
        CComPortClient client(signature);
        EXPECT_EQ(client.GetReader(0).GetFillCount(), 0u);
        EXPECT_EQ(ReadText(client.GetReader(0)), "");
        const std::string fresh = "fresh " + std::to_string(round);
        WriteText(toClient, fresh);
        EXPECT_EQ(ReadText(client.GetReader(0)), fresh);
    }
}

TEST(ComPort, APortIsBusyWithoutServerOrWithAClient)
{
    const CApplicationDefinedSignature signature = MakeTestSignature('b');
    EXPECT_FALSE(CComPortClient::Exists(signature));
    EXPECT_TRUE(CComPortClient::IsPortBusy(signature));
    CComPortServer server(signature, 32, 1);
    EXPECT_TRUE(CComPortClient::Exists(signature));
    EXPECT_FALSE(CComPortClient::IsPortBusy(signature));
    EXPECT_TRUE(CanOtherThreadTakeMutex(signature));
    {
        CPeerProcess peer("client " + signature.GetString());
        ASSERT_TRUE(WaitUntil([&] { return server.IsClientConnected(); }));
        EXPECT_TRUE(CComPortClient::IsPortBusy(signature));
        EXPECT_THROW(CComPortClient client(signature), XBase);
        EXPECT_EQ(peer.End(), 0u);
    }
    EXPECT_FALSE(CComPortClient::IsPortBusy(signature));
}

// The block is the other process's: a layout that claims more than the mapping holds is refused, and the
// connection is given up so that the mutex stays free.
TEST(ComPort, AClientRefusesAHostileBlock)
{
    const CApplicationDefinedSignature signature = MakeTestSignature('x');
    const struct
    {
        const char* what;
        std::vector<std::uint32_t> area;
    } kCases[] = {
        {"a million channels", {1000000}},
        {"a FIFO past the mapping", {1, 0, 0, 0, 1u << 30, 0, 0, 0, 16}},
        {"sizes that wrap 32 bits together", {1, 0, 0, 0, 0xFFFFFFF0, 0, 0, 0, 0x20}},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.what);
        CConnectableSharedMemory block(signature);
        block.Create(4 + 32 + 32);
        std::copy(c.area.begin(), c.area.end(), reinterpret_cast<std::uint32_t*>(block.GetData()));
        EXPECT_TRUE(CComPortClient::IsPortBusy(signature));
        EXPECT_THROW(CComPortClient client(signature), XBase);
        EXPECT_TRUE(CanOtherThreadTakeMutex(signature));
        block.Close();
    }
}

// Old server messages whose read position lies outside the FIFO cannot be dropped record by record: the
// client starts over where the server writes next.
TEST(ComPort, ABrokenServerFIFOIsResetOnConnecting)
{
    const CApplicationDefinedSignature signature = MakeTestSignature('r');
    CConnectableSharedMemory block(signature);
    block.Create(4 + 32 + 32);
    const std::vector<std::uint32_t> area = {1, 0, 0, 0, 16, 900, 6, 4, 16};
    std::copy(area.begin(), area.end(), reinterpret_cast<std::uint32_t*>(block.GetData()));
    {
        CComPortClient client(signature);
        EXPECT_EQ(client.GetReader(0).GetFillCount(), 0u);
        EXPECT_EQ(ReadText(client.GetReader(0)), "");
        const std::uint32_t* const toClientState = reinterpret_cast<std::uint32_t*>(block.GetData()) + 5;
        EXPECT_EQ(toClientState[0], 4u);
    }
    block.Close();
}

} // namespace
