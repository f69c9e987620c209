#include "app/ui/win32/Accessibility.h"

#include <initguid.h>  // the property ids below are defined here, once

#include <oleacc.h>

namespace ui::win32 {

namespace {

// CLSID_CAccPropServices, which MinGW's oleacc.h declares but no library of
// it defines.
constexpr CLSID kAccPropServices = {
    0xb5f8350b, 0x0548, 0x48b1, {0xa6, 0xee, 0x88, 0xbd, 0x00, 0xb4, 0xa5, 0xe7}};

// The service, made when first asked (COM is up by then) and kept.
IAccPropServices* Service() {
    static IAccPropServices* service = [] {
        IAccPropServices* made = nullptr;
        if (FAILED(CoCreateInstance(kAccPropServices, nullptr, CLSCTX_INPROC_SERVER,
                                    IID_IAccPropServices, reinterpret_cast<void**>(&made)))) {
            return static_cast<IAccPropServices*>(nullptr);
        }
        return made;
    }();
    return service;
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

}  // namespace ui::win32
