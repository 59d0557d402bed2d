#pragma once

// One-line calls into the platform, named by their effect, for code that must not see <windows.h>.
// Handles are the platform's kernel handles (pointer-sized); the calls go through the bound kernel table,
// so they throw NSTramvell::XBase before the tables are bound. The calls with Win32 record or callback
// types are in win32/PlatformCallsWin32.h.

#include <cstdint>

namespace NSTramvell {

// Closes a kernel handle (thread, event, mutex, file).
bool DisposeSystemHandle(void* handle);
std::uint32_t GetCurrentThreadIdentifier();
// Blocks the calling thread for the given time; PauseThread is the same call.
void CallTableFunction1(std::uint32_t milliseconds);
void PauseThread(std::uint32_t milliseconds);
// Stores the value and returns the word's previous value, as one atomic step; AtomicExchange2 likewise.
std::int32_t AtomicExchange(std::int32_t* word, std::int32_t value);
std::int32_t AtomicExchange2(std::int32_t* word, std::int32_t value);
// Adds the amount to the word as one atomic step and returns the word's previous value; AtomicAdd likewise.
std::int32_t CallTableFunction2(std::int32_t* word, std::int32_t amount);
std::int32_t AtomicAdd(std::int32_t* word, std::int32_t amount);
// Waits until the object is signalled (0) or the time-out passes; −1 waits without limit.
std::uint32_t WaitForObject(void* handle, std::int32_t timeoutMs);
bool ReleaseLockObject(void* handle);
std::uint32_t ResumeThreadObject(void* handle);
bool SignalEventObject(void* handle);

// These two need no platform call.
std::uint32_t GetWordAt(const void* address);
// Formats the local date and time with "%c" into an 80-character buffer; returns the number of characters.
int FormatCurrentTimeLength();

} // namespace NSTramvell
