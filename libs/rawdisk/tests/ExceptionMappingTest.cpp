#include "libs/rawdisk/BrakvelExceptions.h"

#include <gtest/gtest.h>

#include <functional>
#include <new>
#include <stdexcept>

namespace {

using namespace NSBrakvel;
using NSBrakvelImplementation::CatchToStatus;

TEST(ExceptionToBrakvelCode, MapsEachFailureToItsCode)
{
    const struct
    {
        const char* name;
        std::function<void()> body;
        int status;
    } kCases[] = {
        {"nothing thrown", [] {}, kBrakvelSuccess},
        {"bad_alloc", [] { throw std::bad_alloc(); }, kBrakvelOutOfMemory},
        {"bad_array_new_length", [] { throw std::bad_array_new_length(); }, kBrakvelOutOfMemory},
        {"invalid_argument", [] { throw std::invalid_argument("x"); }, kBrakvelInvalidArgument},
        {"XFile", [] { throw NSBrakvelImplementation::XFile(); }, kBrakvelFileError},
        {"XInvariantCorrupt", [] { throw NSBrakvelImplementation::XInvariantCorrupt(); }, kBrakvelInvariantCorrupt},
        {"XDriveIsBusy", [] { throw NSBrakvelImplementation::XDriveIsBusy(); }, kBrakvelDriveIsBusy},
        {"runtime_error", [] { throw std::runtime_error("x"); }, kBrakvelOtherFailure},
        {"plain exception", [] { throw std::exception(); }, kBrakvelOtherFailure},
        {"not an exception", [] { throw 42; }, kBrakvelOtherFailure},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(CatchToStatus(c.body), c.status);
    }
}

} // namespace
