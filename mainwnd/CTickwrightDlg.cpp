#include "mainwnd/CTickwrightDlg.h"

#include "app/about/CAboutDlg.h"
#include "app/ui/FileDialogs.h"
#include "app/ui/Files.h"
#include "app/ui/ResourceTables.h"
#include "core/Clock.h"
#include "mainwnd/DlgListDetail.h"
#include "mainwnd/HistoryColumns.h"
#include "mainwnd/HistoryExport.h"
#include "mainwnd/HistoryPaste.h"
#include "mainwnd/MainWindowLogic.h"
#include "mainwnd/PrecisionSelector.h"
#include "pages/DateTimeInput.h"

namespace tickwright {

const ui::MessageMap<CTickwrightDlg>& CTickwrightDlg::GetMessageMap() {
    static const ui::MessageMap<CTickwrightDlg> map = {
        ui::OnSysCommandMessage(&CTickwrightDlg::OnSysCommand),
        ui::OnClicked(res::IDC_TOGGLE_MODE, &CTickwrightDlg::OnBnClickedToggleMode),
        ui::OnClicked(res::IDC_CURRENT_TIME, &CTickwrightDlg::OnBnClickedCurrentTime),
        ui::OnTimerMessage(&CTickwrightDlg::OnTimer),
        ui::OnDoubleClicked(res::IDC_HISTORY, &CTickwrightDlg::OnNMDblclkHistory),
        ui::OnSizeMessage(&CTickwrightDlg::OnSize),
        ui::OnClicked(res::IDC_CLEAR, &CTickwrightDlg::OnBnClickedClear),
        ui::OnRightClicked(res::IDC_HISTORY, &CTickwrightDlg::OnNMRclickHistory),
        ui::OnInitMenuMessage(&CTickwrightDlg::OnInitMenu),
        ui::OnPasteKey(res::IDC_HISTORY, &CTickwrightDlg::OnPasteHistory),
    };
    return map;
}

CTickwrightDlg::CTickwrightDlg()
    : Dialog(res::IDD_TICKWRIGHT_DIALOG),
      m_simplePage(std::make_shared<DlgSimple>(this, *this)),
      m_advancedPage(std::make_shared<DlgAdvance>(this, *this)) {}

CTickwrightDlg::~CTickwrightDlg() = default;

bool CTickwrightDlg::OnInitDialog() {
    // The order matters: the pages read the precision and record history
    // while they initialise, the advanced page before the list has columns.
    ReportSetModel(res::IDC_HISTORY, &m_historyList);

    // Exporting stands above the About item, each after a separator of its
    // own, so the menu still ends with a separator and the About item.
    AppendWindowMenuSeparator();
    AppendWindowMenuItem(res::IDM_EXPORT_HISTORY, ui::LoadString(res::IDS_EXPORT_HISTORY));
    const std::u16string aboutText = ui::LoadString(res::IDS_ABOUTBOX);
    if (!aboutText.empty()) {
        AppendWindowMenuSeparator();
        AppendWindowMenuItem(res::IDM_ABOUTBOX, aboutText);
    }
    SetIcon(m_icon);
    ComboSetCurSel(res::IDC_PRECISION, kMillisecondsItem);

    m_simplePage->Create();
    m_simplePage->ShowWindow(true);
    const ui::Rect client = GetClientRect();
    const ui::Rect listClient = GetItemClientRect(res::IDC_HISTORY);
    const ui::Rect pageRect{0, kPageTop, client.width,
                            ComputePageHeight(client.height, listClient.height)};
    m_simplePage->MoveWindow(pageRect);

    m_advancedPage->Create();
    m_advancedPage->MoveWindow(pageRect);
    m_advancedPage->ShowWindow(false);

    SetUpHistoryColumns(*this, res::IDC_HISTORY, listClient.width);
    SetTimer(kStartupTimer, kStartupClearMs);
    return true;
}

bool CTickwrightDlg::PreTranslateKeyDown(int key) {
    return SwallowsKey(key);
}

Precision CTickwrightDlg::GetPrecision() const {
    return PrecisionFromSelection(ComboGetCurSel(res::IDC_PRECISION));
}

void CTickwrightDlg::AddHistoryRecord(std::uint32_t inputZone, std::u16string input,
                                      std::uint32_t outputZone, std::u16string output) {
    m_historyList.AddHistoryRecord(inputZone, std::move(input), outputZone, std::move(output));
}

void CTickwrightDlg::Record(const ConversionRecord& record) {
    if (!m_recordingPresentTime) {
        m_historyList.AddConversion(record);
        return;
    }
    ConversionRecord present = record;
    present.instant.typedValue.reset();
    m_historyList.AddConversion(std::move(present));
}

void CTickwrightDlg::ClearHistory() {
    m_historyList.ClearHistory();
}

HistoryRecord CTickwrightDlg::GetHistoryRecord(int row) const {
    return m_historyList.GetHistoryRecord(row);
}

void CTickwrightDlg::SetHistoryNote(int row, std::u16string note) {
    m_historyList.SetHistoryNote(row, std::move(note));
}

void CTickwrightDlg::ShowHistoryDetail(int row, int column) {
    if (row < 0 || column < 0) {
        return;
    }
    const HistoryRecord record = GetHistoryRecord(row);
    DlgListDetail detail;
    detail.m_inputZone = record.InputZone;
    detail.m_outputZone = record.OutputZone;
    detail.m_input = record.Input;
    detail.m_output = record.Output;
    detail.m_note = record.Note;
    if (detail.DoModal() == ui::IDOK) {
        SetHistoryNote(row, detail.GetNote());
    }
}

void CTickwrightDlg::OnSysCommand(int command) {
    switch (command & 0xFFF0) {
        case res::IDM_ABOUTBOX: {
            CAboutDlg about;
            about.DoModal();
            return;
        }
        case res::IDM_EXPORT_HISTORY:
            ExportHistory();
            return;
        default:
            DefaultSysCommand(command);
    }
}

void CTickwrightDlg::OnInitMenu() {
    EnableWindowMenuItem(res::IDM_EXPORT_HISTORY, HistoryRowCount() > 0);
}

void CTickwrightDlg::OnNMRclickHistory(int row, int) {
    // "复制为" needs an instant: a row added by its texts alone has none.
    bool anyInstant = false;
    for (const int acted : ReportRowsActedOn(res::IDC_HISTORY, row)) {
        anyInstant = anyInstant || m_historyList.InstantOf(acted).has_value();
    }
    const int chosen = TrackPopupMenu(
        {{res::IDM_COPY_ROW, ui::LoadString(res::IDS_COPY_ROW)},
         {res::IDM_COPY_OUTPUT, ui::LoadString(res::IDS_COPY_OUTPUT)},
         {0,
          ui::LoadString(res::IDS_COPY_AS),
          {{res::IDM_COPY_AS_ISO_ZONE, ui::LoadString(res::IDS_COPY_AS_ISO_ZONE)},
           {res::IDM_COPY_AS_ISO_UTC, ui::LoadString(res::IDS_COPY_AS_ISO_UTC)},
           {res::IDM_COPY_AS_UNIX_SECONDS, ui::LoadString(res::IDS_COPY_AS_UNIX_SECONDS)},
           {res::IDM_COPY_AS_UNIX_MS, ui::LoadString(res::IDS_COPY_AS_UNIX_MS)}},
          anyInstant},
         {res::IDM_PASTE_CONVERT, ui::LoadString(res::IDS_PASTE_CONVERT)}});
    if (chosen == res::IDM_COPY_ROW) {
        ReportCopyRow(res::IDC_HISTORY, row);
    } else if (chosen == res::IDM_COPY_OUTPUT) {
        ReportCopyCell(res::IDC_HISTORY, row, static_cast<int>(HistoryColumn::Output));
    } else if (chosen >= res::IDM_COPY_AS_ISO_ZONE && chosen <= res::IDM_COPY_AS_UNIX_MS) {
        CopyRowsAs(row, static_cast<CopyAs>(chosen - res::IDM_COPY_AS_ISO_ZONE));
    } else if (chosen == res::IDM_PASTE_CONVERT) {
        OnPasteHistory();
    }
}

ZoneIndex CTickwrightDlg::VisibleOutputZone() const {
    return m_simplePage->IsWindowVisible() ? m_simplePage->ComboGetCurSel(res::IDC_SIMPLE_ZONE)
                                           : m_advancedPage->ComboGetCurSel(res::IDC_OUTPUT_ZONE);
}

void CTickwrightDlg::OnPasteHistory() {
    std::vector<ConversionRecord> rows =
        PastedRows(GetClipboardText().value_or(std::u16string()), VisibleOutputZone());
    if (rows.empty()) {
        MessageBox(kNothingToPaste, kPasteCaption, ui::MB_OK | ui::MB_ICONEXCLAMATION);
        return;
    }
    m_historyList.AddConversions(std::move(rows));
}

void CTickwrightDlg::CopyRowsAs(int row, CopyAs kind) {
    std::u16string lines;
    for (const int acted : ReportRowsActedOn(res::IDC_HISTORY, row)) {
        if (const std::optional<HistoryInstant> instant = m_historyList.InstantOf(acted)) {
            if (!lines.empty()) {
                lines += u'\n';
            }
            lines += CopyAsText(*instant, kind);
        }
    }
    if (!lines.empty()) {
        SetClipboardText(lines);
    }
}

void CTickwrightDlg::ExportHistory() {
    const std::u16string path = ui::GetSaveFileName(
        {this,
         std::u16string(kExportCaption),
         ui::JoinPath(ui::HomeFolder(), ExportFileName(LocalTimeNow())),
         {{std::u16string(kExportFilterName), std::u16string(kExportFilterPattern)}},
         std::u16string(kExportSuffix)});
    if (path.empty()) {
        return;  // cancelled
    }
    const std::u16string problem = ui::WriteFileAtomically(path, HistoryCsv(m_historyList));
    if (!problem.empty()) {
        MessageBox(std::u16string(kExportFailed) + u'\n' + problem, kErrorCaption,
                   ui::MB_OK | ui::MB_ICONEXCLAMATION);
    }
}

void CTickwrightDlg::OnBnClickedToggleMode() {
    const ModeState mode = ToggleMode(m_simplePage->IsWindowVisible());
    // Hide before show, so the two pages never stand on each other.
    if (mode.simpleVisible) {
        m_advancedPage->ShowWindow(false);
        m_simplePage->ShowWindow(true);
    } else {
        m_simplePage->ShowWindow(false);
        m_advancedPage->ShowWindow(true);
    }
    SetItemText(res::IDC_TOGGLE_MODE, mode.toggleText);
}

void CTickwrightDlg::OnBnClickedCurrentTime() {
    m_recordingPresentTime = true;
    for (const PageAction action : CurrentTimeActions(m_simplePage->IsWindowVisible())) {
        switch (action) {
            case PageAction::SimpleShowCurrentTimestamp:
                m_simplePage->ShowCurrentTimestamp();
                break;
            case PageAction::SimpleToDateTime:
                m_simplePage->OnBnClickedToDateTime();
                break;
            case PageAction::AdvancedFillWithCurrentTime:
                m_advancedPage->FillWithCurrentTime();
                break;
            case PageAction::AdvancedRunConversion:
                m_advancedPage->RunConversion();
                break;
        }
    }
    m_recordingPresentTime = false;
}

void CTickwrightDlg::OnBnClickedClear() {
    ClearHistory();
}

void CTickwrightDlg::OnTimer(int id) {
    if (id == kStartupTimer) {
        KillTimer(kStartupTimer);
        ClearHistory();
    }
}

void CTickwrightDlg::OnNMDblclkHistory(int row, int column) {
    ShowHistoryDetail(row, column);
}

void CTickwrightDlg::OnSize() {
    if (!m_simplePage->HasWindow() || !HasItem(res::IDC_HISTORY)) {
        return;  // still being created
    }
    const ui::Rect client = GetClientRect();
    MoveItem(res::IDC_HISTORY,
             ComputeListRect(client.width, client.height, m_simplePage->GetClientRect().height));
}

}  // namespace tickwright
