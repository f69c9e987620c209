#pragma once

// How a newly written file takes the old one's place on Windows, and the
// seam through which the backend's tests make that step fail as Windows can
// (a virus scanner or indexer holding the file). Internal to the Win32
// backend.

#include <functional>

#include "app/ui/win32/Windows.h"

namespace ui::win32 {

struct FileReplacing {
    // As ReplaceFileW(target, replacement, no backup, ...).
    std::function<BOOL(const wchar_t* target, const wchar_t* replacement)> replace;
    // As MoveFileExW(from, to, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH).
    std::function<BOOL(const wchar_t* from, const wchar_t* to)> move;
};

// Puts the given steps in place of the system's; an empty member restores
// the system's own.
void SetFileReplacing(FileReplacing replacing);

// `path` as the system's calls take it whatever its length: a full path
// gets the "\\?\" form, which MAX_PATH does not limit; any other stays.
std::wstring LongPath(std::u16string_view path);

}  // namespace ui::win32
