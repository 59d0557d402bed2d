#include "framework/foundation/threads/tests/ThreadsTestSupport.h"

#include "framework/foundation/platform/TimeBase.h"

namespace NSThreadsTests {

bool WaitFor(const std::function<bool()>& condition, const std::function<void()>& step)
{
    const std::uint64_t deadline = NSTramvell::GetTimeCounter() + 10000;
    while (!condition()) {
        if (NSTramvell::GetTimeCounter() > deadline)
            return false;
        if (step)
            step();
        else
            NSTramvell::PauseMilliseconds(1);
    }
    return true;
}

} // namespace NSThreadsTests
