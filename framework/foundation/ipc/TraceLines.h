#pragma once

// The lines a trace client sends to the trace server: tab-separated fields, each text cut to its width.
// A server reads "<client>\t<line>", where the line is one of
//     T\t<console name>\t<text>         a text for one console
//     V\t<first>\t<second>\t<third>     three texts for the value display
//     G\t<first>\t<second>\t<x>\t<y>    two texts and two numbers ("%f")

#include <cstddef>
#include <cstdint>
#include <string>

namespace NSTramvell::NSTraceLines {

inline constexpr std::size_t kClientNameLength = 64;
inline constexpr std::size_t kFieldLength = 32;
inline constexpr std::size_t kTextLength = 512;
// A console-trace line, indent included, fits 512 bytes with its terminator.
inline constexpr std::size_t kConsoleLineLength = 511;

inline constexpr char kMainConsoleName[] = "Standard Terminal";
inline constexpr char kAuxConsoleName[] = "Aux Trace";
inline constexpr char kBannerText[] = "Session Start. Tramvell Trace Client.";
inline constexpr char kBannerRule[] = "=================================================";

// The first length characters of the text; a null text is empty.
std::string Cut(const char* text, std::size_t length);

std::string MakeTextLine(const char* consoleName, const char* text);
std::string MakeValueLine(const char* first, const char* second, const char* third);
std::string MakeNumbersLine(const char* first, const char* second, float x, float y);
// What goes into the FIFO (before its terminating zero): the client name, a tab, the line cut to 512.
std::string MakeMessage(const std::string& clientName, const std::string& line);
// The banner's third line: the banner text, a blank and which process is talking.
std::string MakeBannerLine(std::uint32_t processId);
// 4 spaces per indent level, then the text, cut to 511 characters.
std::string MakeConsoleTraceLine(const char* text, int indentLevel);

} // namespace NSTramvell::NSTraceLines
