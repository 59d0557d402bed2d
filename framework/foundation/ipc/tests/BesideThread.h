#pragma once

// Runs one function on a second thread while the calling thread runs another, and waits for both. Windows
// builds use the framework's thread (the platform tables must be bound), others the standard one.

#include <functional>

#ifdef _WIN32
#include "framework/foundation/platform/PlatformCalls.h"
#include "framework/foundation/trace/Thread.h"
#else
#include <thread>
#endif

namespace NSTramvell::NSIpcTest {

#ifdef _WIN32
class CFunctionThread : public CThread
{
public:
    explicit CFunctionThread(std::function<void()> body)
        : mBody(std::move(body))
    {
    }

protected:
    void Run() override { mBody(); }

private:
    std::function<void()> mBody;
};

inline void LetOtherThreadsRun()
{
    PauseThread(0);
}

inline void RunBeside(const std::function<void()>& beside, const std::function<void()>& here)
{
    CFunctionThread thread(beside);
    thread.Start();
    here();
    thread.Join();
}
#else
inline void LetOtherThreadsRun()
{
    std::this_thread::yield();
}

inline void RunBeside(const std::function<void()>& beside, const std::function<void()>& here)
{
    std::thread thread(beside);
    here();
    thread.join();
}
#endif

} // namespace NSTramvell::NSIpcTest
