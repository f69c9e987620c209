#include "app/CTickwrightApp.h"

#include "app/ui/Application.h"
#include "app/ui/MainWindow.h"
#include "app/ui/MessageBoxes.h"
#include "mainwnd/CTickwrightDlg.h"

namespace tickwright {

CTickwrightApp theApp;

bool CTickwrightApp::InitInstance() {
    // The controls' and visual style's set-up is the dialog layer's.
    ui::InitializeUi();
    // Where settings would live; the program itself stores none.
    ui::SetRegistryKey(u"应用程序向导生成的本地应用程序");

    CTickwrightDlg dialog;
    ui::SetMainWindow(&dialog);
    // OK and Cancel end the program alike; a window that never came up is
    // said, or the user would see nothing at all happen.
    if (dialog.DoModal() == -1) {
        ui::ShowMessageBox({nullptr, u"无法打开 Tickwright 的窗口:\n" + dialog.WindowFailure(),
                            u"Tickwright", ui::MB_OK | ui::MB_ICONEXCLAMATION});
        m_exitCode = 1;
    }
    ui::SetMainWindow(nullptr);
    return false;
}

}  // namespace tickwright
