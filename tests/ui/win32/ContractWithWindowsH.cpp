// Compiled with the mingw-w64 cross compiler by the test command: <windows.h>
// and every header of the dialog layer's contract in one translation unit,
// through the one header the Win32 backend reaches <windows.h> by, whose
// static assertions check that the constants they share have one value.
#include "app/ui/win32/Windows.h"

#include "app/ui/Application.h"
#include "app/ui/CellText.h"
#include "app/ui/Dialog.h"
#include "app/ui/DialogTemplate.h"
#include "app/ui/DialogUnits.h"
#include "app/ui/FileDialogs.h"
#include "app/ui/Files.h"
#include "app/ui/Font.h"
#include "app/ui/MainWindow.h"
#include "app/ui/MessageBoxes.h"
#include "app/ui/MessageMap.h"
#include "app/ui/ReportModel.h"
#include "app/ui/ResourceTables.h"
#include "app/ui/Style.h"
#include "app/ui/UrlOpener.h"
#include "app/ui/WindowOwner.h"
#include "app/ui/test/Driver.h"

// The names both sides use, side by side in one function, as a backend
// file writes them.
int ContractBesideWindows(ui::Dialog& dialog) {
    const ui::StyleFlags style = WS_VISIBLE | WS_TABSTOP;
    dialog.MessageBox(u"text", u"caption", MB_OK | MB_ICONEXCLAMATION);
    const std::u16string title = dialog.GetWindowText();
    const std::u16string about = ui::LoadString(101);
    const std::u16string path = ui::GetSaveFileName({});
    ::MessageBoxW(nullptr, L"text", L"caption", MB_OK);
    return static_cast<int>(style) + static_cast<int>(title.size() + about.size() + path.size()) +
           IDOK + VK_RETURN;
}
