#pragma once

// The executable the backend is linked into: its resources (icon 128, the
// manifest) and its instance handle. Internal to the Win32 backend.

#include "app/ui/win32/Windows.h"

namespace ui::win32 {

inline HINSTANCE ModuleInstance() {
    return GetModuleHandleW(nullptr);
}

}  // namespace ui::win32
