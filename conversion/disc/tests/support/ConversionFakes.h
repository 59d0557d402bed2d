#pragma once

// Listeners and a log that record what the converter tells them and answer as a test says.

#include "conversion/log/ErrorListener.h"
#include "conversion/log/Log.h"
#include "conversion/disc/ProgressListener.h"

#include <cstdint>
#include <deque>
#include <functional>
#include <string>
#include <vector>

namespace NSConversionTestSupport {

// Answers each question with the next queued answer, then with kIgnoreError.
class CRecordingErrorListener final : public NSErrorListener::IErrorListener
{
public:
    std::uint32_t ReportError(std::string message) override
    {
        messages.push_back(std::move(message));
        if (answers.empty())
            return NSErrorListener::kIgnoreError;
        const std::uint32_t answer = answers.front();
        answers.pop_front();
        return answer;
    }

    std::deque<std::uint32_t> answers;
    std::vector<std::string> messages;
};

struct CProgressReport
{
    std::uint32_t done;
    std::uint32_t total;
    std::string partitionName;
    std::string volumeName;
    std::string message;
    std::uint64_t bytesWritten;
};

// Answers kGoOn unless the test's answer function says otherwise for a report.
class CRecordingProgressListener final : public NSProgressListener::IProgressListener
{
public:
    std::uint32_t ReportProgress(std::uint32_t done, std::uint32_t total, const std::string& partitionName,
                                 const std::string& volumeName, const std::string& message,
                                 std::uint64_t bytesWritten) override
    {
        reports.push_back({done, total, partitionName, volumeName, message, bytesWritten});
        return answer ? answer(reports.back()) : NSProgressListener::kGoOn;
    }
    void StartTiming() override { timingStarts.push_back(reports.size()); }

    std::function<std::uint32_t(const CProgressReport&)> answer;
    std::vector<CProgressReport> reports;
    std::vector<std::size_t> timingStarts;  // how many reports came before each call
};

class CRecordingLog final : public NSLogger::ILog
{
public:
    void AddPatch(const NSLogger::CPatchEntry& entry) override { patches.push_back(entry); }
    void AddSample(const NSLogger::CSampleEntry& entry) override { samples.push_back(entry); }
    void AddSkippedProgram(const NSLogger::CSkippedEntry& entry) override { skippedPrograms.push_back(entry); }
    void AddSkippedSample(const NSLogger::CSkippedEntry& entry) override { skippedSamples.push_back(entry); }

    std::vector<NSLogger::CPatchEntry> patches;
    std::vector<NSLogger::CSampleEntry> samples;
    std::vector<NSLogger::CSkippedEntry> skippedPrograms;
    std::vector<NSLogger::CSkippedEntry> skippedSamples;
};

} // namespace NSConversionTestSupport
