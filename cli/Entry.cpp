// The console twin's entry point: its arguments handed on in UTF-8, from
// the wide command line on Windows, as they are on Linux.
#include <string>
#include <vector>

#include "cli/ConsoleFiles.h"
#include "core/Utf16.h"

#if defined(_WIN32)
int wmain(int argc, wchar_t** argv) {
    static_assert(sizeof(wchar_t) == sizeof(char16_t));
    std::vector<std::string> arguments;
    for (int i = 1; i < argc; ++i) {
        std::string argument;
        tickwright::AppendUtf8(argument, reinterpret_cast<const char16_t*>(argv[i]));
        arguments.push_back(std::move(argument));
    }
    return tickwright::cli::Main(arguments);
}
#else
int main(int argc, char** argv) {
    return tickwright::cli::Main(std::vector<std::string>(argv + (argc > 0 ? 1 : 0), argv + argc));
}
#endif
