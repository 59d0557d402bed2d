#pragma once

// The on-line help: the platform's HTML-help engine acts on a help file beside the program, owned by the
// framework window the user works in. Every request that opens help throws XCannotOpenHelpWindow when
// the engine answers with no window (no engine, no file, no topic).

#include <string>

namespace NSTramvell {

// The engine's commands.
inline constexpr unsigned kHelpDisplayTopic = 1;
inline constexpr unsigned kHelpDisplayIndex = 2;
inline constexpr unsigned kHelpKeywordLookup = 0x0D;
inline constexpr unsigned kHelpCloseAll = 18;

// The help file's path: the program's folder and the name.
std::string GetHelpFilePath(const std::string& helpFileName);
void ShowHelp(const std::string& helpFileName);
// The index, at the keyword.
void ShowHelpIndex(const std::string& helpFileName, const std::string& keyword);
// The topic of the keyword; the index when none has it.
void LookUpHelpKeyword(const std::string& helpFileName, const std::string& keyword);
// Closing answers no window, also when there was none to close: that is no failure.
void CloseAllHelpWindows();

} // namespace NSTramvell
