#pragma once

// The little the console twin needs of its system: files and standard input
// read in pieces, standard output written whole (bytes as they are, on
// Windows too: no text-mode line ends), messages on standard error, and the
// entry point's arguments as UTF-8. POSIX on Linux, the C runtime's _wopen
// family on Windows.

#include <string>
#include <string_view>
#include <vector>

namespace tickwright::cli {

inline constexpr int kStandardOutput = 1;

enum class WriteResult { kWritten, kClosed, kFailed };

// Writes every byte to descriptor `fd`; kClosed when the reader went away
// (a closed pipe), kFailed with errno set for anything else.
WriteResult WriteAll(int fd, std::string_view bytes);

// "tickwright-cli: `message`" on standard error, with a line end.
void Complain(const std::string& message);

// Standard input and output as bytes; a closed pipe reported, not a signal.
void PrepareConsole();

// A file named in UTF-8, or "-" for standard input.
class InputFile {
public:
    explicit InputFile(std::string name);
    ~InputFile();
    InputFile(const InputFile&) = delete;
    InputFile& operator=(const InputFile&) = delete;

    bool Open();
    // Bytes read into `buffer`, 0 at the end, -1 on failure (Problem says why).
    long Read(char* buffer, std::size_t size);
    std::string Problem() const { return m_problem; }

private:
    std::string m_name;
    int m_fd = -1;
    bool m_owned = false;
    std::string m_problem;
};

int Main(const std::vector<std::string>& arguments);

}  // namespace tickwright::cli
