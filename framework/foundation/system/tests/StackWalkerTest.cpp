#include "framework/foundation/system/StackWalker.h"

#include "framework/foundation/platform/win32/PlatformTables.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

using namespace NSTramvell;

namespace {

std::vector<std::uintptr_t> gWalked;
std::uintptr_t gReturnIntoB = 0;
std::uintptr_t gReturnIntoA = 0;

void RecordFrame(const CStackFrame& frame, void*)
{
    gWalked.push_back(frame.mReturnAddress);
}

[[gnu::noinline]] void Probe()
{
    gReturnIntoB = reinterpret_cast<std::uintptr_t>(__builtin_return_address(0));
    WalkCurrentThread(&RecordFrame, nullptr);
    asm volatile("");   // keeps the walk from becoming a tail call
}

[[gnu::noinline]] void B()
{
    gReturnIntoA = reinterpret_cast<std::uintptr_t>(__builtin_return_address(0));
    Probe();
    asm volatile("");
}

[[gnu::noinline]] void A()
{
    B();
    asm volatile("");
}

std::string Lower(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
    return text;
}

bool EndsWith(const std::string& text, const std::string& end)
{
    return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

#if defined(_WIN64)
TEST(StackWalker, FindsTheCallersInOrderWithAndWithoutTheLibrary)
{
    for (const bool withLibrary : {true, false}) {
        SCOPED_TRACE(withLibrary);
        std::unique_ptr<CStackWalkerUser> user;
        if (withLibrary) {
            user = std::make_unique<CStackWalkerUser>(::GetModuleHandleA(nullptr));
        } else {
            CScopedTableEntry noLibrary(GetKernelTable().LoadLibraryA, [](LPCSTR) -> HMODULE { return nullptr; });
            user = std::make_unique<CStackWalkerUser>(::GetModuleHandleA(nullptr));
        }
        ASSERT_NE(GetStackWalker(), nullptr);
        EXPECT_EQ(GetStackWalker()->HasSymbols(), withLibrary);
        gWalked.clear();
        A();
        const auto intoB = std::find(gWalked.begin(), gWalked.end(), gReturnIntoB);
        ASSERT_NE(intoB, gWalked.end());
        EXPECT_NE(std::find(intoB, gWalked.end(), gReturnIntoA), gWalked.end());
        EXPECT_LE(gWalked.size(), static_cast<std::size_t>(kMaxStackFrames));
    }
    EXPECT_EQ(GetStackWalker(), nullptr);
}
#endif

TEST(StackWalker, WithoutAWalkerNothingIsWalked)
{
    gWalked.clear();
    A();
    EXPECT_TRUE(gWalked.empty());
}

// The section whose end (its address plus the larger of its two sizes) lies inside no section, so that an
// address there belongs to the module but to none of its sections.
struct CSectionEnd
{
    std::uint32_t section = 0;
    std::uintptr_t rva = 0;
};

CSectionEnd FindLooseSectionEnd(const std::uint8_t* base)
{
    std::uint32_t headerOffset = 0;
    std::memcpy(&headerOffset, base + 0x3C, 4);
    const std::uint8_t* header = base + headerOffset;
    std::uint16_t count = 0;
    std::uint16_t optionalSize = 0;
    std::memcpy(&count, header + 6, 2);
    std::memcpy(&optionalSize, header + 20, 2);
    const std::uint8_t* sections = header + 24 + optionalSize;
    auto bounds = [&](int index, std::uint32_t& start, std::uint32_t& size) {
        std::uint32_t virtualSize = 0, rawSize = 0;
        std::memcpy(&virtualSize, sections + index * 40 + 8, 4);
        std::memcpy(&start, sections + index * 40 + 12, 4);
        std::memcpy(&rawSize, sections + index * 40 + 16, 4);
        size = std::max(virtualSize, rawSize);
    };
    for (int index = 0; index < count; ++index) {
        std::uint32_t start = 0, size = 0;
        bounds(index, start, size);
        const std::uint32_t end = start + size;
        if (end % 4096 == 0)
            continue;
        bool inside = false;
        for (int other = 0; other < count; ++other) {
            std::uint32_t otherStart = 0, otherSize = 0;
            bounds(other, otherStart, otherSize);
            inside = inside || (otherStart <= end && end < otherStart + otherSize);
        }
        if (!inside)
            return {static_cast<std::uint32_t>(index + 1), end};
    }
    return {};
}

TEST(FindModuleSection, NamesModuleSectionAndOffset)
{
    char name[261] = {};
    std::uint32_t section = 0;
    std::uintptr_t offset = 0;
    const auto* base = reinterpret_cast<const std::uint8_t*>(::GetModuleHandleA(nullptr));
    ASSERT_TRUE(FindModuleSection(reinterpret_cast<const void*>(&A), name, sizeof name, section, offset));
    EXPECT_TRUE(EndsWith(Lower(name), "foundation_machine_tests.exe")) << name;
    EXPECT_GE(section, 1u);
    const std::uint8_t* sectionHeader = base + [&] {
        std::uint32_t headerOffset = 0;
        std::memcpy(&headerOffset, base + 0x3C, 4);
        std::uint16_t optionalSize = 0;
        std::memcpy(&optionalSize, base + headerOffset + 20, 2);
        return headerOffset + 24 + optionalSize + (section - 1) * 40;
    }();
    std::uint32_t sectionStart = 0;
    std::memcpy(&sectionStart, sectionHeader + 12, 4);
    EXPECT_EQ(offset, reinterpret_cast<std::uintptr_t>(&A) - reinterpret_cast<std::uintptr_t>(base) - sectionStart);

    const HMODULE kernel = ::GetModuleHandleA("kernel32.dll");
    const void* kernelCode = reinterpret_cast<const void*>(::GetProcAddress(kernel, "GetTickCount"));
    ASSERT_TRUE(FindModuleSection(kernelCode, name, sizeof name, section, offset));
    EXPECT_TRUE(EndsWith(Lower(name), "kernel32.dll")) << name;

    const auto heap = std::make_unique<std::uint8_t[]>(64);
    EXPECT_FALSE(FindModuleSection(heap.get(), name, sizeof name, section, offset));

    const CSectionEnd end = FindLooseSectionEnd(base);
    ASSERT_NE(end.section, 0u);
    EXPECT_TRUE(FindModuleSection(base + end.rva - 1, name, sizeof name, section, offset));
    EXPECT_EQ(section, end.section);
    EXPECT_FALSE(FindModuleSection(base + end.rva, name, sizeof name, section, offset));
}

} // namespace
