#pragma once

#include <string>
#include <string_view>

namespace ui {

// Writes `bytes` to `path` all or nothing: into a new file beside it that
// replaces the old one only once everything is written, so a failure (no
// permission, a full disk, a folder in the way) leaves any existing file as
// it was. Returns an empty text on success, else the reason.
std::u16string WriteFileAtomically(const std::u16string& path, std::string_view bytes);

}  // namespace ui
