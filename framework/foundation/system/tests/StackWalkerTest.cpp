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

// Both widths: x86_64 unwinds by the modules' tables, i686 follows the frame pointers.
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

#if !defined(_WIN64)
// A made-up chain of 32-bit frames, each the caller's frame pointer and then the return address, that the
// captured registers lead into: the walk delivers the return addresses in order and stops at the first
// link that does not lead up the stack, is not word-aligned or points at memory that cannot be read.
TEST(StackWalker, FollowsThe32BitFrameChainToItsEnd)
{
    alignas(4) static std::uint32_t stack[16] = {};
    static std::uint32_t start = 0;
    auto at = [](int index) { return static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(&stack[index])); };
    struct CCase
    {
        const char* name;
        std::uint32_t lastLink;
        std::vector<std::uintptr_t> expected;
    };
    // Reserved, never committed, and above the made-up stack.
    void* const reserved = ::VirtualAlloc(nullptr, 4096, MEM_RESERVE | MEM_TOP_DOWN, PAGE_NOACCESS);
    ASSERT_NE(reserved, nullptr);
    const auto unreadable = static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(reserved));
    ASSERT_GT(unreadable, at(8));
    const CCase cases[] = {
        {"down the stack", at(0), {0x1111, 0x2222, 0x3333}},
        {"the same frame", at(8), {0x1111, 0x2222, 0x3333}},
        {"misaligned", at(10) + 2, {0x1111, 0x2222, 0x3333}},
        {"unreadable", unreadable, {0x1111, 0x2222, 0x3333}},
        {"one more frame", at(12), {0x1111, 0x2222, 0x3333, 0x4444}},
    };
    CScopedTableEntry noLibrary(GetKernelTable().LoadLibraryA, [](LPCSTR) -> HMODULE { return nullptr; });
    CStackWalkerUser user(::GetModuleHandleA(nullptr));
    CScopedTableEntry captured(GetKernelTable().RtlCaptureContext, [](PCONTEXT registers) {
        std::memset(registers, 0, sizeof *registers);
        registers->Ebp = start;
    });
    for (const CCase& test : cases) {
        SCOPED_TRACE(test.name);
        std::fill(std::begin(stack), std::end(stack), 0u);
        stack[0] = at(4), stack[1] = 0x1111;
        stack[4] = at(8), stack[5] = 0x2222;
        stack[8] = test.lastLink, stack[9] = 0x3333;
        stack[12] = at(8), stack[13] = 0x4444;
        start = at(0);
        gWalked.clear();
        WalkCurrentThread(&RecordFrame, nullptr);
        EXPECT_EQ(gWalked, test.expected);
    }
    ::VirtualFree(reserved, 0, MEM_RELEASE);
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
