#pragma once

// Runs test code on threads of its own in every build. The 32-bit Windows runtime has no std::thread, so
// the Windows builds start plain platform threads; they need no bound platform tables.

#include <functional>

namespace NSTestSupport {

// Runs body(index) for index 0 .. count - 1, each on a thread of its own, all at once, and returns when
// every one has ended. A body must not throw; checks on the workers are counted and asserted after.
void RunOnThreads(int count, const std::function<void(int index)>& body);

// Runs beside on a second thread while the calling thread runs here, and returns when both have ended.
void RunBeside(const std::function<void()>& beside, const std::function<void()>& here);

} // namespace NSTestSupport
