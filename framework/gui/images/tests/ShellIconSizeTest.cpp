#include "framework/gui/images/ShellIconSize.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>

TEST(ParseShellIconSize, ReadsANonZeroDecimalStringOnly)
{
    constexpr std::uint32_t kDwordType = 4;
    struct { std::uint32_t type; std::string data; std::optional<std::int32_t> expected; } kCases[] = {
        {NSTramvell::kRegistryStringType, std::string("48\0", 3), 48},
        {NSTramvell::kRegistryStringType, std::string(" 32px\0", 6), 32},
        {NSTramvell::kRegistryStringType, std::string("0\0", 2), std::nullopt},
        {NSTramvell::kRegistryStringType, std::string("abc\0", 4), std::nullopt},
        {NSTramvell::kRegistryStringType, std::string(), std::nullopt},
        {NSTramvell::kRegistryStringType, std::string("99999999999\0", 12), std::nullopt},
        {kDwordType, std::string("\x30\0\0\0", 4), std::nullopt},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.data);
        EXPECT_EQ(NSTramvell::ParseShellIconSize(c.type, reinterpret_cast<const std::uint8_t*>(c.data.data()),
                                                 static_cast<std::uint32_t>(c.data.size())),
                  c.expected);
    }
}

TEST(ParseShellIconSize, StopsAtTheBytesReadWhenNoNulEndsThem)
{
    // A full 100-byte buffer of digits and no NUL: the sanitizers catch a read past it.
    auto data = std::make_unique<std::uint8_t[]>(100);
    std::memset(data.get(), 'x', 100);
    data[0] = '6';
    data[1] = '4';
    EXPECT_EQ(NSTramvell::ParseShellIconSize(NSTramvell::kRegistryStringType, data.get(), 100), 64);
    data[98] = '1';
    std::memset(data.get(), '0', 99);
    data[99] = '7';
    EXPECT_EQ(NSTramvell::ParseShellIconSize(NSTramvell::kRegistryStringType, data.get(), 100), 7);
}
