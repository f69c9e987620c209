// The program's entry point on Windows: wWinMain, for a program of the window
// system (no console window of its own), hands its wide command line over
// to the program's own main in UTF-8.
#include <cstdlib>
#include <string>
#include <vector>

#include "app/ui/Application.h"
#include "app/ui/win32/Windows.h"
//
#include "app/ui/win32/Text.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    // The C runtime has split the wide command line already, as for any C
    // program's main (a program linked with -municode).
    const int count = __argc;
    wchar_t** const wide = __wargv;
    std::vector<std::string> arguments;
    for (int i = 0; i < count; ++i) {
        arguments.push_back(ui::win32::Utf8FromWide(wide[i]));
    }
    std::vector<char*> argv;
    for (std::string& argument : arguments) {
        argv.push_back(argument.data());
    }
    argv.push_back(nullptr);
    return ui::ProgramMain(count, argv.data());
}
