// The real services of the Win32 backend: the message box, the save dialog,
// opening an address and the Documents folder.
#include <algorithm>

#include "app/ui/Backend.h"
#include "app/ui/Dialog.h"
#include "app/ui/MainWindow.h"
#include "app/ui/win32/ComPointer.h"
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

}  // namespace

namespace backend {

int ShowMessageBox(const MessageBoxRequest& request) {
    // The system's own box: its button speaks the system's language, as in
    // every Windows program.
    const std::wstring text = win32::WideString(request.text);
    const std::wstring caption = win32::WideString(request.caption);
    const UINT icon =
        (request.style & MB_ICONEXCLAMATION) == MB_ICONEXCLAMATION ? MB_ICONEXCLAMATION : 0;
    MessageBoxW(win32::TopLevelWindowOf(request.owner), text.c_str(), caption.c_str(),
                MB_OK | icon);
    return IDOK;
}

std::u16string GetSaveFileName(const SaveFileRequest& request) {
    win32::ComPointer<IFileSaveDialog> dialog;
    if (FAILED(CoCreateInstance(CLSID_FileSaveDialog, nullptr, CLSCTX_INPROC_SERVER,
                                IID_IFileSaveDialog, reinterpret_cast<void**>(dialog.Out())))) {
        return {};
    }
    std::vector<std::wstring> texts;
    std::vector<COMDLG_FILTERSPEC> types;
    texts.reserve(request.filters.size() * 2);
    for (const FileFilter& filter : request.filters) {
        texts.push_back(win32::WideString(filter.name));
        texts.push_back(win32::WideString(filter.pattern));
    }
    for (std::size_t i = 0; i < texts.size(); i += 2) {
        types.push_back({texts[i].c_str(), texts[i + 1].c_str()});
    }
    dialog->SetTitle(win32::WideString(request.caption).c_str());
    if (!types.empty()) {
        dialog->SetFileTypes(static_cast<UINT>(types.size()), types.data());
    }
    dialog->SetDefaultExtension(win32::WideString(request.defaultSuffix).c_str());
    FILEOPENDIALOGOPTIONS options = 0;
    dialog->GetOptions(&options);
    // A read-only file is refused in the dialog, where the user can still
    // choose another, not after it closed.
    dialog->SetOptions(options | FOS_OVERWRITEPROMPT | FOS_FORCEFILESYSTEM | FOS_PATHMUSTEXIST |
                       FOS_NOREADONLYRETURN);
    const std::wstring path = win32::WideString(request.defaultPath);
    const std::size_t slash = path.find_last_of(L"\\/");
    if (slash != std::wstring::npos) {
        win32::ComPointer<IShellItem> folder;
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
    win32::ComPointer<IShellItem> result;
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

}  // namespace ui
