#include "libs/rawdisk/tests/FakeDrives.h"

#include <gtest/gtest.h>

namespace NSBrakvelTest {

CFakeDrives::CFakeDrives()
    : CFakeDrives([](const std::string& misuse) { ADD_FAILURE() << misuse; })
{
}

} // namespace NSBrakvelTest
