#pragma once

// Seed inputs of the XML-document fuzz target.

#include <filesystem>

namespace NSFuzzTargets {

// A document from the writer with every case it treats apart, and hand-written ones with what only other
// writers make: comments, processing instructions, a document type, CDATA, preserved whitespace.
void WriteXMLDocumentSeeds(const std::filesystem::path& folder);

} // namespace NSFuzzTargets
