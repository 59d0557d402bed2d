#pragma once

// What the main window hands to the application: every push of one of its buttons becomes one call. The
// application object implements it; the window borrows it.

class IMainWindowActionListener
{
public:
    virtual ~IMainWindowActionListener() = default;
    // The user chose a folder of patch and WAVE files as the output.
    virtual void ConvertToFolder() = 0;
    // The user chose an archive as the output.
    virtual void ConvertToArchive() = 0;
    // Exit, while no conversion runs.
    virtual void Quit() = 0;
    // Stop, during a conversion.
    virtual void StopConversion() = 0;
    virtual void Eject() = 0;
};
