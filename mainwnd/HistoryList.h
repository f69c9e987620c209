#pragma once

// The conversion history, newest first, as the model a report-view list
// shows. Rows are stored oldest first so that adding one costs the same
// however many there are; row 0 is always the newest.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "app/ui/ReportModel.h"
#include "core/HistoryRecord.h"
#include "mainwnd/HistoryHint.h"
#include "pages/ConversionRecord.h"

namespace tickwright {

class HistoryList : public ui::ReportModel {
public:
    // A new row 0 with an empty note. The zone indices come unsigned, as the
    // operation's signature is given; any index outside 0..24 (a selector's
    // -1 among them) reads "UTC_UNKNOWN" by ZoneName's own range check.
    void AddHistoryRecord(std::uint32_t inputZone, std::u16string input, std::uint32_t outputZone,
                          std::u16string output);
    // The same row for a conversion, which also keeps the instant it stands
    // for (not a column: the hint and "复制为" read it).
    void AddConversion(ConversionRecord record);
    // Rows for many conversions at once, the first given ending at the top:
    // as if added one by one from the last to the first, at the cost of one.
    void AddConversions(std::vector<ConversionRecord> records);
    void ClearHistory();
    // The five texts of a row; an empty record for a row that does not exist.
    HistoryRecord GetHistoryRecord(int row) const;
    void SetHistoryNote(int row, std::u16string note);

    // The instant a row stands for; none for a row added by its texts alone.
    std::optional<HistoryInstant> InstantOf(int row) const;

    int RowCount() const override;
    std::u16string_view CellText(int row, int column) const override;
    // The row's hint, with "now" read from the clock as it is shown.
    std::u16string RowHint(int row) const override;

private:
    struct Row {
        HistoryRecord record;
        std::optional<HistoryInstant> instant;
    };
    static Row RowOf(ConversionRecord record);
    void Add(Row row);
    const Row* Find(int row) const;
    std::size_t StorageIndex(int row) const;  // row must exist

    std::vector<Row> m_oldestFirst;
};

}  // namespace tickwright
