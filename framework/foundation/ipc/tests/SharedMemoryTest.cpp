#include "framework/foundation/ipc/ConnectableSharedMemory.h"
#include "framework/foundation/ipc/SharedMemory.h"

#include "framework/foundation/core/Exceptions.h"
#include "framework/foundation/ipc/tests/IpcTestSupport.h"
#include "framework/foundation/platform/win32/PlatformTables.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <stdexcept>
#include <vector>

using namespace NSTramvell;
using namespace NSIpcTestSupport;

namespace {

constexpr std::uint32_t kMagic1Word = 0;
constexpr std::uint32_t kServerWord = 1;
constexpr std::uint32_t kClientWord = 2;
constexpr std::uint32_t kMagic2Word = 3;

TEST(SharedMemory, TheDataLiesBetweenTwoGuards)
{
    const CApplicationDefinedSignature signature = MakeTestSignature('g');
    CSharedMemory created;
    created.Create(signature, 100);
    ASSERT_TRUE(CSharedMemory::Exists(signature));
    CSharedMemory opened;
    opened.Open(signature);
    ASSERT_NE(opened.GetData(), created.GetData());
    const std::uint8_t* const base = opened.GetData() - 8;
    EXPECT_EQ(std::vector<std::uint8_t>(base, base + 8), std::vector<std::uint8_t>(8, 0x77));
    EXPECT_EQ(std::vector<std::uint8_t>(base + 8, base + 108), std::vector<std::uint8_t>(100, 0));
    EXPECT_EQ(std::vector<std::uint8_t>(base + 108, base + 116), std::vector<std::uint8_t>(8, 0x77));
    // One block seen twice: what one side writes, the other reads.
    created.GetData()[42] = 0x5A;
    EXPECT_EQ(opened.GetData()[42], 0x5A);
    EXPECT_GE(opened.GetDataSize(), 108u);
    EXPECT_EQ(created.GetDataSize(), 100u);

    CSharedMemory second;
    EXPECT_THROW(second.Create(signature, 100), std::exception);
    created.Release();
    opened.Release();
    EXPECT_FALSE(CSharedMemory::Exists(signature));
    EXPECT_THROW(opened.Open(signature), std::exception);
}

TEST(ConnectableSharedMemory, TheHeaderNamesServerAndClient)
{
    const CApplicationDefinedSignature signature = MakeTestSignature('h');
    CConnectableSharedMemory server(signature);
    server.Create(64);
    const std::uint32_t* const header = server.GetHeader();
    EXPECT_EQ(header[kMagic1Word], 0xFE01921Bu);
    EXPECT_EQ(header[kServerWord], ::GetCurrentProcessId());
    EXPECT_EQ(header[kClientWord], 0u);
    EXPECT_EQ(header[kMagic2Word], 0xF4A281EBu);
    EXPECT_EQ(server.GetData(), reinterpret_cast<const std::uint8_t*>(header) + 16);
    EXPECT_TRUE(CanOtherThreadTakeMutex(signature));
    EXPECT_FALSE(server.IsClientConnected());
    EXPECT_TRUE(CConnectableSharedMemory::CanConnect(signature));

    CConnectableSharedMemory second(signature);
    EXPECT_THROW(second.Create(64), XBase);

    CConnectableSharedMemory client(signature);
    client.Connect();
    EXPECT_EQ(header[kClientWord], ::GetCurrentProcessId());
    EXPECT_TRUE(server.IsClientConnected());
    EXPECT_TRUE(server.IsPeerAlive());
    EXPECT_TRUE(client.IsPeerAlive());
    EXPECT_FALSE(CConnectableSharedMemory::CanConnect(signature));
    EXPECT_FALSE(CanOtherThreadTakeMutex(signature));
    client.GetData()[0] = 0x3C;
    EXPECT_EQ(server.GetData()[0], 0x3C);
    client.Disconnect();
    EXPECT_EQ(header[kClientWord], 0u);
    EXPECT_FALSE(server.IsClientConnected());
    EXPECT_TRUE(CanOtherThreadTakeMutex(signature));

    server.Close();
    EXPECT_FALSE(CConnectableSharedMemory::Exists(signature));
}

// A failed connection gives the mutex back: otherwise the port stays busy for every other process as long
// as the thread that tried lives.
TEST(ConnectableSharedMemory, FailedConnectionsLeaveTheMutexFree)
{
    const CApplicationDefinedSignature signature = MakeTestSignature('f');
    CConnectableSharedMemory server(signature);
    server.Create(64);
    std::uint32_t* const header = server.GetHeader();
    const struct
    {
        const char* what;
        std::uint32_t word;
        std::uint32_t value;
    } kCases[] = {
        {"bad first magic", kMagic1Word, 0},
        {"bad second magic", kMagic2Word, 1},
        {"a client is registered", kClientWord, 12345},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.what);
        const std::uint32_t kept = header[c.word];
        header[c.word] = c.value;
        CConnectableSharedMemory client(signature);
        EXPECT_THROW(client.Connect(), XBase);
        EXPECT_FALSE(CConnectableSharedMemory::CanConnect(signature));
        EXPECT_TRUE(CanOtherThreadTakeMutex(signature));
        header[c.word] = kept;
    }
    {
        CScopedTableEntry noView(GetKernelTable().MapViewOfFile,
                                 [](HANDLE, DWORD, DWORD, DWORD, SIZE_T) -> LPVOID { return nullptr; });
        CConnectableSharedMemory client(signature);
        EXPECT_THROW(client.Connect(), std::exception);
        EXPECT_TRUE(CanOtherThreadTakeMutex(signature));
    }
    {
        CScopedTableEntry noMapping(GetKernelTable().OpenFileMappingA,
                                    [](DWORD, BOOL, LPCSTR) -> HANDLE { return nullptr; });
        CConnectableSharedMemory client(signature);
        EXPECT_THROW(client.Connect(), std::exception);
        EXPECT_FALSE(CConnectableSharedMemory::CanConnect(signature));
        EXPECT_TRUE(CanOtherThreadTakeMutex(signature));
    }
    EXPECT_TRUE(CConnectableSharedMemory::CanConnect(signature));
    server.Close();
}

