#pragma once

// The main window: the strip of global controls, one of the two conversion
// pages, and the history list. It owns both pages, holds the precision the
// pages read at every use, and empties the history once after start-up.

#include <memory>

#include "app/resources/ResourceIds.h"
#include "app/ui/Dialog.h"
#include "mainwnd/HistoryHint.h"
#include "mainwnd/HistoryList.h"
#include "pages/DlgAdvance.h"
#include "pages/DlgSimple.h"
#include "pages/PageHost.h"

namespace tickwright {

class CTickwrightDlg : public ui::Dialog, public PageHost {
    UI_DECLARE_MESSAGE_MAP(CTickwrightDlg)
public:
    static constexpr int kStartupTimer = 1;
    static constexpr int kStartupClearMs = 50;

    CTickwrightDlg();
    ~CTickwrightDlg() override;

    bool OnInitDialog() override;
    bool PreTranslateKeyDown(int key) override;

    // The pages' host.
    Precision GetPrecision() const override;
    void AddHistoryRecord(std::uint32_t inputZone, std::u16string input, std::uint32_t outputZone,
                          std::u16string output) override;
    // A page's conversion: the row, and the instant the history keeps with it.
    void Record(const ConversionRecord& record) override;

    void ClearHistory();
    HistoryRecord GetHistoryRecord(int row) const;
    void SetHistoryNote(int row, std::u16string note);
    int HistoryRowCount() const { return m_historyList.RowCount(); }
    const HistoryList& History() const { return m_historyList; }
    // Opens the detail dialog on a history row; nothing off any row.
    void ShowHistoryDetail(int row, int column);

    void OnSysCommand(int command);
    void OnBnClickedToggleMode();
    void OnBnClickedCurrentTime();
    void OnBnClickedClear();
    void OnTimer(int id);
    void OnNMDblclkHistory(int row, int column);
    // The history list's shortcut menu on a row: copy the row, its output,
    // or its instant in another form ("复制为"); with the row part of a
    // selection, every selected row.
    void OnNMRclickHistory(int row, int column);
    // Each acted-on row's instant as `kind`, a line each, on the clipboard.
    void CopyRowsAs(int row, CopyAs kind);
    // Ctrl+V in the list and "粘贴并转换": every epoch number of the
    // clipboard's text as a row (HistoryPaste.h), read top to bottom as the
    // text has them, shown in the zone the visible page converts into; a
    // message when there is none.
    void OnPasteHistory();
    ZoneIndex VisibleOutputZone() const;
    // Before the window menu opens: exporting needs rows to export.
    void OnInitMenu();
    // Asks where, then writes every row as CSV; tells the user if it failed.
    void ExportHistory();
    void OnSize();

    DlgSimple& SimplePage() { return *m_simplePage; }
    DlgAdvance& AdvancedPage() { return *m_advancedPage; }

private:
    std::shared_ptr<DlgSimple> m_simplePage;
    std::shared_ptr<DlgAdvance> m_advancedPage;
    int m_icon = res::IDR_MAINFRAME;
    HistoryList m_historyList;
    // While "当前时间" runs: the rows it records hold the clock's digits, not
    // a user's, so no other unit is guessed for them.
    bool m_recordingPresentTime = false;
};

}  // namespace tickwright
