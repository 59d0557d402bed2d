#include "libs/samplefile/SondrelImpl.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>

namespace {

using namespace NSSondrel;

// Each name sits in a block of exactly its own size, so a comparison that reads past the terminator
// shows up under the address sanitizer.
TEST(CreateSondrel, ComparesTheNameOnlyUpToItsTerminator)
{
    const struct
    {
        const char* name;
        bool accepted;
    } kCases[] = {{"ISondrel", true}, {"ISondrelX", false}, {"ISondre", false}, {"", false}, {"I", false},
                  {"iSondrel", false}};
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.name);
        const std::size_t size = std::strlen(c.name) + 1;
        const std::unique_ptr<char[]> exact(new char[size]);
        std::memcpy(exact.get(), c.name, size);
        std::int32_t status = 0;
        const std::unique_ptr<ISondrel> library(CreateSondrel(exact.get(), &status));
        EXPECT_EQ(library != nullptr, c.accepted);
        EXPECT_EQ(status, c.accepted ? kSondrelSuccess : kSondrelInvalidArgument);
    }
    std::int32_t status = 0;
    EXPECT_EQ(CreateSondrel(nullptr, &status), nullptr);
    EXPECT_EQ(status, kSondrelInvalidArgument);
    EXPECT_EQ(CreateSondrel("ISondrel", nullptr), nullptr);
}

} // namespace
