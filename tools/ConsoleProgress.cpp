#include "tools/ConsoleProgress.h"

#include <cstdio>

namespace NSToolProgress {
namespace {

constexpr double kBytesPerMegabyte = 1048576.0;

double MegabytesPerSecond(std::uint64_t bytes, std::int64_t elapsedMs)
{
    return elapsedMs > 0 ? static_cast<double>(bytes) / kBytesPerMegabyte * 1000.0 / static_cast<double>(elapsedMs)
                         : 0.0;
}

} // namespace

CConsoleProgress::CConsoleProgress(CWrite write, EProgressOutput output, std::int64_t startMs)
    : mWrite(std::move(write)), mOutput(output), mStartMs(startMs)
{
}

void CConsoleProgress::Update(std::int64_t nowMs, std::uint32_t done, std::uint32_t total, std::uint64_t bytesWritten,
                              const std::string& item)
{
    if (mShownAny && nowMs - mLastShownMs < kShowIntervalMs)
        return;
    mShownAny = true;
    mLastShownMs = nowMs;
    Show(Describe(nowMs, done, total, bytesWritten, item));
}

std::string CConsoleProgress::Describe(std::int64_t nowMs, std::uint32_t done, std::uint32_t total,
                                       std::uint64_t bytesWritten, const std::string& item) const
{
    const unsigned percent = total == 0 ? 0u : static_cast<unsigned>(std::uint64_t{done} * 100 / total);
    char head[64];
    std::snprintf(head, sizeof head, "%3u%% %7.1f MB/s  ", percent > 100 ? 100u : percent,
                  MegabytesPerSecond(bytesWritten, nowMs - mStartMs));
    return head + item;
}

void CConsoleProgress::Show(const std::string& state)
{
    if (mOutput == EProgressOutput::kFile) {
        mWrite(state + "\n");
        return;
    }
    std::string line = state.substr(0, kConsoleLineWidth);
    // Spaces cover what a longer line before left on the screen.
    const std::size_t shownLength = line.size();
    if (shownLength < mConsoleLine.size())
        line.append(mConsoleLine.size() - shownLength, ' ');
    mWrite("\r" + line);
    mConsoleLine = line.substr(0, shownLength);
}

void CConsoleProgress::ClearConsoleLine()
{
    if (mConsoleLine.empty())
        return;
    mWrite("\r" + std::string(mConsoleLine.size(), ' ') + "\r");
}

void CConsoleProgress::PrintLine(const std::string& line)
{
    if (mOutput == EProgressOutput::kFile) {
        mWrite(line + "\n");
        return;
    }
    ClearConsoleLine();
    mWrite(line + "\n");
    if (!mConsoleLine.empty()) {
        mWrite(mConsoleLine);
    }
}

void CConsoleProgress::Finish(std::int64_t nowMs, std::uint64_t bytesWritten)
{
    if (mOutput == EProgressOutput::kConsole && !mConsoleLine.empty()) {
        mWrite("\n");
        mConsoleLine.clear();
    }
    const std::int64_t elapsedMs = nowMs - mStartMs;
    char summary[128];
    std::snprintf(summary, sizeof summary, "Wrote %.1f MB in %.1f s (%.1f MB/s).\n",
                  static_cast<double>(bytesWritten) / kBytesPerMegabyte, static_cast<double>(elapsedMs) / 1000.0,
                  MegabytesPerSecond(bytesWritten, elapsedMs));
    mWrite(summary);
}

} // namespace NSToolProgress
