#pragma once

// The rows a report-view list shows, held outside the list by a model of the
// dialog's own; the layer shows it through an adapter. The model speaks in
// rows and cells only, and tells the list what changed so that a change costs
// what it touches, not what the list holds.

#include <string>
#include <string_view>
#include <vector>

namespace ui {

class ReportObserver {
public:
    virtual ~ReportObserver() = default;
    // `count` rows come at the top; the rows there move down by as many.
    virtual void BeginInsertAtTop(int count) = 0;
    virtual void EndInsertAtTop() = 0;
    virtual void BeginReset() = 0;
    virtual void EndReset() = 0;
    virtual void CellChanged(int row, int column) = 0;
    virtual void ModelDestroyed() = 0;
};

class ReportModel {
public:
    ReportModel() = default;
    ReportModel(const ReportModel&) = delete;
    ReportModel& operator=(const ReportModel&) = delete;
    virtual ~ReportModel();

    virtual int RowCount() const = 0;
    // Text of a cell; empty for a column the model does not have.
    virtual std::u16string_view CellText(int row, int column) const = 0;
    // A row's hint: its cells' tooltip and accessible description. Asked
    // when it is shown; empty for none.
    virtual std::u16string RowHint(int) const { return {}; }

    // Watching a model changes nothing in it, so a const model takes
    // observers too.
    void AddObserver(ReportObserver* observer) const;
    void RemoveObserver(ReportObserver* observer) const;

protected:
    void NotifyBeginInsertAtTop(int count = 1);
    void NotifyEndInsertAtTop();
    void NotifyBeginReset();
    void NotifyEndReset();
    void NotifyCellChanged(int row, int column);

private:
    mutable std::vector<ReportObserver*> m_observers;
};

}  // namespace ui
