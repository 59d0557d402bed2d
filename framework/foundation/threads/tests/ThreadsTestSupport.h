#pragma once

// Helpers of the thread tests: a framework thread that runs a function, and waiting for a condition with
// a deadline.

#include "framework/foundation/trace/Thread.h"

#include <functional>

namespace NSThreadsTests {

class CFunctionThread : public NSTramvell::CThread
{
public:
    explicit CFunctionThread(std::function<void()> body) : mBody(std::move(body)) {}
    ~CFunctionThread() override { Join(); }

protected:
    void Run() override { mBody(); }

private:
    std::function<void()> mBody;
};

// True as soon as the condition holds; false when it still does not after 10 s. Between tests of the
// condition it runs the step (pumping messages, say) or pauses for a millisecond.
bool WaitFor(const std::function<bool()>& condition, const std::function<void()>& step = {});

} // namespace NSThreadsTests
