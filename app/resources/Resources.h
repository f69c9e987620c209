#pragma once

namespace res {

// Puts the dialog templates, the string table and the icons into the dialog
// layer's resource tables. Call once at start-up, before any dialog is made.
void RegisterResources();

}  // namespace res
