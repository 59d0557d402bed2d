#include "framework/foundation/threads/EventHandler.h"

#include "framework/foundation/core/Exceptions.h"
#include "framework/foundation/modules/CodeModule.h"
#include "framework/foundation/platform/win32/PlatformCallsWin32.h"
#include "framework/foundation/threads/SpinLock.h"

#include <atomic>
#include <cstring>
#include <exception>
#include <set>
#include <stdexcept>

namespace NSEvents {
namespace {

constexpr const char* kWindowClassName = "Quenholt Message Window";

ATOM gWindowClass = 0;
std::atomic<HWND> gMessageWindow{nullptr};

// The records posted and not yet received. A message 1161 may come from another process or another part
// of this one; only an address in this set is ever read or freed.
NSTramvell::CSpinLock gLiveRecordsLock;
std::set<const CEventRecord*> gLiveRecords;

NSTramvell::CSpinLock gPendingLock;
std::exception_ptr gPendingException;

class CLiveRecordsGuard
{
public:
    CLiveRecordsGuard() { gLiveRecordsLock.Lock(); }
    ~CLiveRecordsGuard() { gLiveRecordsLock.Unlock(); }
    CLiveRecordsGuard(const CLiveRecordsGuard&) = delete;
    CLiveRecordsGuard& operator=(const CLiveRecordsGuard&) = delete;
};

// True when the record was posted by us and had not been received yet; it is received now.
bool TakeLiveRecord(const CEventRecord* record)
{
    CLiveRecordsGuard guard;
    return gLiveRecords.erase(record) == 1;
}

void KeepPendingException(std::exception_ptr exception)
{
    gPendingLock.Lock();
    // The first one stays: it is the cause of whatever followed.
    if (!gPendingException)
        gPendingException = exception;
    gPendingLock.Unlock();
}

LRESULT CALLBACK MessageWindowProcedure(HWND window, UINT message, WPARAM first, LPARAM second)
{
    const auto* record = reinterpret_cast<const CEventRecord*>(second);
    if (message != kPayloadMessage || !TakeLiveRecord(record))
        return NSTramvell::CallTableFunction4(window, message, first, second);
    if (!record->HasMarker())
        return NSTramvell::CallTableFunction4(window, message, first, second);
    CABCEventHandler* const handler = record->GetHandler();
    CCarriedObject* const carried = record->GetCarriedObject();
    delete record;
    bool handled = false;
    try {
        handled = handler->HandleEvent(static_cast<std::uint16_t>(first), carried);
    } catch (...) {
        delete carried;
        KeepPendingException(std::current_exception());
        return 0;
    }
    if (!handled)
        return NSTramvell::CallTableFunction4(window, message, first, second);
    delete carried;
    return 0;
}

HINSTANCE GetCurrentInstance()
{
    const NSTramvell::CABCCodeModule* module = NSTramvell::CABCCodeModule::GetCurrent();
    if (module == nullptr)
        throw NSTramvell::XBase();
    return module->GetInstanceHandle();
}

} // namespace

CCarriedObject::~CCarriedObject() = default;

CABCEventHandler::CABCEventHandler() = default;

CABCEventHandler::CABCEventHandler(const void*)
{
    if (gMessageWindow == nullptr)
        CreateMessageWindow();
}

CABCEventHandler::~CABCEventHandler() = default;

CEventRecord::CEventRecord(CABCEventHandler* handler, CCarriedObject* carried)
    : mHandler(handler)
    , mCarried(carried)
{
    std::memcpy(mMarker, kMarker, sizeof mMarker);
}

bool CEventRecord::HasMarker() const
{
    return std::memcmp(mMarker, kMarker, sizeof mMarker) == 0;
}

void CreateMessageWindow()
{
    if (gMessageWindow != nullptr)
        return;
    const HINSTANCE instance = GetCurrentInstance();
    if (gWindowClass == 0) {
        WNDCLASSA windowClass{};
        windowClass.style = CS_DBLCLKS;
        windowClass.lpfnWndProc = &MessageWindowProcedure;
        windowClass.hInstance = instance;
        windowClass.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(16));
        windowClass.lpszClassName = kWindowClassName;
        gWindowClass = NSTramvell::RegisterWindowClassRecord(&windowClass);
        if (gWindowClass == 0)
            throw std::runtime_error("The message window's class could not be registered");
    }
    gMessageWindow = NSTramvell::CallWindowManager12(WS_EX_WINDOWEDGE, kWindowClassName, "", WS_OVERLAPPEDWINDOW,
                                                     CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                                                     HWND_MESSAGE, nullptr, instance, nullptr);
    if (gMessageWindow == nullptr)
        throw std::runtime_error("The message window could not be created");
}

HWND GetMessageWindow()
{
    return gMessageWindow;
}

void PostPayloadMessage(CABCEventHandler* handler, std::uint16_t value, CCarriedObject* carried)
{
    auto* record = new CEventRecord(handler, carried);
    {
        CLiveRecordsGuard guard;
        gLiveRecords.insert(record);
    }
    const HWND window = gMessageWindow;
    if (window != nullptr &&
        NSTramvell::PostWindowMessage(window, kPayloadMessage, value, reinterpret_cast<LPARAM>(record)))
        return;
    TakeLiveRecord(record);
    delete record;
    throw std::runtime_error("The event could not be posted to the message window");
}

void RethrowPendingEventException()
{
    gPendingLock.Lock();
    std::exception_ptr pending;
    std::swap(pending, gPendingException);
    gPendingLock.Unlock();
    if (pending)
        std::rethrow_exception(pending);
}

} // namespace NSEvents
