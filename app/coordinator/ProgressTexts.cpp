#include "app/coordinator/ProgressTexts.h"

#include "conversion/packer/PackerProgressListener.h"
#include "framework/foundation/strings/StringManager.h"
#include "framework/foundation/strings/StringUtilities.h"

namespace NSConversionCoordinator {
namespace {

// "less than one minute" (1110) to "about three minutes" (1115), then "about four minutes" (1116) to
// "about ten minutes" (1122).
std::string MinuteText(std::int32_t entry)
{
    return NSTramvell::GetString(ProgressTextId(entry));
}

std::string NearMinutesText(std::uint32_t minutes, std::int64_t rest)
{
    // For m = 1 to 3: below by more than 5 s "less than m", above by 5 s or more "less than m + 1".
    const std::int32_t lessThan[] = {1110, 1110, 1112, 1114};
    const std::int32_t about[] = {1110, 1111, 1113, 1115};
    const std::int32_t lessThanNext[] = {1110, 1112, 1114, 1115};
    if (minutes == 0)
        return MinuteText(1110);
    if (rest < -5)
        return MinuteText(lessThan[minutes]);
    if (rest >= 5)
        return MinuteText(lessThanNext[minutes]);
    return MinuteText(about[minutes]);
}

} // namespace

std::string MinutesText(std::int32_t seconds)
{
    const std::int64_t s = seconds;
    const std::int64_t nearest = (s >= 0 ? s + 30 : s - 30) / 60 * 60;
    const std::int64_t minutes = nearest / 60;
    const std::int64_t rest = s - nearest;
    const std::uint32_t unsignedMinutes = static_cast<std::uint32_t>(minutes);
    if (unsignedMinutes <= 3)
        return NearMinutesText(unsignedMinutes, rest);
    if (unsignedMinutes <= 10)
        return MinuteText(1116 + static_cast<std::int32_t>(unsignedMinutes) - 4);
    return NSTramvell::ReplaceParameters(NSTramvell::GetString(kAboutMinutesText),
                                         NSTramvell::RealToString(unsignedMinutes, 0));
}

std::string SizeText(std::uint64_t bytes)
{
    static const std::string megabytes = NSTramvell::GetString(kMegabytesText);
    static const std::string kilobytes = NSTramvell::GetString(kKilobytesText);
    if (bytes > 1048576)
        return NSTramvell::ReplaceParameters(megabytes,
                                             NSTramvell::RealToString(static_cast<double>(bytes) / 1048576.0, 1));
    return NSTramvell::ReplaceParameters(kilobytes, NSTramvell::RealToString(static_cast<double>(bytes) / 1024.0, 1));
}

std::string RemainingTimeText(std::uint32_t done, std::uint32_t total, std::uint32_t elapsedMs)
{
    if (done == 0)
        return NSTramvell::GetString(kCalculatingText);
    const double ratio = static_cast<double>(done) / static_cast<double>(total);
    // A ratio that is not a number is not greater either.
    if (!(ratio > static_cast<double>(0.02f)))
        return NSTramvell::GetString(kCalculatingText);
    if (done == total)
        return NSTramvell::GetString(kFinishedTimeText);
    const std::uint32_t seconds = elapsedMs / done * (total - done) / 1000;
    return MinutesText(static_cast<std::int32_t>(seconds));
}

std::string ConvertingBody(const std::string& destination, std::uint64_t bytesWritten,
                           const std::string& partitionName, const std::string& volumeName,
                           const std::string& message, const std::string& remainingTime)
{
    return NSTramvell::ReplaceParameters(NSTramvell::GetString(kConvertingBodyText),
                                         {destination, SizeText(bytesWritten), partitionName, volumeName, message,
                                          remainingTime});
}

std::string FinishingBody(const std::string& destination, std::uint64_t bytesWritten, std::int32_t messageId)
{
    return NSTramvell::ReplaceParameters(NSTramvell::GetString(kFinishingBodyText), destination,
                                         SizeText(bytesWritten), NSTramvell::GetString(messageId));
}

std::string PackingBody(const std::string& destination, std::uint64_t bytesWritten, std::uint32_t phase)
{
    std::string message;
    if (phase == NSKapletPackerInterface::kPackerStartingOrWaiting)
        message = NSTramvell::GetString(kStartingPackerText);
    else if (phase == NSKapletPackerInterface::kPackerFinishing)
        message = NSTramvell::GetString(kWaitingForPackerText);
    return NSTramvell::ReplaceParameters(NSTramvell::GetString(kPackingBodyText), destination,
                                         SizeText(bytesWritten), message);
}

} // namespace NSConversionCoordinator
