// The all-or-nothing write of the Win32 backend: a new file beside the
// target, written, flushed to the disk, and only then put in its place.
#include <algorithm>
#include <atomic>

#include "app/ui/Backend.h"
#include "app/ui/win32/FileReplacing.h"
#include "app/ui/win32/Text.h"

namespace ui {

namespace win32 {

namespace {

FileReplacing& Replacing() {
    static FileReplacing replacing;
    return replacing;
}

BOOL Replace(const wchar_t* target, const wchar_t* replacement) {
    if (Replacing().replace) {
        return Replacing().replace(target, replacement);
    }
    return ReplaceFileW(target, replacement, nullptr, REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr,
                        nullptr);
}

BOOL Move(const wchar_t* from, const wchar_t* to) {
    if (Replacing().move) {
        return Replacing().move(from, to);
    }
    return MoveFileExW(from, to, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
}

}  // namespace

void SetFileReplacing(FileReplacing replacing) {
    Replacing() = std::move(replacing);
}

std::wstring LongPath(std::u16string_view path) {
    std::wstring wide(path.begin(), path.end());
    std::replace(wide.begin(), wide.end(), L'/', L'\\');
    if (wide.starts_with(L"\\\\?\\")) {
        return wide;
    }
    const bool drive = wide.size() >= 3 && wide[1] == L':' && wide[2] == L'\\';
    if (drive) {
        return L"\\\\?\\" + wide;
    }
    if (wide.starts_with(L"\\\\")) {
        return L"\\\\?\\UNC\\" + wide.substr(2);  // \\server\share\...
    }
    return wide;
}

}  // namespace win32

namespace {

// The handle of a file being written, closed when it goes.
class FileHandle {
public:
    explicit FileHandle(HANDLE handle) : m_handle(handle) {}
    ~FileHandle() { Close(); }
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;
    bool Valid() const { return m_handle != INVALID_HANDLE_VALUE; }
    HANDLE Get() const { return m_handle; }
    bool Close() {
        const bool closed = !Valid() || CloseHandle(m_handle) != 0;
        m_handle = INVALID_HANDLE_VALUE;
        return closed;
    }

private:
    HANDLE m_handle;
};

// A new file beside `target`, named after it: "<target>.~<number>.tmp".
// Made without GetTempFileNameW, which refuses a folder longer than MAX_PATH
// allows though the program's manifest promises long paths.
HANDLE CreateBeside(const std::wstring& target, std::wstring& name) {
    static std::atomic<unsigned> counter{0};
    for (int attempt = 0; attempt < 100; ++attempt) {
        const unsigned number =
            (GetCurrentProcessId() << 12) ^ static_cast<unsigned>(GetTickCount64()) ^ ++counter;
        wchar_t suffix[24] = {};
        wsprintfW(suffix, L".~%08x.tmp", number);
        name = target + suffix;
        const HANDLE file = CreateFileW(name.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                        FILE_ATTRIBUTE_TEMPORARY, nullptr);
        if (file != INVALID_HANDLE_VALUE || GetLastError() != ERROR_FILE_EXISTS) {
            return file;
        }
    }
    return INVALID_HANDLE_VALUE;
}

// The path a user reads, without the long form's prefix.
std::u16string Shown(const std::wstring& path) {
    if (path.starts_with(L"\\\\?\\UNC\\")) {
        return u"\\\\" + win32::FromWide(path.c_str() + 8);
    }
    return win32::FromWide(path.c_str() + (path.starts_with(L"\\\\?\\") ? 4 : 0));
}

std::u16string WriteAll(HANDLE file, std::string_view bytes) {
    for (std::size_t written = 0; written < bytes.size();) {
        DWORD count = 0;
        const auto chunk =
            static_cast<DWORD>(std::min<std::size_t>(bytes.size() - written, 1 << 20));
        if (!WriteFile(file, bytes.data() + written, chunk, &count, nullptr) || count == 0) {
            return win32::SystemMessage(GetLastError());
        }
        written += count;
    }
    return {};
}

}  // namespace

namespace backend {

bool IsFolder(const std::u16string& path) {
    const DWORD attributes = GetFileAttributesW(win32::LongPath(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

std::u16string WriteBesideAndReplace(const std::u16string& path, std::string_view bytes) {
    const std::wstring target = win32::LongPath(path);
    std::wstring temporary;
    FileHandle file(CreateBeside(target, temporary));
    if (!file.Valid()) {
        return win32::SystemMessage(GetLastError());
    }
    const auto fail = [&](const std::u16string& reason) {
        file.Close();
        DeleteFileW(temporary.c_str());
        return reason;
    };
    if (const std::u16string failed = WriteAll(file.Get(), bytes); !failed.empty()) {
        return fail(failed);
    }
    const HANDLE handle = file.Get();
    const std::u16string refused = Durable([handle] {
        return FlushFileBuffers(handle) != 0 ? std::u16string()
                                             : win32::SystemMessage(GetLastError());
    });
    if (!refused.empty()) {
        return fail(refused);
    }
    if (!file.Close()) {
        return fail(win32::SystemMessage(GetLastError()));
    }
    if (GetFileAttributesW(target.c_str()) == INVALID_FILE_ATTRIBUTES) {
        if (!win32::Move(temporary.c_str(), target.c_str())) {
            return fail(win32::SystemMessage(GetLastError()));
        }
        return {};
    }
    if (win32::Replace(target.c_str(), temporary.c_str())) {
        return {};
    }
    const DWORD error = GetLastError();
    // 1176 and 1177 leave the written data in the new file alone (the old
    // one gone, or under another name): ReplaceFileW, Return value. So the
    // new file is moved into place instead, and kept whatever happens.
    if (error != ERROR_UNABLE_TO_MOVE_REPLACEMENT && error != ERROR_UNABLE_TO_MOVE_REPLACEMENT_2) {
        return fail(win32::SystemMessage(error));  // the old file as it was
    }
    if (win32::Move(temporary.c_str(), target.c_str())) {
        return {};
    }
    return win32::SystemMessage(GetLastError()) + u"\n导出的数据已保存在: " + Shown(temporary);
}

}  // namespace backend

}  // namespace ui
