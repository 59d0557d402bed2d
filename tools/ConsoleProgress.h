#pragma once

// Progress of a long conversion, printed so that it costs next to nothing wherever it goes. A console
// draws every character it is sent, slowly under Wine, so the state is shown at most every interval, as
// one line rewritten in place; a file or pipe gets the same states as full lines, at the same rate.
// Errors and warnings always get a line of their own. Calls carry the time, so the owner picks the clock.

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace NSToolProgress {

constexpr std::int64_t kShowIntervalMs = 250;
// The rewritten line stays within the width of the narrowest usual console: a wrapped line would no
// longer be rewritten but repeated.
constexpr std::size_t kConsoleLineWidth = 79;

enum class EProgressOutput { kConsole, kFile };

class CConsoleProgress
{
public:
    using CWrite = std::function<void(std::string_view text)>;  // writes and flushes the text

    CConsoleProgress(CWrite write, EProgressOutput output, std::int64_t startMs);

    // Shows this state when kShowIntervalMs have passed since the last one shown, or none was.
    void Update(std::int64_t nowMs, std::uint32_t done, std::uint32_t total, std::uint64_t bytesWritten,
                const std::string& item);
    // A line of its own; on a console the rewritten line moves below it.
    void PrintLine(const std::string& line);
    // Ends the rewritten line and prints what was written, in how long.
    void Finish(std::int64_t nowMs, std::uint64_t bytesWritten);

private:
    std::string Describe(std::int64_t nowMs, std::uint32_t done, std::uint32_t total, std::uint64_t bytesWritten,
                         const std::string& item) const;
    void Show(const std::string& state);
    void ClearConsoleLine();

    CWrite mWrite;
    EProgressOutput mOutput;
    std::int64_t mStartMs;
    std::int64_t mLastShownMs = 0;
    bool mShownAny = false;
    std::string mConsoleLine;  // what the console shows in place now; empty when nothing
};

} // namespace NSToolProgress
