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
    SetItemText(kInputZoneEdit, m_inputZone);
    SetItemText(kInputEdit, m_input);
    SetItemText(kOutputZoneEdit, m_outputZone);
    SetItemText(kOutputEdit, m_output);
    SetItemText(kNoteEdit, m_note);
    return true;
}

void DlgListDetail::OnBnClickedOk() {
    m_note = GetItemText(kNoteEdit);
    OnOK();
}

}  // namespace tickwright
