#include "pages/DlgAdvance.h"

#include "app/resources/ResourceIds.h"
#include "core/Clock.h"

namespace tickwright {

DlgAdvance::DlgAdvance(ui::Dialog* parent, PageHost& host)
    : ConversionPage(res::IDD_ADVANCE, parent, host,
                     {{res::IDC_INPUT_TIMESTAMP, res::IDC_INPUT_DATE, res::IDC_INPUT_TIME,
                       res::IDC_OUTPUT_TIMESTAMP, res::IDC_OUTPUT_DATE, res::IDC_OUTPUT_TIME},
                      {res::IDC_INPUT_ZONE, res::IDC_OUTPUT_ZONE}}) {}

const ui::MessageMap<DlgAdvance>& DlgAdvance::GetMessageMap() {
    static const ui::MessageMap<DlgAdvance> map = {
        ui::OnClicked(res::IDC_CONVERT, &DlgAdvance::OnBnClickedConvert),
        ui::OnClicked(res::IDC_SOURCE_TIMESTAMP, &DlgAdvance::OnBnClickedInputKind),
        ui::OnClicked(res::IDC_SOURCE_DATETIME, &DlgAdvance::OnBnClickedInputKind),
        ui::OnTimerMessage<DlgAdvance>(&DlgAdvance::OnTimer),
    };
    return map;
}

void DlgAdvance::PresetPage() {
    ComboSetCurSel(res::IDC_INPUT_ZONE, kUtcZone);
    ComboSetCurSel(res::IDC_OUTPUT_ZONE, DetectLocalZoneIndex());
    SetInputKind(InputKind::Timestamp);
    FillWithCurrentTime();
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
    const Precision precision = Host().GetPrecision();
    const ZoneIndex inputZone = ComboGetCurSel(res::IDC_INPUT_ZONE);
    const ZoneIndex outputZone = ComboGetCurSel(res::IDC_OUTPUT_ZONE);
    const FromTimestampResult result = ComputeFromTimestamp(text, inputZone, outputZone, precision);
    SetItemText(res::IDC_INPUT_DATE, result.inputDate);
    SetItemText(res::IDC_INPUT_TIME, result.inputTime);
    ShowOutput(result.output);
    Host().Record(result.record);
}

void DlgAdvance::ConvertDateTimeInput() {
    const std::u16string date = GetItemText(res::IDC_INPUT_DATE);
    const std::u16string time = GetItemText(res::IDC_INPUT_TIME);
    const Precision precision = Host().GetPrecision();
    const ZoneIndex inputZone = ComboGetCurSel(res::IDC_INPUT_ZONE);
    const ZoneIndex outputZone = ComboGetCurSel(res::IDC_OUTPUT_ZONE);
    const FromDateTimeResult result =
        ComputeFromDateTime(date, time, inputZone, outputZone, precision);
    ShowEffectiveTime(res::IDC_INPUT_TIME, time, result.effectiveTime);
    if (result.message) {
        Refuse(*result.message, res::IDC_OUTPUT_TIME);
        return;
    }
    SetItemText(res::IDC_INPUT_TIMESTAMP, result.inputTimestamp);
    ShowOutput(result.output);
    Host().Record(result.record);
}

void DlgAdvance::FillWithCurrentTime() {
    SetItemText(res::IDC_INPUT_TIMESTAMP, PresentTimestampText(Host().GetPrecision()));
    ConvertTimestampInput();
}

void DlgAdvance::ShowOutput(const OutputSide& output) {
    SetItemText(res::IDC_OUTPUT_TIMESTAMP, output.timestamp);
    SetItemText(res::IDC_OUTPUT_DATE, output.date);
    SetItemText(res::IDC_OUTPUT_TIME, output.time);
}

}  // namespace tickwright
