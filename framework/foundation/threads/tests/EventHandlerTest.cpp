#include "framework/foundation/threads/EventHandler.h"

#include "framework/foundation/files/Folders.h"
#include "framework/foundation/modules/CodeModule.h"
#include "framework/foundation/modules/ModuleReference.h"
#include "framework/foundation/platform/PlatformCalls.h"
#include "framework/foundation/platform/TimeBase.h"
#include "framework/foundation/platform/win32/PlatformTables.h"
#include "framework/foundation/threads/tests/ThreadsTestSupport.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <stdexcept>

using namespace NSTramvell;
using NSEvents::CABCEventHandler;
using NSEvents::CCarriedObject;
using NSThreadsTests::CFunctionThread;
using NSThreadsTests::WaitFor;

namespace {

class CTestProgramModule : public CABCCodeModule
{
public:
    explicit CTestProgramModule(const CCodeModuleInfo& info) : CABCCodeModule(info) {}
};

// The message window's instance handle comes from the current code module, which lives as long as the tests.
void EnsureMessageWindow()
{
    static std::unique_ptr<CTestProgramModule> module;
    if (CABCCodeModule::GetCurrent() == nullptr) {
        const CFileSpec program = GetProgramFileSpec();
        const HINSTANCE instance = ::GetModuleHandleA(nullptr);
        module = std::make_unique<CTestProgramModule>(
            CCodeModuleInfo(program.GetDirSpec(), "ThreadsTests", OpenModule(program, instance), instance));
    }
    NSEvents::CreateMessageWindow();
}

void PumpMessages()
{
    MSG message;
    while (::PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        ::DispatchMessageA(&message);
        NSEvents::RethrowPendingEventException();
    }
    PauseMilliseconds(1);
}

class CCountedObject : public CCarriedObject
{
public:
    explicit CCountedObject(int& deletions) : mDeletions(deletions) {}
    ~CCountedObject() override { ++mDeletions; }

private:
    int& mDeletions;
};

class CRecordingHandler : public CABCEventHandler
{
public:
    bool HandleEvent(std::uint16_t value, CCarriedObject* carried) override
    {
        mValue = value;
        mCarried = carried;
        mThread = GetCurrentThreadIdentifier();
        ++mCalls;
        if (mThrows)
            throw std::logic_error("handler failed");
        return mAnswer;
    }

