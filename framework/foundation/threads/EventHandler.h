#pragma once

// Work for the user-interface thread, posted from any thread: an event handler and a carried object travel
// in a private message to a hidden message-only window, whose procedure calls the handler on the thread
// that created the window and then disposes of the carried object.

#include <cstdint>

struct HWND__;
typedef struct HWND__* HWND;

namespace NSEvents {

constexpr std::uint32_t kPayloadMessage = 1161;

// Anything carried along with an event; the receiving side deletes it through this destructor.
class CCarriedObject
{
public:
    virtual ~CCarriedObject();
};

class CABCEventHandler
{
public:
    CABCEventHandler();
    // As above, and creates the message window on the calling thread when there is none yet. The owner is
    // not kept.
    explicit CABCEventHandler(const void* owner);
    virtual ~CABCEventHandler();

    // Runs on the message window's thread. True: the event is done and the carried object is deleted.
    // False: the carried object is the handler's, and the message goes on to default processing.
    virtual bool HandleEvent(std::uint16_t value, CCarriedObject* carried) = 0;
};

// What one posted message carries; made by PostPayloadMessage, freed by the window procedure.
class CEventRecord
{
public:
    static constexpr char kMarker[12] = {'E', 'v', 'e', 'n', 't', 'P', 'a', 'y', 'l', 'o', 'a', 'd'};

    CEventRecord(CABCEventHandler* handler, CCarriedObject* carried);

    bool HasMarker() const;
    CABCEventHandler* GetHandler() const { return mHandler; }
    CCarriedObject* GetCarriedObject() const { return mCarried; }

private:
    char mMarker[sizeof kMarker];
    CABCEventHandler* mHandler;   // borrowed
    CCarriedObject* mCarried;     // owned until the window procedure hands it on
};

// Registers the window class and creates the window, once per process; the instance handle is the current
// code module's (none: XBase). A refusal of the platform throws std::runtime_error.
void CreateMessageWindow();
// Null until CreateMessageWindow succeeded.
HWND GetMessageWindow();

// Posts the event from any thread. When it cannot be posted (no window, or the platform refuses), it
// throws std::runtime_error and the carried object stays the caller's.
void PostPayloadMessage(CABCEventHandler* handler, std::uint16_t value, CCarriedObject* carried);

// An exception that a handler threw inside the window procedure is kept there, since it must not unwind
// through the platform; the loop that owns the window calls this after each dispatched message to throw it
// on. Nothing pending: returns.
void RethrowPendingEventException();

} // namespace NSEvents
