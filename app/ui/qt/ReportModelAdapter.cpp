#include "app/ui/qt/ReportModelAdapter.h"

#include <algorithm>

#include "app/ui/CellText.h"
#include "app/ui/qt/QtText.h"

namespace ui {

ReportModelAdapter::ReportModelAdapter(QObject* parent) : QAbstractTableModel(parent) {}

ReportModelAdapter::~ReportModelAdapter() {
    if (m_model != nullptr) {
        m_model->RemoveObserver(this);
    }
}

void ReportModelAdapter::SetModel(ReportModel* model) {
    beginResetModel();
    if (m_model != nullptr) {
        m_model->RemoveObserver(this);
    }
    m_model = model;
    if (m_model != nullptr) {
        m_model->AddObserver(this);
    }
    endResetModel();
}

void ReportModelAdapter::InsertColumn(int column, const QString& heading) {
    column = std::clamp(column, 0, static_cast<int>(m_headings.size()));
    beginInsertColumns(QModelIndex(), column, column);
    m_headings.insert(column, heading);
    endInsertColumns();
}

int ReportModelAdapter::rowCount(const QModelIndex& parent) const {
    return parent.isValid() || m_model == nullptr ? 0 : m_model->RowCount();
}

int ReportModelAdapter::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_headings.size());
}

QVariant ReportModelAdapter::data(const QModelIndex& index, int role) const {
    if (m_model == nullptr || !index.isValid()) {
        return {};
    }
    if (role == Qt::ToolTipRole || role == Qt::AccessibleDescriptionRole) {
        const std::u16string hint = m_model->RowHint(index.row());
        return hint.empty() ? QVariant() : QVariant(ToQString(hint));
    }
    const std::u16string_view text = m_model->CellText(index.row(), index.column());
    if (role == Qt::EditRole) {
        return ToQString(text);
    }
    if (role != Qt::DisplayRole) {
        return {};
    }
    const std::size_t shown = ShownLength(text, kMostCharactersShown);
    if (shown < text.size()) {
        return ToQString(text.substr(0, shown)) + QChar(kEllipsis);
    }
    return ToQString(text);
}

QVariant ReportModelAdapter::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 &&
        section < m_headings.size()) {
        return m_headings[section];
    }
    if (orientation == Qt::Horizontal && role == Qt::TextAlignmentRole) {
        return QVariant::fromValue(Qt::AlignLeft | Qt::AlignVCenter);
    }
    return QAbstractTableModel::headerData(section, orientation, role);
}

void ReportModelAdapter::BeginInsertAtTop(int count) {
    beginInsertRows(QModelIndex(), 0, count - 1);
}

void ReportModelAdapter::EndInsertAtTop() {
    endInsertRows();
}

void ReportModelAdapter::BeginReset() {
    beginResetModel();
}

void ReportModelAdapter::EndReset() {
    endResetModel();
}

void ReportModelAdapter::CellChanged(int row, int column) {
    const QModelIndex cell = index(row, column);
    if (!cell.isValid()) {
        return;
    }
    emit dataChanged(cell, cell, {Qt::DisplayRole});
}

void ReportModelAdapter::ModelDestroyed() {
    // The model is half destroyed: drop it before anyone can ask it a question.
    m_model = nullptr;
    beginResetModel();
    endResetModel();
}

}  // namespace ui
