#include "akai/client/BrakvelDebugger.h"

#include "akai/client/BrakvelErrors.h"
#include "libs/rawdisk/Brakvel.h"

namespace NSBrakvel {

namespace {

// Both are constant-initialised, so they are there before any constructor of a static object runs.
constinit CABCDebugger* gCurrentDebugger = nullptr;
constinit CBrakvelDebugger gBrakvelDebugger;

std::string TextOrEmpty(const char* text)
{
    return text != nullptr ? std::string(text) : std::string();
}

} // namespace

CABCDebugger::CABCDebugger()
{
    if (gCurrentDebugger != nullptr)
        throw XIllegalCallSequence();
    gCurrentDebugger = this;
    // The library answers success whatever it is given; nothing is lost by not looking.
    Brakvel_SetDebugger(&gBrakvelDebugger);
}

CABCDebugger::~CABCDebugger()
{
    gCurrentDebugger = nullptr;
    Brakvel_SetDebugger(nullptr);
}

void CBrakvelDebugger::Print(const char* text, int value)
{
    if (gCurrentDebugger != nullptr)
        gCurrentDebugger->Print(TextOrEmpty(text), value);
}

void CBrakvelDebugger::Print(const char* text, int value, const char* detail)
{
    if (gCurrentDebugger != nullptr)
        gCurrentDebugger->Print(TextOrEmpty(text), value, TextOrEmpty(detail));
}

CBrakvelDebugger& GetBrakvelDebugger()
{
    return gBrakvelDebugger;
}

CABCDebugger* GetCurrentDebugger()
{
    return gCurrentDebugger;
}

} // namespace NSBrakvel
