#include "pages/DlgAdvance.h"

#include "app/resources/ResourceIds.h"
#include "core/Clock.h"
#include "pages/DateTimeInput.h"

namespace tickwright {

const ui::MessageMap<DlgAdvance>& DlgAdvance::GetMessageMap() {
    static const ui::MessageMap<DlgAdvance> map = {
        ui::OnClicked(res::IDC_CONVERT, &DlgAdvance::OnBnClickedConvert),
        ui::OnClicked(res::IDC_SOURCE_TIMESTAMP, &DlgAdvance::OnBnClickedInputKind),
        ui::OnClicked(res::IDC_SOURCE_DATETIME, &DlgAdvance::OnBnClickedInputKind),
        ui::OnTimerMessage(&DlgAdvance::OnTimer),
    };
    return map;
}

DlgAdvance::DlgAdvance(ui::Dialog* parent, PageHost& host)
    : Dialog(res::IDD_ADVANCE, parent), m_host(host) {}

bool DlgAdvance::OnInitDialog() {
    for (const int edit : {res::IDC_INPUT_TIMESTAMP, res::IDC_INPUT_DATE, res::IDC_INPUT_TIME,
                           res::IDC_OUTPUT_TIMESTAMP, res::IDC_OUTPUT_DATE, res::IDC_OUTPUT_TIME}) {
        SetItemFont(edit, m_editFont);
    }
    for (ZoneIndex zone = 0; zone < kZoneCount; ++zone) {
        ComboAddString(res::IDC_INPUT_ZONE, ZoneName(zone));
        ComboAddString(res::IDC_OUTPUT_ZONE, ZoneName(zone));
    }
    ComboSetCurSel(res::IDC_INPUT_ZONE, kUtcZone);
    ComboSetCurSel(res::IDC_OUTPUT_ZONE, DetectLocalZoneIndex());
    SetInputKind(InputKind::Timestamp);
    FillWithCurrentTime();
    SetTimer(kStartupTimer, 10);
    return true;
}

void DlgAdvance::OnBnClickedConvert() {
    RunConversion();
}

void DlgAdvance::OnBnClickedInputKind() {
    SetInputKind(GetCheck(res::IDC_SOURCE_TIMESTAMP) ? InputKind::Timestamp : InputKind::DateTime);
}

void DlgAdvance::SetInputKind(InputKind kind) {
    const bool fromTimestamp = kind == InputKind::Timestamp;
    SetCheck(res::IDC_SOURCE_TIMESTAMP, fromTimestamp);
    SetCheck(res::IDC_SOURCE_DATETIME, !fromTimestamp);
    SetReadOnly(res::IDC_INPUT_TIMESTAMP, !fromTimestamp);
    SetReadOnly(res::IDC_INPUT_TIME, fromTimestamp);
    SetReadOnly(res::IDC_INPUT_DATE, fromTimestamp);
}

void DlgAdvance::RunConversion() {
    if (GetCheck(res::IDC_SOURCE_TIMESTAMP)) {
        ConvertTimestampInput();
    } else {
        ConvertDateTimeInput();
    }
}

void DlgAdvance::ConvertTimestampInput() {
    const std::u16string text = GetItemText(res::IDC_INPUT_TIMESTAMP);
    const Precision precision = m_host.GetPrecision();
    const ZoneIndex inputZone = ComboGetCurSel(res::IDC_INPUT_ZONE);
    const ZoneIndex outputZone = ComboGetCurSel(res::IDC_OUTPUT_ZONE);
    const FromTimestampResult result = ComputeFromTimestamp(text, inputZone, outputZone, precision);
    SetItemText(res::IDC_INPUT_DATE, result.inputDate);
    SetItemText(res::IDC_INPUT_TIME, result.inputTime);
    ShowOutput(result.output);
    m_host.Record(result.record);
}

void DlgAdvance::ConvertDateTimeInput() {
    const std::u16string date = GetItemText(res::IDC_INPUT_DATE);
    const std::u16string time = GetItemText(res::IDC_INPUT_TIME);
    if (time.empty()) {
        SetItemText(res::IDC_INPUT_TIME, kMidnightText);
    }
    const Precision precision = m_host.GetPrecision();
    const ZoneIndex inputZone = ComboGetCurSel(res::IDC_INPUT_ZONE);
    const ZoneIndex outputZone = ComboGetCurSel(res::IDC_OUTPUT_ZONE);
    const FromDateTimeResult result =
        ComputeFromDateTime(date, time, inputZone, outputZone, precision);
    if (result.message) {
        MessageBox(*result.message, kErrorCaption, ui::MB_OK | ui::MB_ICONEXCLAMATION);
        SetItemText(res::IDC_OUTPUT_TIME, kRefusedOutputText);
        return;
    }
    SetItemText(res::IDC_INPUT_TIMESTAMP, result.inputTimestamp);
    ShowOutput(result.output);
    m_host.Record(result.record);
}

void DlgAdvance::FillWithCurrentTime() {
    SetItemText(res::IDC_INPUT_TIMESTAMP, PresentTimestampText(m_host.GetPrecision()));
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
    SetItemText(res::IDC_OUTPUT_TIMESTAMP, output.timestamp);
    SetItemText(res::IDC_OUTPUT_DATE, output.date);
    SetItemText(res::IDC_OUTPUT_TIME, output.time);
}

}  // namespace tickwright
