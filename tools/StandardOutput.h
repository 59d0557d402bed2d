#pragma once

// Whether the program's standard output is a console, which draws what it gets, rather than a file or pipe.
bool IsStandardOutputAConsole();
