#include "pages/DlgAdvance.h"

#include "app/resources/ResourceIds.h"
#include "core/Clock.h"
#include "core/TextParsing.h"

namespace tickwright {

const ui::MessageMap<DlgAdvance>& DlgAdvance::GetMessageMap() {
    static const ui::MessageMap<DlgAdvance> map = {
        ui::OnClicked(kConvertButton, &DlgAdvance::OnBnClickedConvert),
        ui::OnClicked(kTimestampRadio, &DlgAdvance::OnBnClickedInputKind),
        ui::OnClicked(kDateTimeRadio, &DlgAdvance::OnBnClickedInputKind),
        ui::OnTimerMessage(&DlgAdvance::OnTimer),
    };
    return map;
}

DlgAdvance::DlgAdvance(ui::Dialog* parent, PageHost& host)
    : Dialog(res::IDD_ADVANCE, parent), m_host(host) {}

bool DlgAdvance::OnInitDialog() {
    for (const int edit : {kInputTimestampEdit, kInputDateEdit, kInputTimeEdit,
                           kOutputTimestampEdit, kOutputDateEdit, kOutputTimeEdit}) {
        SetItemFont(edit, m_editFont);
    }
    for (ZoneIndex zone = 0; zone < kZoneCount; ++zone) {
        ComboAddString(kInputZoneList, ZoneName(zone));
        ComboAddString(kOutputZoneList, ZoneName(zone));
    }
    ComboSetCurSel(kInputZoneList, kUtcZone);
    ComboSetCurSel(kOutputZoneList, DetectLocalZoneIndex());
    SetInputKind(InputKind::Timestamp);
    FillWithCurrentTime();
    SetTimer(kStartupTimer, 10);
    return true;
}

void DlgAdvance::OnBnClickedConvert() {
    RunConversion();
}

void DlgAdvance::OnBnClickedInputKind() {
    SetInputKind(GetCheck(kTimestampRadio) ? InputKind::Timestamp : InputKind::DateTime);
}

void DlgAdvance::SetInputKind(InputKind kind) {
    const bool fromTimestamp = kind == InputKind::Timestamp;
    SetCheck(kTimestampRadio, fromTimestamp);
    SetCheck(kDateTimeRadio, !fromTimestamp);
    SetReadOnly(kInputTimestampEdit, !fromTimestamp);
    SetReadOnly(kInputTimeEdit, fromTimestamp);
    SetReadOnly(kInputDateEdit, fromTimestamp);
}

void DlgAdvance::RunConversion() {
    if (GetCheck(kTimestampRadio)) {
        ConvertTimestampInput();
    } else {
        ConvertDateTimeInput();
    }
}

void DlgAdvance::ConvertTimestampInput() {
    const std::u16string text = GetItemText(kInputTimestampEdit);
    const Precision precision = m_host.GetPrecision();
    const ZoneIndex inputZone = ComboGetCurSel(kInputZoneList);
    const ZoneIndex outputZone = ComboGetCurSel(kOutputZoneList);
    const FromTimestampResult result = ComputeFromTimestamp(text, inputZone, outputZone, precision);
    SetItemText(kInputDateEdit, result.inputDate);
    SetItemText(kInputTimeEdit, result.inputTime);
    ShowOutput(result.output);
    m_host.Record(result.record);
}

void DlgAdvance::ConvertDateTimeInput() {
    const std::u16string date = GetItemText(kInputDateEdit);
    const std::u16string time = GetItemText(kInputTimeEdit);
    if (time.empty()) {
        SetItemText(kInputTimeEdit, kMidnightText);
    }
    const Precision precision = m_host.GetPrecision();
    const ZoneIndex inputZone = ComboGetCurSel(kInputZoneList);
    const ZoneIndex outputZone = ComboGetCurSel(kOutputZoneList);
    const FromDateTimeResult result =
        ComputeFromDateTime(date, time, inputZone, outputZone, precision);
    if (result.message) {
        MessageBox(*result.message, u"错误", ui::MB_OK | ui::MB_ICONEXCLAMATION);
        SetItemText(kOutputTimeEdit, u"-");
        return;
    }
    SetItemText(kInputTimestampEdit, result.inputTimestamp);
    ShowOutput(result.output);
    m_host.Record(result.record);
}

void DlgAdvance::FillWithCurrentTime() {
    SetItemText(kInputTimestampEdit, PresentTimestampText(m_host.GetPrecision()));
    ConvertTimestampInput();
}

void DlgAdvance::OnTimer(int id) {
    if (id == kStartupTimer) {
        KillTimer(kStartupTimer);
        RunConversion();
    }
}

bool DlgAdvance::PreTranslateKeyDown(int key) {
    if (key == ui::VK_RETURN) {
        // Enter converts from whichever control of the page has the focus.
        RunConversion();
        return true;
    }
    return key == ui::VK_ESCAPE;
}

void DlgAdvance::ShowOutput(const OutputSide& output) {
    SetItemText(kOutputTimestampEdit, output.timestamp);
    SetItemText(kOutputDateEdit, output.date);
    SetItemText(kOutputTimeEdit, output.time);
}

}  // namespace tickwright
