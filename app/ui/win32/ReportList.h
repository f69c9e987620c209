#pragma once

// A report-view list control (SysListView32) with owner data over a
// ReportModel: the control asks for each cell as it draws it, so a list of
// 100,000 rows costs what one of 1,000 does. Internal to the Win32 backend.

#include <array>
#include <string>
#include <vector>

#include "app/ui/ReportModel.h"
#include "app/ui/Style.h"
#include "app/ui/win32/Windows.h"

namespace ui {

class DialogWindow;

class ReportList : public ReportObserver {
public:
    ReportList(HWND list, const DialogWindow& window);
    ~ReportList() override;
    ReportList(const ReportList&) = delete;
    ReportList& operator=(const ReportList&) = delete;

    HWND Handle() const { return m_list; }
    void SetModel(ReportModel* model);
    const ReportModel* Model() const { return m_model; }
    // Columns are the list's own, widths in the contract's pixels.
    void InsertColumn(int column, const std::u16string& heading, int width);
    int ColumnCount() const;
    int ColumnWidth(int column) const;
    StyleFlags ExtendedStyle() const { return m_extendedStyle; }
    void ApplyExtendedStyle(StyleFlags style);
    // The columns' widths for a window moved from `oldDpi` to `newDpi`.
    void ScaleColumns(int oldDpi, int newDpi);

    std::vector<int> SelectedRows() const;
    // Every selected row when `row` is one of them, else `row` alone.
    std::vector<int> RowsActedOn(int row) const;

    int FocusedRow() const;
    // The row and column under a point of the screen; -1 off them.
    int RowAt(POINT screen) const;
    int ColumnAt(POINT screen) const;
    // The middle of a row's first cell, on the screen.
    POINT RowPoint(int row) const;
    // Scrolls the list until `row` is in view.
    void ShowRow(int row);

    // The list's notifications; true when answered, with the answer.
    bool OnNotify(const NMHDR& header, LRESULT& result);
    // The text a cell shows: at most kMostCharactersShown characters.
    std::u16string ShownText(int row, int column) const;

    // The message a list posts its dialog to take the model's row count when
    // the event loop turns (wParam: the list's id); the dialog calls CatchUp.
    static constexpr UINT kCatchUpMessage = WM_APP + 1;
    void CatchUp();

    void BeginInsertAtTop(int count) override;
    void EndInsertAtTop() override;
    void BeginReset() override {}
    void EndReset() override;
    void CellChanged(int row, int column) override;
    void ModelDestroyed() override;

private:
    int RowCount() const;
    LVHITTESTINFO HitTest(POINT screen) const;

    HWND m_list;
    const DialogWindow& m_window;
    ReportModel* m_model = nullptr;
    StyleFlags m_extendedStyle = 0;
    std::vector<int> m_selectedBeforeInsert;
    int m_focusedBeforeInsert = -1;
    int m_inserted = 1;          // rows the insert under way adds at the top
    bool m_countBehind = false;  // rows were added since the control last took the count
    // The texts handed to the control for the cells it draws, in turn: the
    // pointer LVN_GETDISPINFO gives the control must stay good until two more
    // such notifications have been sent, so one buffer is not enough.
    std::array<std::wstring, 3> m_shown;
    std::size_t m_nextShown = 0;
};

}  // namespace ui
