#pragma once

#include <QAbstractTableModel>
#include <QStringList>

#include "app/ui/ReportModel.h"

namespace ui {

// Shows a ReportModel in a Qt item view. The columns are the list's own
// (headings and count), so rows may arrive before any column exists.
// A cell shows at most kMostCharactersShown characters of its text, then an
// ellipsis (Qt::DisplayRole, CellText.h); Qt::EditRole is the whole text,
// for copying.
class ReportModelAdapter : public QAbstractTableModel, public ReportObserver {
public:
    explicit ReportModelAdapter(QObject* parent);
    ~ReportModelAdapter() override;

    void SetModel(ReportModel* model);
    const ReportModel* Model() const { return m_model; }
    void InsertColumn(int column, const QString& heading);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    void BeginInsertAtTop(int count) override;
    void EndInsertAtTop() override;
    void BeginReset() override;
    void EndReset() override;
    void CellChanged(int row, int column) override;
    void ModelDestroyed() override;

private:
    ReportModel* m_model = nullptr;
    QStringList m_headings;
};

}  // namespace ui
