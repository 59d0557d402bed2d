#pragma once

// The texts that the conversion modules show, fetched once at start-up from the program's string table
// 128 and log templates and handed to each module, so that the modules never reach the resources. Each
// builder returns (key, text) pairs: a string's key is its full reference number (401280500 for entry
// 500), a template's its resource number.

#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <vector>

using CUIStringTable = std::vector<std::pair<std::uint32_t, std::string>>;

// 4, the table number 0128, then the entry in four digits.
constexpr std::uint32_t UIStringReference(std::uint32_t entry)
{
    return 401280000 + entry;
}

// A missing or empty entry throws XNotFound: either can only be a slip in the table and would otherwise
// surface as a blank text in the middle of a conversion.
CUIStringTable BuildFileSystemStrings();
CUIStringTable BuildParserStrings();
CUIStringTable BuildConverterStrings();
CUIStringTable BuildConversionStrings();
CUIStringTable BuildLogStrings();

// The log's HTML templates 128 to 141, each as readTemplate gives its bytes (no terminator, no
// conversion).
CUIStringTable BuildLogTemplates(const std::function<std::string(std::uint16_t)>& readTemplate);

// Builds the six tables and hands each to its module (templates from the current code module's
// resources). Windows builds only.
void InstallUIStringTables();
