#include "framework/foundation/files/FileOperations.h"

#include "framework/foundation/core/Exceptions.h"
#include "framework/foundation/core/OutOfMemory.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <typeinfo>

using namespace NSTramvell;

namespace {

const std::type_info& TypeThrownFor(std::uint32_t code)
{
    try {
        ThrowFileErrorFromCode(code);
    } catch (const std::exception& e) {
        return typeid(e);
    }
    return typeid(void);
}

TEST(ThrowFileErrorFromCode, EachCodeThrowsItsClass)
{
    const struct
    {
        std::uint32_t code;
        const std::type_info& thrown;
    } kCases[] = {
        {2, typeid(XFileNotFound)},  {3, typeid(XFileNotFound)},  {15, typeid(XFileNotFound)},
        {21, typeid(XFileNotFound)}, {1237, typeid(XFileNotFound)}, {4, typeid(XOpenFailed)},
        {5, typeid(XFileLocked)},    {19, typeid(XFileLocked)},   {32, typeid(XFileLocked)},
        {33, typeid(XFileLocked)},   {8, typeid(XOutOfMemory)},   {29, typeid(XWrite)},
        {30, typeid(XRead)},         {39, typeid(XDiskFull)},     {112, typeid(XDiskFull)},
        {82, typeid(XCreateFailed)}, {0, typeid(XFile)},          {31, typeid(XFile)},
        {87, typeid(XFile)},         {1235, typeid(XFile)},       {0xFFFFFFFF, typeid(XFile)},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.code);
        EXPECT_EQ(TypeThrownFor(c.code), c.thrown);
    }
}

TEST(ThrowFileErrorFromCode, OutOfMemoryIsTheStandardErrorWithItsText)
{
    try {
        ThrowFileErrorFromCode(8);
        FAIL();
    } catch (const std::bad_alloc& e) {
        EXPECT_EQ(std::string(e.what()), "bad allocation");
    }
}

TEST(ExistenceFromErrorCode, InUseExistsTryAgainAsksAgainTheRestIsMissing)
{
    using NSFileOperationsInternal::EExistence;
    const struct
    {
        std::uint32_t code;
        EExistence answer;
    } kCases[] = {
        {0, EExistence::kExists},    {32, EExistence::kExists},    {33, EExistence::kExists},
        {1237, EExistence::kAskAgain}, {2, EExistence::kMissing},  {3, EExistence::kMissing},
        {5, EExistence::kMissing},   {21, EExistence::kMissing},   {87, EExistence::kMissing},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.code);
        EXPECT_EQ(NSFileOperationsInternal::ExistenceFromErrorCode(c.code), c.answer);
    }
}

} // namespace
