#pragma once

// The save-file dialog, and the seam through which tests answer it.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace ui {

class Dialog;

// One entry of a file dialog's type list: what a user reads, and the
// pattern of the names it stands for.
struct FileFilter {
    std::u16string name;     // u"CSV 文件"
    std::u16string pattern;  // u"*.csv"
};

struct SaveFileRequest {
    const Dialog* owner = nullptr;
    std::u16string caption;
    std::u16string defaultPath;  // folder and proposed file name (JoinPath)
    std::vector<FileFilter> filters;
    std::u16string defaultSuffix;  // added to a name typed without one, e.g. u"csv"
};

// Asks for a file to save to, modal to the owner; the chosen path (with the
// default suffix when the name had none), or an empty text when the user
// cancels. Choosing an existing file is confirmed by the dialog itself, for
// the name with its suffix.
std::u16string GetSaveFileName(const SaveFileRequest& request);

// The folder where saved files are proposed by default: the user's home
// folder on Linux, the Documents folder on Windows.
std::u16string HomeFolder();

// `name` inside `folder`, with the system's separator.
std::u16string JoinPath(std::u16string_view folder, std::u16string_view name);

// Replaces the dialog; an empty handler restores it.
using SaveFileHandler = std::function<std::u16string(const SaveFileRequest&)>;
void SetSaveFileHandler(SaveFileHandler handler);

}  // namespace ui
