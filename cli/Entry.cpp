// The console twin's entry point: its arguments handed on in UTF-8, from
// the wide command line on Windows, as they are on Linux.
#include <string>
#include <vector>

#include "cli/ConsoleFiles.h"

#if defined(_WIN32)
#include <windows.h>

int wmain(int argc, wchar_t** argv) {
    std::vector<std::string> arguments;
    for (int i = 1; i < argc; ++i) {
        const int length =
            WideCharToMultiByte(CP_UTF8, 0, argv[i], -1, nullptr, 0, nullptr, nullptr);
        std::string argument(static_cast<std::size_t>(length > 0 ? length - 1 : 0), '\0');
        WideCharToMultiByte(CP_UTF8, 0, argv[i], -1, argument.data(), length, nullptr, nullptr);
        arguments.push_back(std::move(argument));
    }
    return tickwright::cli::Main(arguments);
}
#else
int main(int argc, char** argv) {
    return tickwright::cli::Main(std::vector<std::string>(argv + (argc > 0 ? 1 : 0), argv + argc));
}
#endif
