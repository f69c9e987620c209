#include "mainwnd/DlgListDetail.h"

#include "app/resources/ResourceIds.h"

namespace tickwright {

const ui::MessageMap<DlgListDetail>& DlgListDetail::GetMessageMap() {
    static const ui::MessageMap<DlgListDetail> map = {
        ui::OnClicked(ui::IDOK, &DlgListDetail::OnBnClickedOk),
    };
    return map;
}

DlgListDetail::DlgListDetail() : Dialog(res::IDD_LIST_DETAIL) {}

bool DlgListDetail::OnInitDialog() {
    SetItemText(res::IDC_DETAIL_INPUT_ZONE, m_inputZone);
    SetItemText(res::IDC_DETAIL_INPUT, m_input);
    SetItemText(res::IDC_DETAIL_OUTPUT_ZONE, m_outputZone);
    SetItemText(res::IDC_DETAIL_OUTPUT, m_output);
    SetItemText(res::IDC_DETAIL_NOTE, m_note);
    return true;
}

void DlgListDetail::OnBnClickedOk() {
    m_note = GetItemText(res::IDC_DETAIL_NOTE);
    OnOK();
}

}  // namespace tickwright
