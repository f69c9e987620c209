#include "app/about/CAboutDlg.h"

#include "app/resources/ResourceIds.h"

namespace tickwright {

CAboutDlg::CAboutDlg() : Dialog(res::IDD_ABOUTBOX) {}

}  // namespace tickwright
