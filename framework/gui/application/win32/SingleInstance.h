#pragma once

// Frame mode runs one instance at a time: the first keeps a named block of shared memory, and a later one
// writes its command line there, posts message 0x420 to the first one's thread and ends.
// Block layout: busy word (1 while a text waits), the first instance's thread, 520 bytes of text.

#include <cstddef>
#include <string>

namespace NSTramvell {

inline constexpr std::size_t kPassedCommandLineLength = 520;
inline constexpr char kSingleInstanceBlockName[] = "Quenholt Software Dravim";

// Creates the block when no instance has; false when another instance runs. Failures throw the file
// exception of the platform's error code.
bool IsFirstInstance();
// At most 100 tries while the first instance has not read the previous text, 100 ms apart; then it gives
// up silently. The text is cut to 520 bytes.
void PassCommandLineToFirstInstance(const std::string& commandLine);
// The waiting text, ended even when it fills the 520 bytes; frees the block for the next one.
std::string ReadPassedCommandLine();
void ReleaseSingleInstanceBlock();

namespace NSApplicationInternal {
bool HasSingleInstanceBlock();
} // namespace NSApplicationInternal

} // namespace NSTramvell