    bool mAnswer = true;
    bool mThrows = false;
    int mCalls = 0;
    std::uint16_t mValue = 0;
    CCarriedObject* mCarried = nullptr;
    std::uint32_t mThread = 0;
};

int gDefaultPayloads = 0;

// Counts the payload messages that reach default processing.
LRESULT CountDefaultProcessing(HWND window, UINT message, WPARAM first, LPARAM second)
{
    if (message == NSEvents::kPayloadMessage)
        ++gDefaultPayloads;
    return ::DefWindowProcA(window, message, first, second);
}

// Runs first: the window does not exist yet, unless a filter picked the tests.
TEST(PostPayloadMessage, FailsWithoutAWindowAndWhenRefusedLeavingTheCarriedObject)
{
    CRecordingHandler handler;
    int deletions = 0;
    CCountedObject carried(deletions);
    if (NSEvents::GetMessageWindow() == nullptr) {
        EXPECT_THROW(NSEvents::PostPayloadMessage(&handler, 1, &carried), std::runtime_error);
    }
    EnsureMessageWindow();
    {
        CScopedTableEntry refused(GetWindowTable().PostMessageA,
                                  [](HWND, UINT, WPARAM, LPARAM) -> BOOL { return FALSE; });
        EXPECT_THROW(NSEvents::PostPayloadMessage(&handler, 1, &carried), std::runtime_error);
    }
    PumpMessages();
    EXPECT_EQ(handler.mCalls, 0);
    EXPECT_EQ(deletions, 0);
}

TEST(PostPayloadMessage, TheHandlersAnswerDecidesWhoDeletesTheCarriedObject)
{
    EnsureMessageWindow();
    CScopedTableEntry defaultProcessing(GetWindowTable().DefWindowProcA, &CountDefaultProcessing);
    for (const bool answer : {true, false}) {
        SCOPED_TRACE(answer);
        CRecordingHandler handler;
        handler.mAnswer = answer;
        int deletions = 0;
        auto* carried = new CCountedObject(deletions);
        gDefaultPayloads = 0;
        NSEvents::PostPayloadMessage(&handler, 0xBEEF, carried);
        ASSERT_TRUE(WaitFor([&] { return handler.mCalls == 1; }, &PumpMessages));
        EXPECT_EQ(handler.mValue, 0xBEEF);
        EXPECT_EQ(handler.mCarried, carried);
        EXPECT_EQ(deletions, answer ? 1 : 0);
        EXPECT_EQ(gDefaultPayloads, answer ? 0 : 1);
        if (!answer)
            delete carried;
    }
}

TEST(PostPayloadMessage, AWorkersEventRunsOnTheWindowsThread)
{
    EnsureMessageWindow();
    CRecordingHandler handler;
    CFunctionThread worker([&handler] { NSEvents::PostPayloadMessage(&handler, 3, nullptr); });
    worker.Start();
    worker.Join();
    ASSERT_TRUE(WaitFor([&] { return handler.mCalls == 1; }, &PumpMessages));
    EXPECT_EQ(handler.mThread, GetCurrentThreadIdentifier());
}

TEST(PostPayloadMessage, ForeignPayloadMessagesGoToDefaultProcessingUnread)
{
    EnsureMessageWindow();
    CScopedTableEntry defaultProcessing(GetWindowTable().DefWindowProcA, &CountDefaultProcessing);
    CRecordingHandler handler;
    int deletions = 0;
    auto* carried = new CCountedObject(deletions);
    // Laid out as a record of ours, marker and all, but never posted through PostPayloadMessage.
    alignas(void*) unsigned char lookalike[64] = {};
    std::memcpy(lookalike, NSEvents::CEventRecord::kMarker, sizeof NSEvents::CEventRecord::kMarker);
    constexpr std::size_t kHandlerOffset =
        (sizeof NSEvents::CEventRecord::kMarker + alignof(void*) - 1) / alignof(void*) * alignof(void*);
    CABCEventHandler* handlerPointer = &handler;
    std::memcpy(lookalike + kHandlerOffset, &handlerPointer, sizeof handlerPointer);
    std::memcpy(lookalike + kHandlerOffset + sizeof(void*), &carried, sizeof carried);
    const HWND window = NSEvents::GetMessageWindow();
    for (const LPARAM second : {reinterpret_cast<LPARAM>(lookalike), LPARAM{0x10}}) {
        gDefaultPayloads = 0;
        ASSERT_TRUE(::PostMessageA(window, NSEvents::kPayloadMessage, 1, second));
        ASSERT_TRUE(WaitFor([] { return gDefaultPayloads == 1; }, &PumpMessages));
    }
    EXPECT_EQ(handler.mCalls, 0);
    EXPECT_EQ(deletions, 0);
    delete carried;
}

TEST(PostPayloadMessage, AHandlersExceptionIsRethrownAfterTheDispatch)
{
    EnsureMessageWindow();
    CRecordingHandler handler;
    handler.mThrows = true;
    int deletions = 0;
    NSEvents::PostPayloadMessage(&handler, 2, new CCountedObject(deletions));
    bool rethrown = false;
    ASSERT_TRUE(WaitFor([&] { return rethrown; },
                        [&] {
                            try {
                                PumpMessages();
                            } catch (const std::logic_error&) {
                                rethrown = true;
                            }
                        }));
    EXPECT_EQ(handler.mCalls, 1);
    EXPECT_EQ(deletions, 1);
    EXPECT_NO_THROW(NSEvents::RethrowPendingEventException());
}

} // namespace
