#pragma once

// The library's own failures and their status codes. The classes are siblings directly under
// std::exception, so a mapping that tests XFile first cannot catch XDriveIsBusy, and their names do not
// clash with the program's exceptions of the same names when both sit in one test program.

#include "libs/rawdisk/Brakvel.h"

#include <exception>

namespace NSBrakvelImplementation {

// A device call failed.
class XFile : public std::exception
{
public:
    ~XFile() override;
    const char* what() const noexcept override;
};

// The drive is not ready, or somebody else holds it.
class XDriveIsBusy : public std::exception
{
public:
    ~XDriveIsBusy() override;
    const char* what() const noexcept override;
};

// Kept for the mapping; nothing in the library throws it.
class XInvariantCorrupt : public std::exception
{
public:
    ~XInvariantCorrupt() override;
    const char* what() const noexcept override;
};

int ExceptionToBrakvelCode(const std::exception& exception) noexcept;

// Runs body and turns whatever it throws into a status code, so nothing crosses the library's edge.
template <typename F>
int CatchToStatus(F&& body) noexcept
{
    try {
        body();
        return NSBrakvel::kBrakvelSuccess;
    } catch (const std::exception& exception) {
        return ExceptionToBrakvelCode(exception);
    } catch (...) {
        return NSBrakvel::kBrakvelOtherFailure;
    }
}

} // namespace NSBrakvelImplementation
