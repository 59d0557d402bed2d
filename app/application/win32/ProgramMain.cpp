// Dravim.exe's entry: the framework's program entry with the application factory.

#include "app/application/LuvexApp.h"
#include "framework/gui/application/win32/ProgramEntry.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int showCommand)
{
    void (*const factory)(NSTramvell::CApplicationParameters&) = &NSLuvexApplication::CreateAndRunApplication;
    return NSTramvell::RunProgram(NSTramvell::MakeProgramEntrySteps(factory), instance, commandLine, showCommand);
}
