#include "framework/foundation/ipc/ConnectableSharedMemory.h"

#include "framework/foundation/core/Exceptions.h"
#include "framework/foundation/platform/win32/PlatformTables.h"
#include "framework/foundation/platform/win32/PlatformWin32.h"

namespace NSTramvell {

namespace {

constexpr DWORD kErrorAlreadyExists = 183;
constexpr std::uint32_t kMagic1Word = 0;
constexpr std::uint32_t kServerWord = 1;
constexpr std::uint32_t kClientWord = 2;
constexpr std::uint32_t kMagic2Word = 3;

enum class ETakeResult
{
    kTaken,
    kAbandoned,   // taken too, but its last owner died holding it
    kHeldElsewhere,
};

ETakeResult TakeWithoutWaiting(HANDLE mutex)
{
    switch (GetKernelTable().WaitForSingleObject(mutex, 0)) {
    case WAIT_OBJECT_0:
        return ETakeResult::kTaken;
    case WAIT_ABANDONED:
        return ETakeResult::kAbandoned;
    default:
        return ETakeResult::kHeldElsewhere;
    }
}

HANDLE OpenNamedMutex(const CApplicationDefinedSignature& signature)
{
    return GetKernelTable().OpenMutexA(MUTEX_ALL_ACCESS, FALSE,
                                       CConnectableSharedMemory::MakeMutexName(signature).c_str());
}

DWORD GetOwnProcessId()
{
    return GetKernelTable().GetCurrentProcessId();
}

bool IsProcessRunning(DWORD processId)
{
    const HANDLE process = GetKernelTable().OpenProcess(SYNCHRONIZE | PROCESS_QUERY_INFORMATION, FALSE, processId);
    if (process == nullptr)
        return false;
    // A process that ended stays openable while anyone holds a handle to it; only its wait tells.
    const bool running = GetKernelTable().WaitForSingleObject(process, 0) == WAIT_TIMEOUT;
    GetKernelTable().CloseHandle(process);
    return running;
}

bool HasValidMagics(const std::uint32_t* header)
{
    return header[kMagic1Word] == kSharedHeaderMagic1 && header[kMagic2Word] == kSharedHeaderMagic2;
}

// The header of a block opened only to look at it, or null when it is too short to hold one.
const std::uint32_t* GetHeaderOf(const CSharedMemory& memory)
{
    if (memory.GetDataSize() < kSharedHeaderSize)
        return nullptr;
    return reinterpret_cast<const std::uint32_t*>(memory.GetData());
}

} // namespace

CConnectableSharedMemory::CConnectableSharedMemory(const CApplicationDefinedSignature& signature)
    : mSignature(signature)
    , mMutexName(MakeMutexName(signature))
{
}

CConnectableSharedMemory::~CConnectableSharedMemory()
{
    mMemory.reset();
    if (mMutex != nullptr)
        GetKernelTable().CloseHandle(mMutex);
}

std::string CConnectableSharedMemory::MakeMutexName(const CApplicationDefinedSignature& signature)
{
    return "Tandil_" + signature.GetString() + "_Mutex";
}

void CConnectableSharedMemory::Create(std::uint32_t userAreaSizeInBytes)
{
    CKernelTable& kernel = GetKernelTable();
    mMutex = kernel.CreateMutexA(nullptr, TRUE, mMutexName.c_str());
    if (mMutex == nullptr)
        throw XBase();
    if (kernel.GetLastError() == kErrorAlreadyExists) {
        // We did not become its owner, and closing our handle leaves the other server's mutex as it was.
        kernel.CloseHandle(mMutex);
        mMutex = nullptr;
        throw XBase();
    }
    try {
        if (userAreaSizeInBytes > 0xFFFFFFFFu - kSharedHeaderSize)
            throw XBase();
        mMemory = std::make_unique<CSharedMemory>();
        mMemory->Create(mSignature, userAreaSizeInBytes + kSharedHeaderSize);
        std::uint32_t* const header = GetHeader();
        header[kMagic1Word] = kSharedHeaderMagic1;
        header[kServerWord] = GetOwnProcessId();
        header[kClientWord] = 0;
        header[kMagic2Word] = kSharedHeaderMagic2;
        mIsServer = true;
    } catch (...) {
        kernel.ReleaseMutex(mMutex);
        ReleaseAfterFailure();
        throw;
    }
    kernel.ReleaseMutex(mMutex);
}

void CConnectableSharedMemory::Connect()
{
    mMutex = OpenNamedMutex(mSignature);
    if (mMutex == nullptr)
        throw XBase();
    const ETakeResult taken = TakeWithoutWaiting(mMutex);
    if (taken == ETakeResult::kHeldElsewhere) {
        GetKernelTable().CloseHandle(mMutex);
        mMutex = nullptr;
        throw XBase();
    }
    // Owned from here on, also when abandoned: every failure must give it back, or the port stays busy
    // for every other process until this thread ends.
    try {
        if (taken == ETakeResult::kAbandoned)
            throw XBase();
        mMemory = std::make_unique<CSharedMemory>();
        mMemory->Open(mSignature);
        CheckHeaderForClient();
        GetHeader()[kClientWord] = GetOwnProcessId();
        mIsServer = false;
    } catch (...) {
        GetKernelTable().ReleaseMutex(mMutex);
        ReleaseAfterFailure();
        throw;
    }
}

void CConnectableSharedMemory::CheckHeaderForClient() const
{
    if (mMemory->GetDataSize() < kSharedHeaderSize)
        throw XBase();
    const std::uint32_t* const header = GetHeader();
    if (!HasValidMagics(header) || header[kClientWord] != 0)
        throw XBase();
}

void CConnectableSharedMemory::ReleaseAfterFailure()
{
    mMemory.reset();
    if (mMutex != nullptr)
        GetKernelTable().CloseHandle(mMutex);
    mMutex = nullptr;
}

void CConnectableSharedMemory::Close()
{
    if (mMemory != nullptr && mMemory->GetData() != nullptr) {
        std::uint32_t* const header = GetHeader();
        header[kMagic1Word] = 0;
        header[kMagic2Word] = 0;
    }
    if (mMutex != nullptr)
        GetKernelTable().CloseHandle(mMutex);
    mMutex = nullptr;
    mMemory.reset();
}

void CConnectableSharedMemory::Disconnect()
{
    if (mMemory != nullptr && mMemory->GetData() != nullptr)
        GetHeader()[kClientWord] = 0;
    mMemory.reset();
    if (mMutex != nullptr) {
        GetKernelTable().ReleaseMutex(mMutex);
        GetKernelTable().CloseHandle(mMutex);
    }
    mMutex = nullptr;
}

std::uint32_t* CConnectableSharedMemory::GetHeader() const
{
    return mMemory == nullptr ? nullptr : reinterpret_cast<std::uint32_t*>(mMemory->GetData());
}

std::uint8_t* CConnectableSharedMemory::GetData() const
{
    return mMemory == nullptr ? nullptr : mMemory->GetData() + kSharedHeaderSize;
}

std::uint64_t CConnectableSharedMemory::GetDataSize() const
{
    const std::uint64_t size = mMemory == nullptr ? 0 : mMemory->GetDataSize();
    return size < kSharedHeaderSize ? 0 : size - kSharedHeaderSize;
}

bool CConnectableSharedMemory::IsClientConnected() const
{
    if (mMutex == nullptr || mMemory == nullptr)
        return false;
    switch (TakeWithoutWaiting(mMutex)) {
    case ETakeResult::kTaken: {
        const bool registered = GetHeader()[kClientWord] != 0;
        GetKernelTable().ReleaseMutex(mMutex);
        return registered;
    }
    case ETakeResult::kAbandoned:
        GetKernelTable().ReleaseMutex(mMutex);
        return true;
    default:
        return true;
    }
}

bool CConnectableSharedMemory::IsPeerAlive() const
{
    if (mMutex == nullptr || mMemory == nullptr)
        return false;
    const std::uint32_t* const header = GetHeader();
    const DWORD self = GetOwnProcessId();
    if (!mIsServer)
        return header[kClientWord] == self && header[kServerWord] != 0 && IsProcessRunning(header[kServerWord]);
    if (header[kServerWord] != self)
        return false;
    switch (TakeWithoutWaiting(mMutex)) {
    case ETakeResult::kHeldElsewhere:
        return true;
    case ETakeResult::kAbandoned:
        GetKernelTable().ReleaseMutex(mMutex);
        return false;
    default: {
        // The mutex is re-entrant: a client in this very process lets us take it.
        const bool clientHere = header[kClientWord] == self;
        GetKernelTable().ReleaseMutex(mMutex);
        return clientHere;
    }
    }
}

bool CConnectableSharedMemory::Exists(const CApplicationDefinedSignature& signature)
{
    const HANDLE mutex = OpenNamedMutex(signature);
    if (mutex != nullptr) {
        GetKernelTable().CloseHandle(mutex);
        return true;
    }
    return CSharedMemory::Exists(signature);
}

bool CConnectableSharedMemory::CanConnect(const CApplicationDefinedSignature& signature)
{
    if (!Exists(signature))
        return false;
    const HANDLE mutex = OpenNamedMutex(signature);
    if (mutex == nullptr)
        return false;
    bool canConnect = false;
    const ETakeResult taken = TakeWithoutWaiting(mutex);
    if (taken == ETakeResult::kTaken) {
        try {
            CSharedMemory memory;
            memory.Open(signature);
            const std::uint32_t* const header = GetHeaderOf(memory);
            canConnect = header != nullptr && HasValidMagics(header) && header[kClientWord] == 0;
        } catch (const std::exception&) {
            canConnect = false;
        }
    }
    if (taken != ETakeResult::kHeldElsewhere)
        GetKernelTable().ReleaseMutex(mutex);
    GetKernelTable().CloseHandle(mutex);
    return canConnect;
}

CApplicationMutex::CApplicationMutex(const CApplicationDefinedSignature& signature)
    : mSignature(signature)
    , mMutex(GetKernelTable().CreateMutexA(nullptr, FALSE,
                                           CConnectableSharedMemory::MakeMutexName(signature).c_str()))
{
    if (mMutex == nullptr)
        throw XBase();
}

CApplicationMutex::~CApplicationMutex()
{
    GetKernelTable().CloseHandle(mMutex);
}

bool CApplicationMutex::Exists(const CApplicationDefinedSignature& signature)
{
    const HANDLE mutex = OpenNamedMutex(signature);
    if (mutex == nullptr)
        return false;
    GetKernelTable().CloseHandle(mutex);
    return true;
}

} // namespace NSTramvell
