#include "app/CTickwrightApp.h"

#include "app/ui/Application.h"
#include "app/ui/MainWindow.h"
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
    dialog.DoModal();  // OK, Cancel and a failure to create all end the same way
    ui::SetMainWindow(nullptr);
    return false;
}

}  // namespace tickwright
