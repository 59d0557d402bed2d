#pragma once

// The texts that the conversion modules look up, built into the library from the files the program's
// resources are made of (conversion/resources): the strings of table 128, keyed by full reference
// number, and the log's HTML templates, keyed by template number.

#include "conversion/log/ConversionStrings.h"

namespace NSAkaiConversion {

CConversionStringTable LoadConversionStrings();
CConversionStringTable LoadLogTemplates();

// Hands each module of the converter stack its texts: the file system's, the converter's, the
// conversion's and the log's strings, and the log templates. The parser's texts are the parser's own.
void InstallConversionTexts();

} // namespace NSAkaiConversion
