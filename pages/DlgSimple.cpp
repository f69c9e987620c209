#include "pages/DlgSimple.h"

#include "app/resources/ResourceIds.h"
#include "core/Clock.h"
#include "pages/DateTimeInput.h"
#include "pages/SimpleConversion.h"

namespace tickwright {

const ui::MessageMap<DlgSimple>& DlgSimple::GetMessageMap() {
    static const ui::MessageMap<DlgSimple> map = {
        ui::OnClicked(res::IDC_SIMPLE_TO_TIMESTAMP, &DlgSimple::OnBnClickedToTimestamp),
        ui::OnClicked(res::IDC_SIMPLE_TO_DATETIME, &DlgSimple::OnBnClickedToDateTime),
        ui::OnTimerMessage(&DlgSimple::OnTimer),
    };
    return map;
}

DlgSimple::DlgSimple(ui::Dialog* parent, PageHost& host)
    : Dialog(res::IDD_SIMPLE, parent), m_host(host) {}

bool DlgSimple::OnInitDialog() {
    for (const int edit : {res::IDC_SIMPLE_TIMESTAMP, res::IDC_SIMPLE_DATE, res::IDC_SIMPLE_TIME}) {
        SetItemFont(edit, m_editFont);
    }
    for (ZoneIndex zone = 0; zone < kZoneCount; ++zone) {
        ComboAddString(res::IDC_SIMPLE_ZONE, ZoneName(zone));
    }
    ComboSetCurSel(res::IDC_SIMPLE_ZONE, DetectLocalZoneIndex());
    ShowCurrentTimestamp();
    SetTimer(kStartupTimer, 10);
    return true;
}

void DlgSimple::OnBnClickedToTimestamp() {
    const std::u16string date = GetItemText(res::IDC_SIMPLE_DATE);
    const std::u16string time = GetItemText(res::IDC_SIMPLE_TIME);
    const ZoneIndex zone = ComboGetCurSel(res::IDC_SIMPLE_ZONE);
    const ToTimestampResult result = ConvertToTimestamp(date, time, zone, m_host.GetPrecision());
    if (time.empty()) {
        SetItemText(res::IDC_SIMPLE_TIME, result.effectiveTime);
    }
    if (result.message) {
        MessageBox(*result.message, kErrorCaption, ui::MB_OK | ui::MB_ICONEXCLAMATION);
        SetItemText(res::IDC_SIMPLE_TIMESTAMP, kRefusedOutputText);
        return;
    }
    SetItemText(res::IDC_SIMPLE_TIMESTAMP, result.timestamp);
    m_host.Record(result.record);
}

void DlgSimple::OnBnClickedToDateTime() {
    const std::u16string timestamp = GetItemText(res::IDC_SIMPLE_TIMESTAMP);
    const ZoneIndex zone = ComboGetCurSel(res::IDC_SIMPLE_ZONE);
    const ToDateTimeResult result = ConvertToDateTime(timestamp, zone, m_host.GetPrecision());
    SetItemText(res::IDC_SIMPLE_DATE, result.date);
    SetItemText(res::IDC_SIMPLE_TIME, result.time);
    m_host.Record(result.record);
}

void DlgSimple::ShowCurrentTimestamp() {
    SetItemText(res::IDC_SIMPLE_TIMESTAMP, PresentTimestampText(m_host.GetPrecision()));
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
        if (focused == res::IDC_SIMPLE_TIMESTAMP) {
            OnBnClickedToDateTime();
        } else if (focused == res::IDC_SIMPLE_DATE || focused == res::IDC_SIMPLE_TIME) {
            OnBnClickedToTimestamp();
        }
        return true;
    }
    return key == ui::VK_ESCAPE;
}

}  // namespace tickwright
