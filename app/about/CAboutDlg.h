#pragma once

// The About box: the program's name, version, rights and a link to its
// introduction page. Everything it shows comes from its template.

#include "app/ui/Dialog.h"

namespace tickwright {

class CAboutDlg : public ui::Dialog {
public:
    CAboutDlg();
};

}  // namespace tickwright
