// The real services of the Win32 backend: the message box, the save dialog,
// opening an address, the Documents folder, and the all-or-nothing write.
#include <algorithm>

#include "app/ui/Backend.h"
#include "app/ui/Dialog.h"
#include "app/ui/MainWindow.h"
#include "app/ui/win32/DialogWindow.h"
#include "app/ui/win32/Text.h"

namespace ui {

namespace {

// A call of shell32, which is loaded the first time the program needs one (a
// link, the save dialog), not with the program: loading it costs every start
// half a megabyte that most sessions never use. Null when it cannot be had.
template <class Function>
Function FromShell32(const char* name) {
    static const HMODULE shell32 =
        LoadLibraryExW(L"shell32.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    return shell32 != nullptr
               ? reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(shell32, name)))
               : nullptr;
}

// A COM interface pointer released when it goes.
template <class T>
class Com {
public:
    Com() = default;
    ~Com() {
        if (m_pointer != nullptr) {
            m_pointer->Release();
        }
    }
    Com(const Com&) = delete;
    Com& operator=(const Com&) = delete;
    T** Out() { return &m_pointer; }
    T* operator->() const { return m_pointer; }
    explicit operator bool() const { return m_pointer != nullptr; }
    T* Get() const { return m_pointer; }

private:
    T* m_pointer = nullptr;
};

std::wstring WideOf(std::u16string_view text) {
    return std::wstring(text.begin(), text.end());
}

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

// Makes the written bytes durable: a test's own step when it put one in.
std::u16string Flush(HANDLE file) {
    if (const FileSync& replacement = backend::FileSyncReplacement()) {
        return replacement();
    }
    return FlushFileBuffers(file) != 0 ? std::u16string() : win32::SystemMessage(GetLastError());
}

}  // namespace

namespace backend {

int ShowMessageBox(const MessageBoxRequest& request) {
    // The system's own box: its button speaks the system's language, as in
    // every Windows program.
    const std::wstring text = WideOf(request.text);
    const std::wstring caption = WideOf(request.caption);
    const UINT icon =
        (request.style & MB_ICONEXCLAMATION) == MB_ICONEXCLAMATION ? MB_ICONEXCLAMATION : 0;
    MessageBoxW(win32::TopLevelWindowOf(request.owner), text.c_str(), caption.c_str(),
                MB_OK | icon);
    return IDOK;
}

std::u16string GetSaveFileName(const SaveFileRequest& request) {
    Com<IFileSaveDialog> dialog;
    if (FAILED(CoCreateInstance(CLSID_FileSaveDialog, nullptr, CLSCTX_INPROC_SERVER,
                                IID_IFileSaveDialog, reinterpret_cast<void**>(dialog.Out())))) {
        return {};
    }
    std::vector<std::wstring> texts;
    std::vector<COMDLG_FILTERSPEC> types;
    texts.reserve(request.filters.size() * 2);
    for (const FileFilter& filter : request.filters) {
        texts.push_back(WideOf(filter.name));
        texts.push_back(WideOf(filter.pattern));
    }
    for (std::size_t i = 0; i < texts.size(); i += 2) {
        types.push_back({texts[i].c_str(), texts[i + 1].c_str()});
    }
    dialog->SetTitle(WideOf(request.caption).c_str());
    if (!types.empty()) {
        dialog->SetFileTypes(static_cast<UINT>(types.size()), types.data());
    }
    dialog->SetDefaultExtension(WideOf(request.defaultSuffix).c_str());
    FILEOPENDIALOGOPTIONS options = 0;
    dialog->GetOptions(&options);
    dialog->SetOptions(options | FOS_OVERWRITEPROMPT | FOS_FORCEFILESYSTEM | FOS_PATHMUSTEXIST);
    const std::wstring path = WideOf(request.defaultPath);
    const std::size_t slash = path.find_last_of(L"\\/");
    if (slash != std::wstring::npos) {
        Com<IShellItem> folder;
        const auto itemFromPath =
            FromShell32<decltype(&SHCreateItemFromParsingName)>("SHCreateItemFromParsingName");
        if (itemFromPath != nullptr &&
            SUCCEEDED(itemFromPath(path.substr(0, slash).c_str(), nullptr, IID_IShellItem,
                                   reinterpret_cast<void**>(folder.Out())))) {
            dialog->SetFolder(folder.Get());
        }
    }
    dialog->SetFileName(path.substr(slash == std::wstring::npos ? 0 : slash + 1).c_str());
    if (FAILED(dialog->Show(win32::TopLevelWindowOf(request.owner)))) {
        return {};  // cancelled
    }
    Com<IShellItem> result;
    wchar_t* chosen = nullptr;
    if (FAILED(dialog->GetResult(result.Out())) ||
        FAILED(result->GetDisplayName(SIGDN_FILESYSPATH, &chosen))) {
        return {};
    }
    std::u16string file = win32::FromWide(chosen);
    CoTaskMemFree(chosen);
    return file;
}

void OpenUrl(const std::u16string& url) {
    if (const auto open = FromShell32<decltype(&ShellExecuteW)>("ShellExecuteW")) {
        open(nullptr, L"open", win32::Wide(url), nullptr, nullptr, SW_SHOWNORMAL);
    }
}

std::u16string HomeFolder() {
    wchar_t* path = nullptr;
    std::u16string folder;
    const auto knownFolder = FromShell32<decltype(&SHGetKnownFolderPath)>("SHGetKnownFolderPath");
    if (knownFolder != nullptr && SUCCEEDED(knownFolder(FOLDERID_Documents, 0, nullptr, &path))) {
        folder = win32::FromWide(path);
    }
    CoTaskMemFree(path);
    return folder;
}

}  // namespace backend

