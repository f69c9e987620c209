#pragma once

// What a backend supplies to the parts of the layer both backends share: the
// real services behind the seams tests replace. Internal to the layer; the
// contract's own headers say what each does.

#include <string>

#include "app/ui/FileDialogs.h"
#include "app/ui/Files.h"
#include "app/ui/MessageBoxes.h"

namespace ui::backend {

int ShowMessageBox(const MessageBoxRequest& request);
std::u16string GetSaveFileName(const SaveFileRequest& request);
void OpenUrl(const std::u16string& url);
std::u16string HomeFolder();

// The file sync a test put in place of the system's, or an empty function.
const FileSync& FileSyncReplacement();

}  // namespace ui::backend
