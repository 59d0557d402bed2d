// A ruling string built by a static initialiser of its own translation unit: it must already see the
// reserved device names, whichever unit the linker initialises first.

#include "framework/foundation/strings/RulingString.h"

NSTramvell::CRulingString<NSTramvell::CFileNameStringRule> gStaticallyBuiltFileName("CON");
NSTramvell::CRulingString<NSTramvell::CDirectoryNameStringRule> gStaticallyBuiltFolderName("c:");
