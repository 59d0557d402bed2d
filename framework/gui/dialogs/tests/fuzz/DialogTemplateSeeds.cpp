#include "framework/gui/dialogs/tests/fuzz/DialogTemplateSeeds.h"

#include "framework/gui/dialogs/tests/TemplateBytes.h"
#include "tests/fuzz/SeedFiles.h"

namespace NSFuzzTargets {

void WriteDialogTemplateSeeds(const std::filesystem::path& folder)
{
    using NSDialogTest::CItemSpec;
    WriteSeedFile(folder, "alert.dlg", NSDialogTest::MakeAlertTemplate());
    WriteSeedFile(folder, "save-before-close.dlg",
                  NSDialogTest::MakeTemplate(0x80C80040, 240, 60, "Save changes before close?",
                                             {{0x50010001, 41, 40, 50, 14, 1, "BUTTON", 0, "Yes"},
                                              {0x50010000, 95, 40, 50, 14, 3, "BUTTON", 0, "No"},
                                              {0x50010000, 150, 40, 50, 14, 2, "BUTTON", 0, "Cancel"},
                                              {0x50000000, 42, 10, 189, 30, 4, "STATIC", 0, "Save ^0 \"^1\"?"},
                                              {0x50000003, 10, 10, 21, 20, 5, "STATIC", 0, ""}}));
    CItemSpec withData(0, 1, 2, 3, 4, 9, "", 0x80, "data");
    withData.creationData = {1, 2, 3, 4};
    WriteSeedFile(folder, "kinds.dlg",
                  NSDialogTest::MakeTemplate(0, 100, 100, "Kinds",
                                             {{2, 0, 0, 1, 1, 1, "", 0x80, "check"},
                                              {3, 0, 0, 1, 1, 2, "Static", 0, "", true},
                                              {0, 0, 0, 1, 1, 3, "msctls_progress32", 0, ""},
                                              {0, 0, 0, 1, 1, 4, "", 0x90, ""}, withData}));
}

} // namespace NSFuzzTargets
