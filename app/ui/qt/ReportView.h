#pragma once

#include <QTableView>
#include <functional>
#include <vector>

namespace ui {

class ReportModelAdapter;

// A report-view list: headings, grid lines, full-row selection, uniform rows,
// no sorting. A double-click reports row and column, both -1 off any row.
class ReportView : public QTableView {
    Q_OBJECT
public:
    explicit ReportView(QWidget* parent);

    ReportModelAdapter* Adapter() const { return m_adapter; }
    void ApplyExtendedStyle(unsigned style);
    unsigned ExtendedStyle() const { return m_extendedStyle; }

    // The selected rows, top first.
    QList<int> SelectedRows() const;
    // What a command on `row` acts on: every selected row when `row` is one
    // of them, else `row` alone.
    QList<int> RowsActedOn(int row) const;

    // Asked on a right-click on a row; true when it handled the click. A
    // click off the rows, or one it declines, goes on to the dialog.
    void SetRightClickHandler(std::function<bool(int row, int column)> handler);

signals:
    void DoubleClicked(int row, int column);
    // Ctrl+C: the rows to copy (ReportCopy.h's RowsForCopyKey).
    void CopyKeyPressed(const std::vector<int>& rows);
    // Ctrl+V (the system's paste keys).
    void PasteKeyPressed();

protected:
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    std::function<bool(int, int)> m_rightClickHandler;
    ReportModelAdapter* m_adapter;
    unsigned m_extendedStyle = 0;
};

}  // namespace ui
