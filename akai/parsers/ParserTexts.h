#pragma once

// The parsers' texts, built into the library from the file the program's resources are made of
// (akai/parsers/resources/parser-strings-128.txt), and the reading of such a file of string table 128.

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace NSAkaiParser {

// The entries of a text file of string table 128, keyed by full reference number: one entry a line,
// its number, one tab, its text; empty lines and lines that begin with '#' say nothing. A line without
// a tab throws std::runtime_error.
std::vector<std::pair<std::uint32_t, std::string>> ReadStringTableText(const std::string& fileText);

std::vector<std::pair<std::uint32_t, std::string>> LoadParserTexts();
// Installs LoadParserTexts() as the parser strings.
void InstallParserTexts();

} // namespace NSAkaiParser
