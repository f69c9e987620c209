#include "app/ui/qt/ReportView.h"

#include <QContextMenuEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QStyledItemDelegate>
#include <algorithm>

#include "app/ui/CellText.h"
#include "app/ui/ReportCopy.h"
#include "app/ui/Style.h"
#include "app/ui/qt/ReportModelAdapter.h"

namespace ui {

namespace {

// Lays out no more of a cell's text than its width can show: a long text
// costs what the glyphs that fit cost, not what the whole text would. The
// cut is at width / the advance of an "i", the narrowest glyph that takes
// room; characters that take none (format characters, combining marks) can
// make it fall before the width is full, and the cell then ends in its
// ellipsis early. The model, the copy, the export and the detail dialog keep
// the whole text.
class FittingDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override {
        QStyledItemDelegate::initStyleOption(option, index);
        const int narrowest = std::max(1, option->fontMetrics.horizontalAdvance(QLatin1Char('i')));
        const auto fits = static_cast<std::size_t>(option->rect.width() / narrowest + 2);
        const std::u16string_view text(reinterpret_cast<const char16_t*>(option->text.utf16()),
                                       static_cast<std::size_t>(option->text.size()));
        const std::size_t shown = ShownLength(text, fits);
        if (shown < text.size()) {
            option->text = option->text.left(static_cast<qsizetype>(shown)) + QChar(kEllipsis);
        }
    }
};

}  // namespace

ReportView::ReportView(QWidget* parent)
    : QTableView(parent), m_adapter(new ReportModelAdapter(this)) {
    setModel(m_adapter);
    setItemDelegate(new FittingDelegate(this));
    setSortingEnabled(false);
    setShowGrid(false);
    setWordWrap(false);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setTabKeyNavigation(false);
    // Uniform rows keep inserting at the top cheap however long the list is.
    QHeaderView* rows = verticalHeader();
    rows->hide();
    rows->setSectionResizeMode(QHeaderView::Fixed);
    rows->setDefaultSectionSize(fontMetrics().height() + 4);
    QHeaderView* columns = horizontalHeader();
    columns->setSectionsClickable(false);
    columns->setSortIndicatorShown(false);
    columns->setHighlightSections(false);
    columns->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    columns->setStretchLastSection(false);
    columns->setSectionResizeMode(QHeaderView::Interactive);
}

void ReportView::ApplyExtendedStyle(unsigned style) {
    m_extendedStyle = style;
    setShowGrid((style & LVS_EX_GRIDLINES) != 0);
    setSelectionBehavior((style & LVS_EX_FULLROWSELECT) != 0 ? QAbstractItemView::SelectRows
                                                             : QAbstractItemView::SelectItems);
}

QList<int> ReportView::SelectedRows() const {
    QList<int> rows;
    for (const QModelIndex& index : selectionModel()->selectedRows()) {
        rows.push_back(index.row());
    }
    std::sort(rows.begin(), rows.end());
    return rows;
}

QList<int> ReportView::RowsActedOn(int row) const {
    const QList<int> selected = SelectedRows();
    return selected.contains(row) ? selected : QList<int>{row};
}

void ReportView::SetRightClickHandler(std::function<bool(int, int)> handler) {
    m_rightClickHandler = std::move(handler);
}

void ReportView::keyPressEvent(QKeyEvent* event) {
    // The menu key and Shift+F10 open the shortcut menu on the current row.
    const bool menuKey = event->key() == Qt::Key_Menu && event->modifiers() == Qt::NoModifier;
    const bool shiftF10 = event->key() == Qt::Key_F10 && event->modifiers() == Qt::ShiftModifier;
    if ((menuKey || shiftF10) && currentIndex().isValid()) {
        scrollTo(currentIndex());  // the menu opens by the row it acts on, in view
        const QPoint at = visualRect(currentIndex()).center();
        QContextMenuEvent menu(QContextMenuEvent::Keyboard, at, viewport()->mapToGlobal(at));
        contextMenuEvent(&menu);
        event->accept();
        return;
    }
    if (event->matches(QKeySequence::Paste)) {
        emit PasteKeyPressed();
        event->accept();
        return;
    }
    if (event->matches(QKeySequence::Copy)) {
        const QList<int> selected = SelectedRows();
        emit CopyKeyPressed(RowsForCopyKey(std::vector<int>(selected.begin(), selected.end()),
                                           currentIndex().isValid() ? currentIndex().row() : -1));
        event->accept();
        return;
    }
    QTableView::keyPressEvent(event);
}

void ReportView::contextMenuEvent(QContextMenuEvent* event) {
    // The keyboard asks about the current row; the mouse about the row under it.
    const QModelIndex hit = event->reason() == QContextMenuEvent::Keyboard
                                ? currentIndex()
                                : indexAt(viewport()->mapFromGlobal(event->globalPos()));
    if (hit.isValid() && m_rightClickHandler && m_rightClickHandler(hit.row(), hit.column())) {
        event->accept();
        return;
    }
    event->ignore();
}

void ReportView::mouseDoubleClickEvent(QMouseEvent* event) {
    QTableView::mouseDoubleClickEvent(event);
    const QModelIndex hit = indexAt(event->position().toPoint());
    emit DoubleClicked(hit.isValid() ? hit.row() : -1, hit.isValid() ? hit.column() : -1);
}

}  // namespace ui
