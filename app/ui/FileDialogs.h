#pragma once

// The save-file dialog, and the seam through which tests answer it.

#include <functional>
#include <string>

namespace ui {

class Dialog;

struct SaveFileRequest {
    const Dialog* owner = nullptr;
    std::u16string caption;
    std::u16string defaultPath;    // folder and proposed file name
    std::u16string filter;         // e.g. u"CSV 文件 (*.csv)"
    std::u16string defaultSuffix;  // added to a name typed without one, e.g. u"csv"
};

// Asks for a file to save to, modal to the owner; the chosen path (with the
// default suffix when the name had none), or an empty text when the user
// cancels. Choosing an existing file is confirmed by the dialog itself, for
// the name with its suffix.
std::u16string GetSaveFileName(const SaveFileRequest& request);

// The user's home folder, where saved files are proposed by default.
std::u16string HomeFolder();

// Replaces the dialog; an empty handler restores it.
using SaveFileHandler = std::function<std::u16string(const SaveFileRequest&)>;
void SetSaveFileHandler(SaveFileHandler handler);

}  // namespace ui
