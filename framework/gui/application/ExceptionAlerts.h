#pragma once

// Which common alert tells the user about a caught exception. The common alerts are the entries of alert
// resource 1000; an entry's reference number is 510000000 + entry.

#include <cstdint>
#include <exception>
#include <optional>

namespace NSTramvell {

inline constexpr std::int32_t kCommonAlertReferenceBase = 510000000;
inline constexpr std::int32_t kFileNotFoundAlertEntry = 2;
inline constexpr std::int32_t kUnknownProblemAlertEntry = 11;

// The first matching row of a fixed list, each class before its bases in both exception trees; an
// exception of no listed class gives "Unknown Problem". None for XAlertAlreadyShown: the user was told.
std::optional<std::int32_t> GetCommonAlertEntry(const std::exception& exception);

} // namespace NSTramvell
