#include "mainwnd/HistoryList.h"

#include "core/Clock.h"
#include "core/Zones.h"

namespace tickwright {

namespace {

// Back to the signed ZoneIndex the page had; ZoneName range-checks it.
std::u16string ZoneNameOf(std::uint32_t zone) {
    return ZoneName(static_cast<ZoneIndex>(zone));
}

}  // namespace

void HistoryList::AddHistoryRecord(std::uint32_t inputZone, std::u16string input,
                                   std::uint32_t outputZone, std::u16string output) {
    Add({{ZoneNameOf(inputZone), std::move(input), ZoneNameOf(outputZone), std::move(output), {}},
         std::nullopt});
}

HistoryList::Row HistoryList::RowOf(ConversionRecord record) {
    return {{ZoneName(record.inputZone),
             std::move(record.input),
             ZoneName(record.outputZone),
             std::move(record.output),
             {}},
            HistoryInstant{record.instant, record.inputZone, record.outputZone}};
}

void HistoryList::AddConversion(ConversionRecord record) {
    Add(RowOf(std::move(record)));
}

void HistoryList::Add(Row row) {
    NotifyBeginInsertAtTop();
    m_oldestFirst.push_back(std::move(row));
    NotifyEndInsertAtTop();
}

void HistoryList::AddConversions(std::vector<ConversionRecord> records) {
    if (records.empty()) {
        return;
    }
    NotifyBeginInsertAtTop(static_cast<int>(records.size()));
    m_oldestFirst.reserve(m_oldestFirst.size() + records.size());
    for (auto record = records.rbegin(); record != records.rend(); ++record) {
        m_oldestFirst.push_back(RowOf(std::move(*record)));
    }
    NotifyEndInsertAtTop();
}

void HistoryList::ClearHistory() {
    NotifyBeginReset();
    m_oldestFirst.clear();
    m_oldestFirst.shrink_to_fit();  // a cleared history gives its memory back
    NotifyEndReset();
}

HistoryRecord HistoryList::GetHistoryRecord(int row) const {
    const Row* found = Find(row);
    return found != nullptr ? found->record : HistoryRecord{};
}

std::optional<HistoryInstant> HistoryList::InstantOf(int row) const {
    const Row* found = Find(row);
    return found != nullptr ? found->instant : std::nullopt;
}

std::u16string HistoryList::RowHint(int row) const {
    const Row* found = Find(row);
    if (found == nullptr || !found->instant) {
        return {};
    }
    return HistoryHint(*found->instant, CurrentTimestamp(Precision::Milliseconds));
}

void HistoryList::SetHistoryNote(int row, std::u16string note) {
    if (row < 0 || row >= RowCount()) {
        return;
    }
    m_oldestFirst[StorageIndex(row)].record.Note = std::move(note);
    NotifyCellChanged(row, static_cast<int>(HistoryColumn::Note));
}

int HistoryList::RowCount() const {
    return static_cast<int>(m_oldestFirst.size());
}

std::u16string_view HistoryList::CellText(int row, int column) const {
    const Row* found = Find(row);
    if (found == nullptr || column < 0 || column >= kHistoryColumnCount) {
        return {};
    }
    return ColumnText(found->record, static_cast<HistoryColumn>(column));
}

const HistoryList::Row* HistoryList::Find(int row) const {
    if (row < 0 || row >= RowCount()) {
        return nullptr;
    }
    return &m_oldestFirst[StorageIndex(row)];
}

std::size_t HistoryList::StorageIndex(int row) const {
    return m_oldestFirst.size() - 1 - static_cast<std::size_t>(row);
}

}  // namespace tickwright
