#include "CAboutDlg.h"

#include "ResourceIds.h"

namespace tickwright {

CAboutDlg::CAboutDlg() : Dialog(res::IDD_ABOUTBOX) {}

}  // namespace tickwright
