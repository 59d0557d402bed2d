#pragma once

// Why a whole conversion was aborted, as the text that completes "The conversion was aborted ^0.": the
// program's coordinator and the command-line converter choose it alike. Windows builds only (the raw-disk
// client's failed device call counts as a disk error).

#include <cstdint>
#include <exception>
#include <string>

namespace NSAkaiConversion {

// By the failure's dynamic type, in this order: no memory, a full disk, a file, media or raw-disk device
// error, anything else (and no failure object).
std::uint32_t GetAbortCauseId(const std::exception* failure);
std::string AbortCause(const std::exception* failure);

} // namespace NSAkaiConversion
