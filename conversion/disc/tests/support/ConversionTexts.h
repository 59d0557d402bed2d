#pragma once

// The conversion's texts and log templates as the tests and the test-support programs install them:
// read from the very files the program's resources are built from, never typed again.

#include "akai/parsers/tests/support/ParserTestStrings.h"

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace NSConversionTestSupport {

using CTextTable = std::vector<std::pair<std::uint32_t, std::string>>;

// The entries of conversion/resources/conversion-strings-128.txt, keyed by full reference number.
CTextTable LoadConversionStrings();
// The log templates 128 ... 141, each the bytes of its file.
CTextTable LoadLogTemplates();
// The text of one entry of the strings file (entry number, as 1210).
std::string ConversionText(std::uint32_t entry);

// Installs every table the converter stack reads: the file system's, the converter's, the conversion's
// and the log's texts and the log templates. The parser's texts are the parser tests' own
// (akai_parser_test_support) and installed by whoever links that.
void InstallConversionTexts();

using NSAkaiTestSupport::HostPath;
std::string ReadWholeFile(const std::string& path);

} // namespace NSConversionTestSupport
