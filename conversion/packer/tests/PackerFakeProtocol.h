#pragma once

// What the packer tests and their fake packer program agree on. The fake is started without arguments
// (the hand-over starts it as the real packer is started), so it learns its part from environment
// variables it inherits from the test, and tells what it saw in a report file, one line per fact:
//     process <id>                 first, when it starts
//     input <hex bytes>            the parameter file as read through the handed-over handle
//     listing <name>|<name>|...    the converted folder's entries, sorted, at the moment it read the input
//     info <hex bytes>             "INFO.TXT" at that moment ("info missing" when absent)
//     splash <hash>                FingerprintBytes of "Splash.jpg" ("splash missing" when absent)
//     closing                      it is about to close the handle
//     message <number>             a hand-over (1157) or close (16) message, in the order they came
// Lines are appended as they happen (a second fake would add its own "process" line); the report is
// complete once the process has ended.

#include <cstddef>
#include <cstdint>
#include <string>

namespace NSPackerFake {

// "1" (the default) or "0": the answer to the hand-over message.
inline constexpr char kAnswerVariable[] = "DRAVIM_FAKE_PACKER_ANSWER";
// "before" (the default): reads its input and closes the handle before it answers. "late": answers,
// keeps the handle about two seconds, then reads and closes. "keep": answers and holds the handle, unread,
// until it ends (a packer busy with another job).
inline constexpr char kReadingVariable[] = "DRAVIM_FAKE_PACKER_READING";
// "message" (the default): a hidden "KapletPacker Message Window". "both": that window, then a hidden
// "Tramvell Document Window" (which the window list then names first). "document": only the latter.
// "none": never a window.
inline constexpr char kWindowsVariable[] = "DRAVIM_FAKE_PACKER_WINDOWS";
// Milliseconds to wait before making the windows (default 0).
inline constexpr char kWindowDelayVariable[] = "DRAVIM_FAKE_PACKER_WINDOW_DELAY_MS";
// The report file's path; no report without it.
inline constexpr char kReportVariable[] = "DRAVIM_FAKE_PACKER_REPORT";
// The name of an event the fake signals once its windows exist (for "none": once it would have made them).
inline constexpr char kReadyEventVariable[] = "DRAVIM_FAKE_PACKER_READY_EVENT";
// The id of the test process: the fake ends when that process ends, so a test run that is cut off leaves
// no fake behind to be found by the next run's packer search.
inline constexpr char kOwnerVariable[] = "DRAVIM_FAKE_PACKER_OWNER";

inline constexpr char kFakePackerFileName[] = "FakePacker.exe";

// 64-bit FNV-1a of the bytes, as 16 lower-case hex digits.
inline std::string FingerprintBytes(const void* bytes, std::size_t count)
{
    std::uint64_t hash = 0xCBF29CE484222325ull;
    const auto* p = static_cast<const unsigned char*>(bytes);
    for (std::size_t i = 0; i < count; ++i) {
        hash ^= p[i];
        hash *= 0x100000001B3ull;
    }
    static const char kDigits[] = "0123456789abcdef";
    std::string text(16, '0');
    for (int i = 15; i >= 0; --i, hash >>= 4)
        text[static_cast<std::size_t>(i)] = kDigits[hash & 0xF];
    return text;
}

inline std::string ToHex(const std::string& bytes)
{
    static const char kDigits[] = "0123456789abcdef";
    std::string text;
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        text += kDigits[byte >> 4];
        text += kDigits[byte & 0xF];
    }
    return text;
}

} // namespace NSPackerFake
