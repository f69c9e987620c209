#pragma once

// What a backend supplies to the parts of the layer both backends share: the
// real services behind the seams tests replace. Internal to the layer; the
// contract's own headers say what each does.

#include <optional>
#include <string>
#include <string_view>

#include "app/ui/FileDialogs.h"
#include "app/ui/Files.h"
#include "app/ui/MessageBoxes.h"

namespace ui::backend {

int ShowMessageBox(const MessageBoxRequest& request);
std::u16string GetSaveFileName(const SaveFileRequest& request);
void OpenUrl(const std::u16string& url);
// Puts `text` (lines separated by "\n") on the clipboard for `owner`'s
// window: an empty text when it is there, else the reason it is not.
std::u16string PutOnClipboard(const Dialog& owner, std::u16string_view text);
// The clipboard's text as the system holds it; nothing when it holds none
// or cannot be read.
std::optional<std::u16string> ClipboardText();
std::u16string HomeFolder();

// The file sync a test put in place of the system's, or an empty function.
const FileSync& FileSyncReplacement();

}  // namespace ui::backend
