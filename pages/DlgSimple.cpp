#include "pages/DlgSimple.h"

#include "app/resources/ResourceIds.h"
#include "core/Clock.h"
#include "pages/SimpleConversion.h"

namespace tickwright {

const ui::MessageMap<DlgSimple>& DlgSimple::GetMessageMap() {
    static const ui::MessageMap<DlgSimple> map = {
        ui::OnClicked(kToTimestampButton, &DlgSimple::OnBnClickedToTimestamp),
        ui::OnClicked(kToDateTimeButton, &DlgSimple::OnBnClickedToDateTime),
        ui::OnTimerMessage(&DlgSimple::OnTimer),
    };
    return map;
}

DlgSimple::DlgSimple(ui::Dialog* parent, PageHost& host)
    : Dialog(res::IDD_SIMPLE, parent), m_host(host) {}

bool DlgSimple::OnInitDialog() {
    for (const int edit : {kTimestampEdit, kDateEdit, kTimeEdit}) {
        SetItemFont(edit, m_editFont);
    }
    for (ZoneIndex zone = 0; zone < kZoneCount; ++zone) {
        ComboAddString(kZoneList, ZoneName(zone));
    }
    ComboSetCurSel(kZoneList, DetectLocalZoneIndex());
    ShowCurrentTimestamp();
    SetTimer(kStartupTimer, 10);
    return true;
}

void DlgSimple::OnBnClickedToTimestamp() {
    const std::u16string date = GetItemText(kDateEdit);
    const std::u16string time = GetItemText(kTimeEdit);
    const ZoneIndex zone = ComboGetCurSel(kZoneList);
    const ToTimestampResult result = ConvertToTimestamp(date, time, zone, m_host.GetPrecision());
    if (time.empty()) {
        SetItemText(kTimeEdit, result.effectiveTime);
    }
    if (result.message) {
        MessageBox(*result.message, u"错误", ui::MB_OK | ui::MB_ICONEXCLAMATION);
        SetItemText(kTimestampEdit, u"-");
        return;
    }
    SetItemText(kTimestampEdit, result.timestamp);
    m_host.Record(result.record);
}

void DlgSimple::OnBnClickedToDateTime() {
    const std::u16string timestamp = GetItemText(kTimestampEdit);
    const ZoneIndex zone = ComboGetCurSel(kZoneList);
    const ToDateTimeResult result = ConvertToDateTime(timestamp, zone, m_host.GetPrecision());
    SetItemText(kDateEdit, result.date);
    SetItemText(kTimeEdit, result.time);
    m_host.Record(result.record);
}

void DlgSimple::ShowCurrentTimestamp() {
    SetItemText(kTimestampEdit, PresentTimestampText(m_host.GetPrecision()));
}

void DlgSimple::OnTimer(int id) {
    if (id == kStartupTimer) {
        KillTimer(kStartupTimer);
        OnBnClickedToDateTime();
    }
}

bool DlgSimple::PreTranslateKeyDown(int key) {
    if (key == ui::VK_RETURN) {
        // Enter converts away from the field being edited.
        const int focused = GetFocusId();
        if (focused == kTimestampEdit) {
            OnBnClickedToDateTime();
        } else if (focused == kDateEdit || focused == kTimeEdit) {
            OnBnClickedToTimestamp();
        }
        return true;
    }
    return key == ui::VK_ESCAPE;
}

}  // namespace tickwright
