#pragma once

// What one conversion needs of the application and its windows. The coordinator reaches the main
// window, the alerts, the conversion-error dialog, the event pump and the quit request only through this
// seam; the application object implements it, tests implement it with a fake.

#include <cstdint>
#include <string>

namespace NSConversionCoordinator {

// Entries of alert script 128 that the conversion shows.
constexpr std::uint32_t kNotAllConvertedAlert = 3;        // [Delete][Keep]
constexpr std::uint32_t kConversionCompletedAlert = 4;    // [OK]
constexpr std::uint32_t kConversionAbortedAlert = 5;      // ^0 = cause; [OK]
constexpr std::uint32_t kAbortedKeepFilesAlert = 7;       // ^0 = cause; [Delete][Keep]
constexpr std::uint32_t kPackingAbortedAlert = 8;         // [Keep][Delete]
constexpr std::uint32_t kEjectFailedAlert = 9;            // [Quit]
constexpr std::uint32_t kFilesNotDeletedAlert = 10;       // [OK]

// What an alert answers: its last button is button 1, the ones before it 2 and 3; none chosen (the box
// was closed) is kNoButton.
constexpr std::uint32_t kButton1 = 33;
constexpr std::uint32_t kButton2 = 34;
constexpr std::uint32_t kButton3 = 35;
constexpr std::uint32_t kNoButton = 36;

// What the conversion-error dialog answers. Closing it any other way counts as "Ignore".
constexpr std::uint32_t kErrorDialogIgnore = 513;
constexpr std::uint32_t kErrorDialogIgnoreAll = 514;
constexpr std::uint32_t kErrorDialogAbort = 515;

// User-interface thread only. Never deleted through this interface.
class IConversionHost
{
public:
    // The progress page: its heading and body text, and its bar at done of total; done -1 shows the bar
    // without an end in sight.
    virtual void SetProgressText(const std::string& heading, const std::string& body) = 0;
    virtual void SetProgress(std::int32_t done, std::int32_t total) = 0;
    virtual void DisableStopButton() = 0;
    // One step of the event pump without waiting; the Stop button acts from inside it.
    virtual void ProcessPendingEvents() = 0;
    // Repaints what is waiting to be painted, at once.
    virtual void UpdateWindowsNow() = 0;
    // Alert entry of script 128 with ^0 = parameter (ignored by alerts without one); one of the answers
    // above.
    virtual std::uint32_t ShowAlert(std::uint32_t alert, const std::string& parameter) = 0;
    // The conversion-error dialog with the item's sentence; one of the dialog's answers.
    virtual std::uint32_t RunConversionErrorDialog(const std::string& message) = 0;
    // Asks the application to quit once the conversion has ended.
    virtual void TryQuit() = 0;
    // Deletes the running coordinator and returns the application to waiting for a disc. The coordinator
    // that calls it touches none of its members afterwards.
    virtual void EndConversion() = 0;

protected:
    ~IConversionHost() = default;
};

} // namespace NSConversionCoordinator
