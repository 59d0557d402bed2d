#include "framework/foundation/strings/tests/fuzz/FuzzStringScript.h"

#include "framework/foundation/core/Exceptions.h"
#include "framework/foundation/core/Media.h"
#include "framework/foundation/strings/StringManager.h"

#include <cstdlib>
#include <limits>
#include <string>

namespace NSFuzzTargets {

namespace {

// An entry's text is cut from between its braces, so it can never be longer than the script.
void CheckEntries(const std::vector<NSTramvell::CStringScriptEntry>& entries, const std::string& script)
{
    for (const NSTramvell::CStringScriptEntry& entry : entries) {
        if (entry.text.size() > script.size()) {
            std::abort();
        }
    }
}

} // namespace

int FuzzStringScript(const std::uint8_t* data, std::size_t size)
{
    const std::string script(reinterpret_cast<const char*>(data), size);
    CheckEntries(NSTramvell::ParseScript(script), script);

    if (size <= static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max())) {
        NSTramvell::COwnedMemoryMedia resource(static_cast<std::int32_t>(size), data);
        const std::string stored = NSTramvell::MediaToString(resource);
        CheckEntries(NSTramvell::ParseScript(stored), stored);
    }
    return 0;
}

} // namespace NSFuzzTargets
