#pragma once

// What the coordinator's tests share: string table 128 as the build makes it, served by a string
// manager for the test's lifetime, and a host that records what the coordinator shows and answers as
// the test tells it.

#include "app/coordinator/ConversionHost.h"

#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace NSCoordinatorTests {

class CScopedProgramStrings
{
public:
    CScopedProgramStrings();
    CScopedProgramStrings(const CScopedProgramStrings&) = delete;
    CScopedProgramStrings& operator=(const CScopedProgramStrings&) = delete;
    ~CScopedProgramStrings();

private:
    struct CResources;
    std::unique_ptr<CResources> mResources;
};

// The text of string table 128's entry as the built table holds it ("\r" a carriage return), while a
// CScopedProgramStrings lives.
std::string ProgramText(std::uint32_t entry);

struct CShownAlert
{
    std::uint32_t alert;
    std::string parameter;
    bool operator==(const CShownAlert& other) const
    {
        return alert == other.alert && parameter == other.parameter;
    }
};

class CRecordingHost : public NSConversionCoordinator::IConversionHost
{
public:
    void SetProgressText(const std::string& heading, const std::string& body) override
    {
        texts.emplace_back(heading, body);
    }
    void SetProgress(std::int32_t done, std::int32_t total) override;
    void DisableStopButton() override { ++stopButtonDisablings; }
    void ProcessPendingEvents() override
    {
        ++pumpSteps;
        if (onPump)
            onPump();
    }
    void UpdateWindowsNow() override { ++repaints; }
    std::uint32_t ShowAlert(std::uint32_t alert, const std::string& parameter) override;
    std::uint32_t RunConversionErrorDialog(const std::string& message) override;
    void TryQuit() override { ++quitRequests; }
    void EndConversion() override { ++conversionEnds; }

    // Each alert takes the front answer, or button 1 when none is left; the dialog likewise, or Ignore.
    std::deque<std::uint32_t> alertAnswers;
    std::deque<std::uint32_t> dialogAnswers;
    std::function<void()> onPump;
    // SetProgress(-1, 100) calls this when set, to throw what the test says.
    std::function<void()> failIndeterminateProgress;

    std::vector<std::pair<std::string, std::string>> texts;
    std::vector<std::pair<std::int32_t, std::int32_t>> progress;
    std::vector<CShownAlert> alerts;
    std::vector<std::string> dialogMessages;
    int stopButtonDisablings = 0;
    int pumpSteps = 0;
    int repaints = 0;
    int quitRequests = 0;
    int conversionEnds = 0;
};

} // namespace NSCoordinatorTests
