#include "pages/DlgSimple.h"

#include "app/resources/ResourceIds.h"
#include "core/Clock.h"
#include "pages/SimpleConversion.h"

namespace tickwright {

DlgSimple::DlgSimple(ui::Dialog* parent, PageHost& host)
    : ConversionPage(res::IDD_SIMPLE, parent, host,
                     {{res::IDC_SIMPLE_TIMESTAMP, res::IDC_SIMPLE_DATE, res::IDC_SIMPLE_TIME},
                      {res::IDC_SIMPLE_ZONE}}) {}

const ui::MessageMap<DlgSimple>& DlgSimple::GetMessageMap() {
    static const ui::MessageMap<DlgSimple> map = {
        ui::OnClicked(res::IDC_SIMPLE_TO_TIMESTAMP, &DlgSimple::OnBnClickedToTimestamp),
        ui::OnClicked(res::IDC_SIMPLE_TO_DATETIME, &DlgSimple::OnBnClickedToDateTime),
        ui::OnTimerMessage<DlgSimple>(&DlgSimple::OnTimer),
    };
    return map;
}

void DlgSimple::PresetPage() {
    ComboSetCurSel(res::IDC_SIMPLE_ZONE, DetectLocalZoneIndex());
    ShowCurrentTimestamp();
}

void DlgSimple::OnBnClickedToTimestamp() {
    const std::u16string date = GetItemText(res::IDC_SIMPLE_DATE);
    const std::u16string time = GetItemText(res::IDC_SIMPLE_TIME);
    const ZoneIndex zone = ComboGetCurSel(res::IDC_SIMPLE_ZONE);
    const ToTimestampResult result = ConvertToTimestamp(date, time, zone, Host().GetPrecision());
    ShowEffectiveTime(res::IDC_SIMPLE_TIME, time, result.effectiveTime);
    if (result.message) {
        Refuse(*result.message, res::IDC_SIMPLE_TIMESTAMP);
        return;
    }
    SetItemText(res::IDC_SIMPLE_TIMESTAMP, result.output.timestamp);
    Host().Record(result.record);
}

void DlgSimple::OnBnClickedToDateTime() {
    const std::u16string timestamp = GetItemText(res::IDC_SIMPLE_TIMESTAMP);
    const ZoneIndex zone = ComboGetCurSel(res::IDC_SIMPLE_ZONE);
    const ToDateTimeResult result = ConvertToDateTime(timestamp, zone, Host().GetPrecision());
    SetItemText(res::IDC_SIMPLE_DATE, result.output.date);
    SetItemText(res::IDC_SIMPLE_TIME, result.output.time);
    Host().Record(result.record);
}

void DlgSimple::ShowCurrentTimestamp() {
    SetItemText(res::IDC_SIMPLE_TIMESTAMP, PresentTimestampText(Host().GetPrecision()));
}

void DlgSimple::ConvertOnEnter() {
    const int focused = GetFocusId();
    if (focused == res::IDC_SIMPLE_TIMESTAMP) {
        OnBnClickedToDateTime();
    } else if (focused == res::IDC_SIMPLE_DATE || focused == res::IDC_SIMPLE_TIME) {
        OnBnClickedToTimestamp();
    }
}

}  // namespace tickwright
