#pragma once

// What screen readers learn of a control beyond what the system says of it:
// its name where its own text does not say what it is (an edit by its label,
// an arrow button by what it does), and a link's role. Given through
// IAccPropServices, the annotation service of Microsoft Active
// Accessibility, which also serves UI Automation clients. Internal to the
// Win32 backend.

#include <string>

#include "app/ui/win32/Windows.h"

namespace ui::win32 {

void SetAccessibleName(HWND control, const std::u16string& name);
void SetAccessibleRole(HWND control, long role);
// Before the control goes: the annotations are the service's to forget.
void ClearAccessibleProperties(HWND control);
// Lets the service go, before COM itself does.
void ReleaseAccessibilityService();

}  // namespace ui::win32
