#include "app/ui/win32/Accessibility.h"

namespace ui::win32 {

namespace {

// CLSID_CAccPropServices, which MinGW's oleacc.h declares but no library of
// it defines.
constexpr CLSID kAccPropServices = {
    0xb5f8350b, 0x0548, 0x48b1, {0xa6, 0xee, 0x88, 0xbd, 0x00, 0xb4, 0xa5, 0xe7}};

IAccPropServices* g_service = nullptr;
bool g_asked = false;

// The service, made when first asked (COM is up by then) and kept until
// ReleaseAccessibilityService.
IAccPropServices* Service() {
    if (!g_asked) {
        g_asked = true;
        if (FAILED(CoCreateInstance(kAccPropServices, nullptr, CLSCTX_INPROC_SERVER,
                                    IID_IAccPropServices, reinterpret_cast<void**>(&g_service)))) {
            g_service = nullptr;
        }
    }
    return g_service;
}

}  // namespace

void SetAccessibleName(HWND control, const std::u16string& name) {
    if (IAccPropServices* service = Service()) {
        std::wstring text(name.begin(), name.end());
        service->SetHwndPropStr(control, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF,
                                PROPID_ACC_NAME, text.data());
    }
}

void SetAccessibleRole(HWND control, long role) {
    if (IAccPropServices* service = Service()) {
        VARIANT value{};  // as VariantInit leaves it, without loading oleaut32 for that
        value.vt = VT_I4;
        value.lVal = role;
        service->SetHwndProp(control, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF,
                             PROPID_ACC_ROLE, value);
    }
}

void ClearAccessibleProperties(HWND control) {
    if (IAccPropServices* service = Service()) {
        const MSAAPROPID properties[] = {PROPID_ACC_NAME, PROPID_ACC_ROLE};
        service->ClearHwndProps(control, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF, properties,
                                2);
    }
}

void ReleaseAccessibilityService() {
    if (g_service != nullptr) {
        g_service->Release();
        g_service = nullptr;
    }
    g_asked = false;
}

}  // namespace ui::win32
