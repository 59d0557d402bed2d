#pragma once

// The log of one conversion: the converter adds entries through ILog, the coordinator takes a copy of
// the tree when the conversion has ended and has the HTML page written from that copy.

#include "conversion/log/Log.h"
#include "conversion/log/LogTree.h"

#include <cstdint>
#include <string>

namespace NSTramvell {
class CFileSpec;
}

namespace NSLoggerImplementation {

class CLogger final : public NSLogger::ILog
{
public:
    CLogger() = default;
    CLogger(const CLogger&) = delete;
    CLogger& operator=(const CLogger&) = delete;
    ~CLogger();

    void AddPatch(const NSLogger::CPatchEntry& entry) override;
    void AddSample(const NSLogger::CSampleEntry& entry) override;
    void AddSkippedProgram(const NSLogger::CSkippedEntry& entry) override;
    void AddSkippedSample(const NSLogger::CSkippedEntry& entry) override;

    NSLogger::CLogTree GetTree() const { return mTree; }

    // Creates (or replaces) the file and stores the page composed from the tree; endState is one of
    // NSLogger::kLogCompleted, kLogFailed, kLogAbortedByUser. File errors pass as the framework's file
    // exceptions, a missing template or text as std::range_error; a page that could not be written whole
    // is deleted first. Windows builds only.
    static void WriteHTMLLog(const NSLogger::CLogTree& tree, const NSTramvell::CFileSpec& file,
                             const std::string& title, std::uint32_t endState);

private:
    NSLogger::CLogTree mTree;
};

} // namespace NSLoggerImplementation
