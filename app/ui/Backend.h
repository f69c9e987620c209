#pragma once

// What a backend supplies to the parts of the layer both backends share: the
// real services behind the seams tests replace. Internal to the layer; the
// contract's own headers say what each does.

#include <functional>
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

// Writes `bytes` into a new file beside `path`, makes them durable with
// Durable, and only then puts the new file in `path`'s place; an empty text,
// or the reason it failed. `path` is no folder (WriteFileAtomically checked).
std::u16string WriteBesideAndReplace(const std::u16string& path, std::string_view bytes);
bool IsFolder(const std::u16string& path);

// The durability step every backend's write goes through: the test's sync
// when one is in place, else `systemFlush`; an empty text when the disk took
// the bytes, else what the user reads.
std::u16string Durable(const std::function<std::u16string()>& systemFlush);

}  // namespace ui::backend
