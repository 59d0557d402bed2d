#include "tests/support/TestThreads.h"

#include <stdexcept>
#include <vector>

#ifdef _WIN32
#include "framework/foundation/platform/win32/PlatformWin32.h"
#else
#include <thread>
#endif

namespace NSTestSupport {
namespace {

#ifdef _WIN32
DWORD WINAPI RunBody(void* body)
{
    (*static_cast<const std::function<void()>*>(body))();
    return 0;
}

// Starts each body on a thread of its own and returns once all have ended. The bodies outlive the threads.
void RunAll(const std::vector<std::function<void()>>& bodies, const std::function<void()>& here)
{
    std::vector<HANDLE> threads;
    for (const std::function<void()>& body : bodies) {
        const HANDLE thread = ::CreateThread(nullptr, 0, &RunBody, const_cast<std::function<void()>*>(&body), 0, nullptr);
        if (thread != nullptr)
            threads.push_back(thread);
    }
    const bool allStarted = threads.size() == bodies.size();
    if (allStarted)
        here();
    for (const HANDLE thread : threads) {
        ::WaitForSingleObject(thread, INFINITE);
        ::CloseHandle(thread);
    }
    if (!allStarted)
        throw std::runtime_error("a test thread could not be started");
}
#else
void RunAll(const std::vector<std::function<void()>>& bodies, const std::function<void()>& here)
{
    std::vector<std::thread> threads;
    for (const std::function<void()>& body : bodies)
        threads.emplace_back(body);
    here();
    for (std::thread& thread : threads)
        thread.join();
}
#endif

} // namespace

void RunOnThreads(int count, const std::function<void(int index)>& body)
{
    std::vector<std::function<void()>> bodies;
    for (int index = 0; index < count; ++index)
        bodies.emplace_back([&body, index] { body(index); });
    RunAll(bodies, [] {});
}

void RunBeside(const std::function<void()>& beside, const std::function<void()>& here)
{
    RunAll({beside}, here);
}

} // namespace NSTestSupport
