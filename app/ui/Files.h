#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace ui {

// Writes `bytes` to `path` all or nothing: into a new file beside it that
// replaces the old one only once everything is written and the disk has
// taken it, so a failure (no permission, a full disk, a folder in the way, a
// disk that refuses the data) leaves any existing file as it was. Returns an
// empty text on success, else the reason.
std::u16string WriteFileAtomically(const std::u16string& path, std::string_view bytes);

// The step that makes the written bytes durable before the new file takes
// the old one's place: the system's own flush to the disk. A test puts its
// own in place to have the disk refuse: it returns the reason the disk gives,
// or an empty text when the disk took the bytes. An empty function restores
// the system's own.
using FileSync = std::function<std::u16string()>;
void SetFileSync(FileSync sync);

}  // namespace ui
