#include "framework/foundation/core/Exceptions.h"

#include <gtest/gtest.h>

#include <exception>
#include <typeinfo>

namespace {

using namespace NSTramvell;

template <typename Thrown, typename Handler>
bool IsCaughtAs()
{
    try {
        throw Thrown();
    } catch (const Handler&) {
        return true;
    } catch (...) {
        return false;
    }
}

struct CaughtBy
{
    bool base;
    bool media;
    bool file;
    bool standard;
};

template <typename Thrown>
CaughtBy Handlers()
{
    return {IsCaughtAs<Thrown, XBase>(), IsCaughtAs<Thrown, XMedia>(), IsCaughtAs<Thrown, XFile>(),
            IsCaughtAs<Thrown, std::exception>()};
}

// Thrown by value and caught as std::exception, as the application's handlers see it.
template <typename Thrown>
std::exception_ptr Captured()
{
    return std::make_exception_ptr(Thrown());
}

TEST(ExceptionTree, EachHandlerCatchesExactlyItsSubtree)
{
    const struct
    {
        const char* name;
        CaughtBy actual;
        CaughtBy expected;
    } kCases[] = {
        {"XBase", Handlers<XBase>(), {true, false, false, true}},
        {"XMedia", Handlers<XMedia>(), {true, true, false, true}},
        {"XRead", Handlers<XRead>(), {true, true, false, true}},
        {"XWrite", Handlers<XWrite>(), {true, true, false, true}},
        {"XBadFormat", Handlers<XBadFormat>(), {true, true, false, true}},
        {"XUnsupportedFormat", Handlers<XUnsupportedFormat>(), {true, true, false, true}},
        {"XPosition", Handlers<XPosition>(), {true, true, false, true}},
        {"XAlertAlreadyShown", Handlers<XAlertAlreadyShown>(), {true, false, false, true}},
        {"XNotFound", Handlers<XNotFound>(), {true, false, false, true}},
        {"XUnrecoverableCommandError", Handlers<XUnrecoverableCommandError>(), {true, false, false, true}},
        {"XFile", Handlers<XFile>(), {false, false, true, true}},
        {"XFileNotFound", Handlers<XFileNotFound>(), {false, false, true, true}},
        {"XFileLocked", Handlers<XFileLocked>(), {false, false, true, true}},
        {"XOpenFailed", Handlers<XOpenFailed>(), {false, false, true, true}},
        {"XCreateFailed", Handlers<XCreateFailed>(), {false, false, true, true}},
        {"XDiskFull", Handlers<XDiskFull>(), {false, false, true, true}},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.actual.base, c.expected.base);
        EXPECT_EQ(c.actual.media, c.expected.media);
        EXPECT_EQ(c.actual.file, c.expected.file);
        EXPECT_EQ(c.actual.standard, c.expected.standard);
    }
}

TEST(ExceptionTree, SiblingsDoNotCatchEachOther)
{
    EXPECT_FALSE((IsCaughtAs<XRead, XWrite>()));
    EXPECT_FALSE((IsCaughtAs<XBadFormat, XUnsupportedFormat>()));
    EXPECT_FALSE((IsCaughtAs<XFileNotFound, XFileLocked>()));
    EXPECT_TRUE((IsCaughtAs<XRead, XRead>()));
}

TEST(ExceptionTree, ThrownCopiesKeepTheirClassAndReportUnknownException)
{
    const struct
    {
        std::exception_ptr thrown;
        const std::type_info& type;
    } kCases[] = {
        {Captured<XBase>(), typeid(XBase)},
        {Captured<XMedia>(), typeid(XMedia)},
        {Captured<XRead>(), typeid(XRead)},
        {Captured<XWrite>(), typeid(XWrite)},
        {Captured<XBadFormat>(), typeid(XBadFormat)},
        {Captured<XUnsupportedFormat>(), typeid(XUnsupportedFormat)},
        {Captured<XPosition>(), typeid(XPosition)},
        {Captured<XAlertAlreadyShown>(), typeid(XAlertAlreadyShown)},
        {Captured<XNotFound>(), typeid(XNotFound)},
        {Captured<XUnrecoverableCommandError>(), typeid(XUnrecoverableCommandError)},
        {Captured<XFile>(), typeid(XFile)},
        {Captured<XFileNotFound>(), typeid(XFileNotFound)},
        {Captured<XFileLocked>(), typeid(XFileLocked)},
        {Captured<XOpenFailed>(), typeid(XOpenFailed)},
        {Captured<XCreateFailed>(), typeid(XCreateFailed)},
        {Captured<XDiskFull>(), typeid(XDiskFull)},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.type.name());
        try {
            std::rethrow_exception(c.thrown);
        } catch (const std::exception& e) {
            EXPECT_EQ(typeid(e), c.type);
            EXPECT_STREQ(e.what(), "Unknown exception");
        }
    }
}

TEST(ExceptionTree, CopyOfABaseReferenceRethrowsTheDerivedClass)
{
    try {
        try {
            throw XPosition();
        } catch (const XMedia&) {
            throw;
        }
    } catch (const XPosition& e) {
        XPosition copy(e);
        EXPECT_STREQ(copy.what(), "Unknown exception");
        return;
    } catch (...) {
    }
    ADD_FAILURE() << "XPosition was not rethrown as itself";
}

} // namespace
