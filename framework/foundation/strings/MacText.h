#pragma once

// Text between the Mac and the Windows sides: the upper half of the character set (Mac OS Roman with the
// currency sign at 0xDB against ISO 8859-1; what one side lacks becomes '?') and the line ends (CR alone
// against CR LF). Bytes below 128 never change.

#include <cstddef>
#include <cstdint>
#include <string>

namespace NSTramvell {

constexpr std::int32_t kLineEndingNone = 12;      // empty, or no line break at all
constexpr std::int32_t kLineEndingWindows = 13;   // holds a line feed
constexpr std::int32_t kLineEndingMac = 14;       // carriage returns and no line feed

// In place, up to the terminating 0 byte.
void MacToWindowsChars(char* text);
void WindowsToMacChars(char* text);
void MacToWindowsChars(std::string& text);
void WindowsToMacChars(std::string& text);

// Copy at most sourceLength bytes of the source, stopping at a 0 byte, into the destination, which holds
// capacity + 1 bytes: at most capacity bytes and the terminating 0 always written. MacToWindowsText adds a
// line feed after every carriage return, dropping a carriage return whose line feed would not fit;
// WindowsToMacText leaves every line feed out.
void MacToWindowsText(char* destination, std::size_t capacity, const char* source, std::size_t sourceLength);
void WindowsToMacText(char* destination, std::size_t capacity, const char* source, std::size_t sourceLength);
std::string MacToWindowsText(const std::string& text);

// A line feed anywhere decides kLineEndingWindows.
std::int32_t GetLineEndingKind(const char* text, std::size_t length);
std::int32_t GetLineEndingKind(const std::string& text);

namespace NSMacTextInternal {
// The character of the other side for an upper-half byte (128 to 255).
std::uint8_t MacToWindowsChar(std::uint8_t c);
std::uint8_t WindowsToMacChar(std::uint8_t c);
} // namespace NSMacTextInternal

} // namespace NSTramvell
