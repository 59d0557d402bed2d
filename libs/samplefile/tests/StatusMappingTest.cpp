#include "libs/samplefile/StatusMapping.h"

#include "framework/foundation/core/Exceptions.h"
#include "libs/samplefile/SondrelExceptions.h"

#include <gtest/gtest.h>

#include <functional>
#include <new>
#include <stdexcept>
#include <string>

namespace {

using NSSondrel::CatchToStatus;
using NSSondrel::CatchTranslatedToStatus;

struct ThrowCase
{
    const char* name;
    std::function<void()> doThrow;
    std::int32_t status;
};

template <typename X>
std::function<void()> Throws()
{
    return [] { throw X(); };
}

// Invalid argument and the two named logic faults come before logic error; the library's read and
// write errors before the format errors; anything that is no standard exception last.
TEST(StatusMapping, MapsEachExceptionInTheFixedOrder)
{
    const ThrowCase kCases[] = {
        {"bad_alloc", Throws<std::bad_alloc>(), 992},
        {"XOutOfMemory", Throws<NSSondrelUtils::XOutOfMemory>(), 992},
        {"invalid_argument", [] { throw std::invalid_argument("x"); }, 993},
        {"XInvariantCorrupt", Throws<NSSondrelUtils::XInvariantCorrupt>(), 994},
        {"XSequenceError", Throws<NSSondrelUtils::XSequenceError>(), 995},
        {"logic_error", [] { throw std::logic_error("x"); }, 996},
        {"length_error", [] { throw std::length_error("x"); }, 996},
        {"XRead", Throws<NSSondrelUtils::XRead>(), 997},
        {"XWrite", Throws<NSSondrelUtils::XWrite>(), 998},
        {"XBadFormat", Throws<NSSondrelUtils::XBadFormat>(), 999},
        {"XDiskFull", Throws<NSSondrelUtils::XDiskFull>(), 1000},
        {"XUnsupportedFormat", Throws<NSSondrelUtils::XUnsupportedFormat>(), 1001},
        {"XWAVE", Throws<NSSondrelUtils::XWAVE>(), 1002},
        {"runtime_error", [] { throw std::runtime_error("x"); }, 1002},
        {"framework XRead untranslated", Throws<NSTramvell::XRead>(), 1002},
        {"int", [] { throw 7; }, 1002},
    };
    for (const ThrowCase& c : kCases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(CatchToStatus([&] {
                      c.doThrow();
                      return 0;
                  }),
                  c.status);
    }
}

TEST(StatusMapping, TranslatesTheFrameworksExceptionsFirst)
{
    const ThrowCase kCases[] = {
        {"bad_alloc", Throws<std::bad_alloc>(), 992},
        {"framework XRead", Throws<NSTramvell::XRead>(), 997},
        {"framework XWrite", Throws<NSTramvell::XWrite>(), 998},
        {"framework XPosition", Throws<NSTramvell::XPosition>(), 999},
        {"framework XBadFormat", Throws<NSTramvell::XBadFormat>(), 999},
        {"framework XUnsupportedFormat", Throws<NSTramvell::XUnsupportedFormat>(), 1001},
        {"framework XMedia", Throws<NSTramvell::XMedia>(), 1002},
        {"framework XBase", Throws<NSTramvell::XBase>(), 1002},
        {"XDiskFull of the file family", Throws<XDiskFull>(), 1002},
        {"invalid_argument", [] { throw std::invalid_argument("x"); }, 1002},
        {"library XRead", Throws<NSSondrelUtils::XRead>(), 997},
        {"library XUnsupportedFormat", Throws<NSSondrelUtils::XUnsupportedFormat>(), 1001},
        {"int", [] { throw 7; }, 1002},
    };
    for (const ThrowCase& c : kCases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(CatchTranslatedToStatus([&] {
                      c.doThrow();
                      return 0;
                  }),
                  c.status);
    }
}

TEST(StatusMapping, TranslatedOutOfMemoryKeepsItsText)
{
    try {
        try {
            throw std::bad_alloc();
        } catch (...) {
            NSSondrel::RethrowAsSondrelException();
        }
    } catch (const std::bad_alloc& e) {
        EXPECT_EQ(std::string(e.what()), "bad allocation");
        return;
    }
    FAIL() << "no out-of-memory exception";
}

TEST(StatusMapping, PassesTheBodysOwnStatus)
{
    EXPECT_EQ(CatchTranslatedToStatus([] { return 995; }), 995);
}

} // namespace
