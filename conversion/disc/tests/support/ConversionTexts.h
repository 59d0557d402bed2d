#pragma once

// The conversion's texts and log templates as the tests install them: the ones the library carries,
// built from the very files the program's resources are made of, never typed again.

#include "akai/parsers/tests/support/ParserTestStrings.h"
#include "conversion/log/ConversionTexts.h"

#include <cstdint>
#include <string>

namespace NSConversionTestSupport {

using CTextTable = NSAkaiConversion::CConversionStringTable;
using NSAkaiConversion::InstallConversionTexts;
using NSAkaiConversion::LoadConversionStrings;
using NSAkaiConversion::LoadLogTemplates;

// The text of one entry of the strings file (entry number, as 1210).
std::string ConversionText(std::uint32_t entry);

using NSAkaiTestSupport::HostPath;
std::string ReadWholeFile(const std::string& path);

} // namespace NSConversionTestSupport
