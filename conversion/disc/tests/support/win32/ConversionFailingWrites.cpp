#include "conversion/disc/tests/support/ConversionFailingWrites.h"

#include "framework/foundation/platform/win32/PlatformTables.h"

namespace NSConversionTestSupport {
namespace {

constexpr DWORD kDiskFullError = 112;

using CWriteFileEntry = decltype(NSTramvell::CKernelTable::WriteFile);
using CGetLastErrorEntry = decltype(NSTramvell::CKernelTable::GetLastError);

// The fakes are captureless, so their state is here; one guard lives at a time.
CWriteFileEntry gRealWriteFile = nullptr;
CGetLastErrorEntry gRealGetLastError = nullptr;
std::uint64_t gAllowedBytes = 0;
bool gFailed = false;
bool gErrorPending = false;    // the failed write's error, for the one query that follows it

BOOL WriteUntilFull(HANDLE file, LPCVOID bytes, DWORD count, LPDWORD written, LPOVERLAPPED overlapped)
{
    if (count <= gAllowedBytes) {
        const BOOL result = gRealWriteFile(file, bytes, count, written, overlapped);
        if (result && written != nullptr)
            gAllowedBytes -= *written;
        return result;
    }
    DWORD partWritten = 0;
    if (gAllowedBytes > 0)
        gRealWriteFile(file, bytes, static_cast<DWORD>(gAllowedBytes), &partWritten, overlapped);
    gAllowedBytes = 0;
    if (written != nullptr)
        *written = partWritten;
    gFailed = true;
    gErrorPending = true;
    return FALSE;
}

DWORD LastErrorAfterFull()
{
    if (!gErrorPending)
        return gRealGetLastError();
    gErrorPending = false;
    return kDiskFullError;
}

} // namespace

struct CScopedFailingWrites::CEntries
{
    NSTramvell::CScopedTableEntry<CWriteFileEntry> writeFile{NSTramvell::GetKernelTable().WriteFile, &WriteUntilFull};
    NSTramvell::CScopedTableEntry<CGetLastErrorEntry> lastError{NSTramvell::GetKernelTable().GetLastError,
                                                                &LastErrorAfterFull};
};

CScopedFailingWrites::CScopedFailingWrites(std::uint64_t allowedBytes)
{
    gRealWriteFile = NSTramvell::GetKernelTable().WriteFile;
    gRealGetLastError = NSTramvell::GetKernelTable().GetLastError;
    gAllowedBytes = allowedBytes;
    gFailed = false;
    gErrorPending = false;
    mEntries = std::make_unique<CEntries>();
}

CScopedFailingWrites::~CScopedFailingWrites()
{
    mEntries.reset();
    gFailed = false;
}

bool CScopedFailingWrites::HasFailed() const
{
    return gFailed;
}

} // namespace NSConversionTestSupport
