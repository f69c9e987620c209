#include "mainwnd/CTickwrightDlg.h"

#include "app/about/CAboutDlg.h"
#include "app/ui/Services.h"
#include "mainwnd/DlgListDetail.h"
#include "mainwnd/HistoryColumns.h"
#include "mainwnd/MainWindowLogic.h"
#include "mainwnd/PrecisionSelector.h"

namespace tickwright {

const ui::MessageMap<CTickwrightDlg>& CTickwrightDlg::GetMessageMap() {
    static const ui::MessageMap<CTickwrightDlg> map = {
        ui::OnSysCommandMessage(&CTickwrightDlg::OnSysCommand),
        ui::OnClicked(kToggleModeButton, &CTickwrightDlg::OnBnClickedToggleMode),
        ui::OnClicked(kCurrentTimeButton, &CTickwrightDlg::OnBnClickedCurrentTime),
        ui::OnTimerMessage(&CTickwrightDlg::OnTimer),
        ui::OnDoubleClicked(kHistoryListId, &CTickwrightDlg::OnNMDblclkHistory),
        ui::OnSizeMessage(&CTickwrightDlg::OnSize),
        ui::OnClicked(kClearButton, &CTickwrightDlg::OnBnClickedClear),
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
    ReportSetModel(kHistoryListId, &m_historyList);

    const std::u16string aboutText = ui::LoadString(res::IDS_ABOUTBOX);
    if (!aboutText.empty()) {
        AppendWindowMenuSeparator();
        AppendWindowMenuItem(CAboutDlg::kMenuCommand, aboutText);
    }
    SetIcon(m_icon);
    ComboSetCurSel(kPrecisionSelectorId, kMillisecondsItem);

    m_simplePage->Create();
    m_simplePage->ShowWindow(true);
    const ui::Rect client = GetClientRect();
    const ui::Rect listClient = GetItemClientRect(kHistoryListId);
    const ui::Rect pageRect{0, kPageTop, client.width,
                            ComputePageHeight(client.height, listClient.height)};
    m_simplePage->MoveWindow(pageRect);

    m_advancedPage->Create();
    m_advancedPage->MoveWindow(pageRect);
    m_advancedPage->ShowWindow(false);

    SetUpHistoryColumns(*this, kHistoryListId, listClient.width);
    SetTimer(kStartupTimer, kStartupClearMs);
    return true;
}

bool CTickwrightDlg::PreTranslateKeyDown(int key) {
    return SwallowsKey(key);
}

Precision CTickwrightDlg::GetPrecision() const {
    return PrecisionFromSelection(ComboGetCurSel(kPrecisionSelectorId));
}

void CTickwrightDlg::AddHistoryRecord(std::uint32_t inputZone, std::u16string input,
                                      std::uint32_t outputZone, std::u16string output) {
    m_historyList.AddHistoryRecord(inputZone, std::move(input), outputZone, std::move(output));
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
    if ((command & 0xFFF0) == CAboutDlg::kMenuCommand) {
        CAboutDlg about;
        about.DoModal();
        return;
    }
    DefaultSysCommand(command);
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
    SetItemText(kToggleModeButton, mode.toggleText);
}

void CTickwrightDlg::OnBnClickedCurrentTime() {
    const bool simpleVisible = m_simplePage->IsWindowVisible();
    const bool timestampInput = m_advancedPage->GetCheck(DlgAdvance::kTimestampRadio);
    for (const PageAction action : CurrentTimeActions(simpleVisible, timestampInput)) {
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
            case PageAction::AdvancedConvertTimestampInput:
                m_advancedPage->ConvertTimestampInput();
                break;
            case PageAction::AdvancedConvertDateTimeInput:
                m_advancedPage->ConvertDateTimeInput();
                break;
        }
    }
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
    if (!m_simplePage->HasWindow() || !HasItem(kHistoryListId)) {
        return;  // still being created
    }
    const ui::Rect client = GetClientRect();
    MoveItem(kHistoryListId,
             ComputeListRect(client.width, client.height, m_simplePage->GetClientRect().height));
}

}  // namespace tickwright
