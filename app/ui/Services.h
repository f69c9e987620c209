#pragma once

// Process-wide services of the dialog layer: set-up, the resource tables that
// are not templates (icons, strings), the main window, and the seams through
// which tests replace message boxes and the desktop's URL handler.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "app/ui/Style.h"

namespace ui {

class Dialog;

// Once, after the Qt application object exists: fonts, style, key routing.
void InitializeUi();

// The installed family that stands in for a template's nominal face.
std::u16string FamilyForFace(std::u16string_view face);

// Icons by resource id: one picture drawn at several sizes, each file loaded
// only when that size is first drawn.
struct IconFile {
    std::u16string path;
    int size = 0;  // pixels, square
};
void RegisterIcon(int id, std::vector<IconFile> files);
// Strings by resource id; LoadString gives an empty text for an unknown id.
void RegisterString(int id, std::u16string text);
std::u16string LoadString(int id);

// The owner of modal dialogs created without a parent.
void SetMainWindow(Dialog* dialog);
Dialog* MainWindow();

struct MessageBoxRequest {
    const Dialog* owner = nullptr;
    std::u16string text;
    std::u16string caption;
    StyleFlags style = 0;
};
// Replaces the modal box; the handler's return value is the box's result.
// An empty handler restores the real box.
using MessageBoxHandler = std::function<int(const MessageBoxRequest&)>;
void SetMessageBoxHandler(MessageBoxHandler handler);
int ShowMessageBox(const MessageBoxRequest& request);

// Replaces the desktop's URL handler used by link controls.
using UrlOpener = std::function<void(const std::u16string& url)>;
void SetUrlOpener(UrlOpener opener);
void OpenUrl(const std::u16string& url);

}  // namespace ui
