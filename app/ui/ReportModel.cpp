#include "app/ui/ReportModel.h"

#include <algorithm>

namespace ui {

ReportModel::~ReportModel() {
    // Copy first: an observer detaching itself must not disturb the walk.
    const std::vector<ReportObserver*> observers = m_observers;
    for (ReportObserver* observer : observers) {
        observer->ModelDestroyed();
    }
}

void ReportModel::AddObserver(ReportObserver* observer) const {
    m_observers.push_back(observer);
}

void ReportModel::RemoveObserver(ReportObserver* observer) const {
    m_observers.erase(std::remove(m_observers.begin(), m_observers.end(), observer),
                      m_observers.end());
}

void ReportModel::NotifyBeginInsertAtTop(int count) {
    for (ReportObserver* observer : m_observers) {
        observer->BeginInsertAtTop(count);
    }
}

void ReportModel::NotifyEndInsertAtTop() {
    for (ReportObserver* observer : m_observers) {
        observer->EndInsertAtTop();
    }
}

void ReportModel::NotifyBeginReset() {
    for (ReportObserver* observer : m_observers) {
        observer->BeginReset();
    }
}

void ReportModel::NotifyEndReset() {
    for (ReportObserver* observer : m_observers) {
        observer->EndReset();
    }
}

void ReportModel::NotifyCellChanged(int row, int column) {
    for (ReportObserver* observer : m_observers) {
        observer->CellChanged(row, column);
    }
}

}  // namespace ui
