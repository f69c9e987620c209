#include "app/ui/win32/MessageLoop.h"

#include <string_view>

#include "app/ui/win32/DialogWindow.h"
#include "app/ui/win32/Text.h"

namespace ui::win32 {

namespace {

// Offers a key-down to the dialog holding the focus and then up through the
// dialogs it lies in; true when one consumed it.
bool OfferKeyDown(const MSG& message) {
    const int key = static_cast<int>(message.wParam);
    for (DialogWindow* dialog = DialogWindow::Of(GetFocus()); dialog != nullptr;) {
        WindowOwner* owner = dialog->Owner();
        if (owner != nullptr && owner->PreTranslateKeyDown(key)) {
            return true;
        }
        dialog = dialog->IsChild() ? DialogWindow::Of(GetParent(dialog->Handle())) : nullptr;
    }
    return false;
}

}  // namespace

void ProcessMessage(MSG& message) {
    if (message.message == WM_KEYDOWN && OfferKeyDown(message)) {
        return;
    }
    // The dialog manager works on the top-level dialog, which tabs into its
    // pages (WS_EX_CONTROLPARENT); any dialog's, the system's message box's
    // too when this loop runs inside its own.
    if (message.hwnd != nullptr) {
        HWND top = GetAncestor(message.hwnd, GA_ROOT);
        if (win32::ClassName(top) == L"#32770" && IsDialogMessageW(top, &message)) {
            return;
        }
    }
    TranslateMessage(&message);
    DispatchMessageW(&message);
}

bool ProcessPendingMessages() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(message.wParam));
            return false;
        }
        ProcessMessage(message);
    }
    return true;
}

}  // namespace ui::win32
