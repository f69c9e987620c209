#pragma once

#include <QTableView>

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

signals:
    void DoubleClicked(int row, int column);

protected:
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    ReportModelAdapter* m_adapter;
    unsigned m_extendedStyle = 0;
};

}  // namespace ui
