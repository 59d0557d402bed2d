#include "akai/client/BrakvelErrors.h"

#include "libs/rawdisk/Brakvel.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <typeinfo>

namespace {

// The exact class thrown, or void when nothing was.
const std::type_info& ThrownClass(int status)
{
    try {
        NSBrakvel::ThrowOnError(status);
    } catch (const std::exception& e) {
        return typeid(e);
    }
    return typeid(void);
}

TEST(ThrowOnError, TurnsEachStatusIntoItsOwnClass)
{
    const struct
    {
        int status;
        const std::type_info& thrown;
    } kCases[] = {
        {13751, typeid(void)},
        {13752, typeid(NSBrakvel::XOutOfMemory)},
        {13753, typeid(std::invalid_argument)},
        {13754, typeid(NSBrakvel::XInvariantCorrupt)},
        {13755, typeid(NSBrakvel::XIllegalCallSequence)},
        {13756, typeid(NSBrakvel::XFile)},
        {13757, typeid(NSBrakvel::XDriveIsBusy)},
        {13758, typeid(std::exception)},
        {0, typeid(std::exception)},
        {13750, typeid(std::exception)},
        {13759, typeid(std::exception)},
        {-1, typeid(std::exception)},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.status);
        EXPECT_EQ(ThrownClass(c.status), c.thrown) << ThrownClass(c.status).name();
    }
}

TEST(ThrowOnError, InvalidArgumentCarriesAnEmptyMessage)
{
    try {
        NSBrakvel::ThrowOnError(NSBrakvel::kBrakvelInvalidArgument);
        FAIL() << "nothing thrown";
    } catch (const std::invalid_argument& e) {
        EXPECT_STREQ(e.what(), "");
    }
}

} // namespace