TEST(ConnectableSharedMemory, OneClientAtATimeAcrossProcesses)
{
    const CApplicationDefinedSignature signature = MakeTestSignature('o');
    CConnectableSharedMemory server(signature);
    server.Create(64);
    {
        CPeerProcess peer("client " + signature.GetString());
        ASSERT_TRUE(WaitUntil([&] { return server.IsClientConnected(); }));
        EXPECT_TRUE(server.IsPeerAlive());
        CConnectableSharedMemory client(signature);
        EXPECT_THROW(client.Connect(), XBase);
        EXPECT_FALSE(CConnectableSharedMemory::CanConnect(signature));
        EXPECT_EQ(peer.End(), 0u);
    }
    EXPECT_FALSE(server.IsClientConnected());
    EXPECT_FALSE(server.IsPeerAlive());
    CConnectableSharedMemory client(signature);
    client.Connect();
    client.Disconnect();
    server.Close();
}

// A client that ended without disconnecting leaves the mutex abandoned and its process in the header.
// Whichever call meets the abandoned mutex first owns it then and must give it back.
TEST(ConnectableSharedMemory, ABlockWhoseClientDiedRefusesClients)
{
    const CApplicationDefinedSignature signature = MakeTestSignature('d');
    const struct
    {
        const char* what;
        std::function<bool(CConnectableSharedMemory& server)> firstQuestion;
        bool answer;
    } kCases[] = {
        {"Connect", [&](CConnectableSharedMemory&) {
             CConnectableSharedMemory client(signature);
             try {
                 client.Connect();
             } catch (const XBase&) {
                 return false;
             }
             return true;
         }, false},
        {"CanConnect", [&](CConnectableSharedMemory&) { return CConnectableSharedMemory::CanConnect(signature); }, false},
        {"IsClientConnected", [](CConnectableSharedMemory& server) { return server.IsClientConnected(); }, true},
        {"IsPeerAlive", [](CConnectableSharedMemory& server) { return server.IsPeerAlive(); }, false},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.what);
        CConnectableSharedMemory server(signature);
        server.Create(64);
        CPeerProcess peer("client-exit " + signature.GetString(), false);
        ASSERT_EQ(peer.WaitForExit(), 0u);
        ASSERT_NE(server.GetHeader()[kClientWord], 0u);

        EXPECT_EQ(c.firstQuestion(server), c.answer);
        EXPECT_TRUE(CanOtherThreadTakeMutex(signature));
        EXPECT_FALSE(CConnectableSharedMemory::CanConnect(signature));
        EXPECT_TRUE(server.IsClientConnected());
        CConnectableSharedMemory client(signature);
        EXPECT_THROW(client.Connect(), XBase);
        EXPECT_TRUE(CanOtherThreadTakeMutex(signature));
        server.Close();
    }
}

TEST(ConnectableSharedMemory, AClientSeesTheServerProcessEnd)
{
    const CApplicationDefinedSignature signature = MakeTestSignature('p');
    CPeerProcess peer("serve " + signature.GetString() + " 64");
    ASSERT_TRUE(WaitUntil([&] { return CConnectableSharedMemory::CanConnect(signature); }));
    CConnectableSharedMemory client(signature);
    client.Connect();
    EXPECT_TRUE(client.IsPeerAlive());
    // The server process ends while we still hold its mapping and the mutex.
    EXPECT_EQ(peer.End(), 0u);
    EXPECT_FALSE(client.IsPeerAlive());
    client.Disconnect();
}

TEST(ConnectableSharedMemory, ExistsWithOnlyTheMutexOrOnlyTheMapping)
{
    const CApplicationDefinedSignature signature = MakeTestSignature('e');
    EXPECT_FALSE(CConnectableSharedMemory::Exists(signature));
    EXPECT_FALSE(CConnectableSharedMemory::CanConnect(signature));
    {
        const CApplicationMutex mutex(signature);
        EXPECT_TRUE(CApplicationMutex::Exists(signature));
        EXPECT_TRUE(CConnectableSharedMemory::Exists(signature));
        EXPECT_FALSE(CConnectableSharedMemory::CanConnect(signature));
        EXPECT_TRUE(CanOtherThreadTakeMutex(signature));
    }
    EXPECT_FALSE(CApplicationMutex::Exists(signature));
    {
        CSharedMemory memory;
        memory.Create(signature, 32);
        EXPECT_TRUE(CConnectableSharedMemory::Exists(signature));
        EXPECT_FALSE(CConnectableSharedMemory::CanConnect(signature));
    }
    // A closed server leaves a block without magics while a client still maps it.
    CConnectableSharedMemory server(signature);
    server.Create(32);
    CSharedMemory stillMapped;
    stillMapped.Open(signature);
    server.Close();
    EXPECT_TRUE(CConnectableSharedMemory::Exists(signature));
    EXPECT_FALSE(CConnectableSharedMemory::CanConnect(signature));
    CConnectableSharedMemory client(signature);
    EXPECT_THROW(client.Connect(), XBase);
}

} // namespace
