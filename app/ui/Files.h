#pragma once

#include <string>
#include <string_view>

namespace ui {

// Writes `bytes` to `path` all or nothing: into a new file beside it that
// replaces the old one only once everything is written and the disk has
// taken it, so a failure (no permission, a full disk, a folder in the way, a
// disk that refuses the data) leaves any existing file as it was. Returns an
// empty text on success, else the reason.
std::u16string WriteFileAtomically(const std::u16string& path, std::string_view bytes);

// The call that makes the disk take a written file (fsync), replaceable so a
// test can have the disk refuse; nullptr restores fsync.
using FileSync = int (*)(int fd);
void SetFileSync(FileSync sync);

}  // namespace ui