std::u16string WriteFileAtomically(const std::u16string& path, std::string_view bytes) {
    const DWORD attributes = GetFileAttributesW(win32::Wide(path));
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
        return u"已有同名的文件夹。";
    }
    // A new file beside the target, which takes the target's place only once
    // every byte is written and on the disk.
    const std::wstring target = WideOf(path);
    const std::size_t slash = target.find_last_of(L"\\/");
    const std::wstring folder = slash == std::wstring::npos ? L"." : target.substr(0, slash);
    wchar_t temporary[MAX_PATH + 1] = {};
    if (GetTempFileNameW(folder.c_str(), L"twr", 0, temporary) == 0) {
        return win32::SystemMessage(GetLastError());
    }
    const auto fail = [&](const std::u16string& reason) {
        DeleteFileW(temporary);
        return reason;
    };
    FileHandle file(CreateFileW(temporary, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.Valid()) {
        return fail(win32::SystemMessage(GetLastError()));
    }
    for (std::size_t written = 0; written < bytes.size();) {
        DWORD count = 0;
        const auto chunk =
            static_cast<DWORD>(std::min<std::size_t>(bytes.size() - written, 1 << 20));
        if (!WriteFile(file.Get(), bytes.data() + written, chunk, &count, nullptr) || count == 0) {
            const DWORD error = GetLastError();
            file.Close();
            return fail(win32::SystemMessage(error));
        }
        written += count;
    }
    if (const std::u16string refused = Flush(file.Get()); !refused.empty()) {
        file.Close();
        return fail(u"磁盘未能保存写入的数据: " + refused);
    }
    if (!file.Close()) {
        return fail(win32::SystemMessage(GetLastError()));
    }
    const bool exists = GetFileAttributesW(target.c_str()) != INVALID_FILE_ATTRIBUTES;
    const BOOL replaced = exists ? ReplaceFileW(target.c_str(), temporary, nullptr,
                                                REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr)
                                 : MoveFileExW(temporary, target.c_str(),
                                               MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
    if (!replaced) {
        return fail(win32::SystemMessage(GetLastError()));
    }
    return {};
}

}  // namespace ui
