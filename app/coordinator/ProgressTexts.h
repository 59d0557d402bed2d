#pragma once

// The texts of the progress page while a disc is converted, packed and finished: the remaining time, the
// byte count and the page bodies. Every text comes from string table 128 at the moment of use, but for
// the two size templates, fetched once.

#include <cstdint>
#include <string>

namespace NSConversionCoordinator {

// Entries of string table 128.
constexpr std::int32_t ProgressTextId(std::int32_t entry)
{
    return 401280000 + entry;
}
constexpr std::int32_t kLessThanOneMinuteText = ProgressTextId(1110);
constexpr std::int32_t kAboutMinutesText = ProgressTextId(1123);      // "about ^0 minutes"
constexpr std::int32_t kKilobytesText = ProgressTextId(1130);
constexpr std::int32_t kMegabytesText = ProgressTextId(1131);
constexpr std::int32_t kCalculatingText = ProgressTextId(1140);
constexpr std::int32_t kFinishedTimeText = ProgressTextId(1141);
constexpr std::int32_t kConvertingBodyText = ProgressTextId(1280);
constexpr std::int32_t kPackingBodyText = ProgressTextId(1281);
constexpr std::int32_t kFinishingBodyText = ProgressTextId(1282);
constexpr std::int32_t kConvertingHeading = ProgressTextId(1285);
constexpr std::int32_t kPackingHeading = ProgressTextId(1286);
constexpr std::int32_t kFinishingHeading = ProgressTextId(1287);
constexpr std::int32_t kStartingPackerText = ProgressTextId(1290);
constexpr std::int32_t kWaitingForPackerText = ProgressTextId(1291);
constexpr std::int32_t kDeletingTemporaryFilesText = ProgressTextId(1292);
constexpr std::int32_t kDeletingConvertedFilesText = ProgressTextId(1293);
constexpr std::int32_t kWritingLogText = ProgressTextId(1294);
constexpr std::int32_t kFinishedText = ProgressTextId(1295);
constexpr std::int32_t kUnexpectedErrorCauseText = ProgressTextId(1273);

// seconds rounded to the nearest minute (halves away from zero), said as "less than", "about" a number
// of minutes; m and the seconds r left over decide, as r < -5 "less than m", r >= 5 "less than m + 1".
std::string MinutesText(std::int32_t seconds);

// Above 1,048,576 bytes "^0 MB", else "^0 kB", with one decimal.
std::string SizeText(std::uint64_t bytes);

// "calculating" until more than 2 % is done (compared with the single-precision 0.02), "finished" when
// all is done, else the minutes left at the pace so far: (elapsedMs / done) * (total - done) / 1000,
// each step in unsigned 32-bit arithmetic.
std::string RemainingTimeText(std::uint32_t done, std::uint32_t total, std::uint32_t elapsedMs);

// The bodies of the progress page.
std::string ConvertingBody(const std::string& destination, std::uint64_t bytesWritten,
                           const std::string& partitionName, const std::string& volumeName,
                           const std::string& message, const std::string& remainingTime);
std::string FinishingBody(const std::string& destination, std::uint64_t bytesWritten, std::int32_t messageId);
// The packer phase's text (empty for a phase it does not know) in the packing body.
std::string PackingBody(const std::string& destination, std::uint64_t bytesWritten, std::uint32_t phase);

} // namespace NSConversionCoordinator
