#include "cli/ConsoleFiles.h"

#include <cerrno>
#include <csignal>
#include <cstring>

#if defined(_WIN32)
#include <fcntl.h>
#include <io.h>
#else
#include <fcntl.h>
#include <unistd.h>
#endif

#include "core/Utf16.h"

namespace tickwright::cli {

namespace {

long RawRead(int fd, char* buffer, std::size_t size) {
#if defined(_WIN32)
    return _read(fd, buffer, static_cast<unsigned>(size));
#else
    for (;;) {
        const ssize_t got = read(fd, buffer, size);
        if (got >= 0 || errno != EINTR) {
            return static_cast<long>(got);
        }
    }
#endif
}

long RawWrite(int fd, const char* bytes, std::size_t size) {
#if defined(_WIN32)
    return _write(fd, bytes, static_cast<unsigned>(size > (1u << 30) ? (1u << 30) : size));
#else
    for (;;) {
        const ssize_t put = write(fd, bytes, size);
        if (put >= 0 || errno != EINTR) {
            return static_cast<long>(put);
        }
    }
#endif
}

}  // namespace

WriteResult WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const long put = RawWrite(fd, bytes.data(), bytes.size());
        if (put <= 0) {
            if (put < 0 && (errno == EPIPE || errno == EINVAL)) {
                // EINVAL: how Windows' C runtime reports a pipe whose reader
                // has gone.
                return WriteResult::kClosed;
            }
            if (put == 0) {
                errno = EIO;
            }
            return WriteResult::kFailed;
        }
        bytes.remove_prefix(static_cast<std::size_t>(put));
    }
    return WriteResult::kWritten;
}

void Complain(const std::string& message) {
    const std::string line = "tickwright-cli: " + message + (message.ends_with('\n') ? "" : "\n");
    WriteAll(2, line);
}

void PrepareConsole() {
#if defined(_WIN32)
    _setmode(0, _O_BINARY);
    _setmode(1, _O_BINARY);
#else
    std::signal(SIGPIPE, SIG_IGN);
#endif
}

InputFile::InputFile(std::string name) : m_name(std::move(name)) {}

InputFile::~InputFile() {
    if (m_owned && m_fd >= 0) {
#if defined(_WIN32)
        _close(m_fd);
#else
        close(m_fd);
#endif
    }
}

bool InputFile::Open() {
    if (m_name == "-") {
        m_fd = 0;
        return true;
    }
#if defined(_WIN32)
    const std::u16string wide = Utf16FromUtf8(m_name);
    m_fd = _wopen(reinterpret_cast<const wchar_t*>(wide.c_str()), _O_RDONLY | _O_BINARY);
#else
    m_fd = open(m_name.c_str(), O_RDONLY | O_CLOEXEC);
#endif
    if (m_fd < 0) {
        m_problem = std::strerror(errno);
        return false;
    }
    m_owned = true;
    return true;
}

long InputFile::Read(char* buffer, std::size_t size) {
    const long got = RawRead(m_fd, buffer, size);
    if (got < 0) {
        m_problem = std::strerror(errno);
    }
    return got;
}

}  // namespace tickwright::cli
