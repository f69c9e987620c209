#pragma once

// A dialog template of the resource table as the Windows dialog manager reads
// it: an extended template (DLGTEMPLATEEX) in memory, for
// CreateDialogIndirectParamW. Internal to the Win32 backend.

#include <cstdint>
#include <vector>

#include "app/ui/DialogTemplate.h"

namespace ui::win32 {

// The template's words, DWORD-aligned where the format asks. `child` makes a
// page (a control parent inside another dialog); otherwise a top-level
// window, created hidden so that it shows once initialised.
std::vector<std::uint16_t> BuildDialogTemplate(const DialogTemplate& dialogTemplate, bool child);

// The text a link control is given: its caption marked as the one link.
std::u16string LinkMarkup(const std::u16string& caption);

}  // namespace ui::win32
