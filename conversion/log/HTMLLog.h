#pragma once

// The HTML page of a conversion log, composed only by filling text templates. The templates and the page's
// own texts are handed in once at start-up, so composing never touches the program's resources.

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace NSLogger {

class CLogTree;

using CLogTextTable = std::vector<std::pair<std::uint32_t, std::string>>;

// Templates are keyed by their resource number 128 ... 141.
constexpr std::uint32_t kPageTemplate = 128;
constexpr std::uint32_t kHeadTemplate = 129;
constexpr std::uint32_t kBodyTemplate = 130;
constexpr std::uint32_t kSkippedNoteTemplate = 131;
constexpr std::uint32_t kPartitionTemplate = 132;
constexpr std::uint32_t kVolumeTemplate = 133;
constexpr std::uint32_t kPatchTableTemplate = 134;
constexpr std::uint32_t kPatchRowTemplate = 135;
constexpr std::uint32_t kPatchNoteTemplate = 136;
constexpr std::uint32_t kMissingSampleTemplate = 137;
constexpr std::uint32_t kSampleTableTemplate = 138;
constexpr std::uint32_t kSampleRowTemplate = 139;
constexpr std::uint32_t kSampleNoteTemplate = 140;
constexpr std::uint32_t kEndNoteTemplate = 141;
constexpr std::uint32_t kFirstTemplate = kPageTemplate;
constexpr std::uint32_t kLastTemplate = kEndNoteTemplate;

// Texts are keyed by their full reference number in string table 128.
constexpr std::uint32_t kAbortedByUserTextId = 401281000;
constexpr std::uint32_t kFatalErrorTextId = 401281001;
constexpr std::uint32_t kLogFileNameTextId = 401281002;     // "^0^1.htm"
constexpr std::uint32_t kLogFileNumberTextId = 401281003;   // " #^0"
constexpr std::uint32_t kEndOfLogTextId = 401281004;

// How the conversion ended, for the end note.
constexpr std::uint32_t kLogCompleted = 0;
constexpr std::uint32_t kLogFailed = 1;
constexpr std::uint32_t kLogAbortedByUser = 2;

// Each replaces its whole table by a copy.
void SetHTMLTemplates(const CLogTextTable& templates);
void SetUIStrings(const CLogTextTable& strings);
// The first entry with the key; std::range_error("UI string not found") when none has it.
std::string GetHTMLTemplate(std::uint32_t key);
std::string GetLogString(std::uint32_t key);

// The whole page, as its bytes are to be stored.
std::string ComposeHTMLLog(const CLogTree& tree, const std::string& title, std::uint32_t endState);

} // namespace NSLogger
