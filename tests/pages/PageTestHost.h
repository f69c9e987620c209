#pragma once

// A stand-in for the main window: a bare main-window dialog that hosts a page,
// answers its precision, and keeps its history rows.

#include <ostream>

#include "app/resources/ResourceIds.h"
#include "app/ui/Dialog.h"
#include "core/Clock.h"
#include "mainwnd/HistoryList.h"
#include "pages/PageHost.h"
#include "tests/ui/GuiTestSupport.h"

namespace tickwright {

// Failures show a record's texts, not its bytes.
inline void PrintTo(const HistoryRecord& record, std::ostream* out) {
    const auto utf8 = [](const std::u16string& text) {
        return QString::fromStdU16String(text).toStdString();
    };
    *out << "{" << utf8(record.InputZone) << ", " << utf8(record.Input) << ", "
         << utf8(record.OutputZone) << ", " << utf8(record.Output) << ", " << utf8(record.Note)
         << "}";
}

}  // namespace tickwright

namespace testsupport {

class PageTestHost : public ui::Dialog, public tickwright::PageHost {
public:
    PageTestHost() : Dialog(res::IDD_TICKWRIGHT_DIALOG) { CreateModeless(); }

    tickwright::Precision GetPrecision() const override {
        ++precisionReads;
        return precision;
    }
    void AddHistoryRecord(std::uint32_t inputZone, std::u16string input, std::uint32_t outputZone,
                          std::u16string output) override {
        history.AddHistoryRecord(inputZone, std::move(input), outputZone, std::move(output));
    }
    // Keeps the instant too, as the main window does.
    void Record(const tickwright::ConversionRecord& record) override {
        history.AddConversion(record);
    }
    tickwright::HistoryRecord Row(int row) const { return history.GetHistoryRecord(row); }

    tickwright::Precision precision = tickwright::Precision::Milliseconds;
    mutable int precisionReads = 0;
    tickwright::HistoryList history;
};

// Pins the clock to 2023-11-14 22:13:20.123 UTC (1700000000123 ms) for the
// life of the object.
class FixedClock {
public:
    static constexpr std::int64_t kUnixMs = 1700000000123;
    FixedClock() {
        tickwright::SetClockTicksSource([] { return kUnixMs * 10000; });
    }
    ~FixedClock() { tickwright::SetClockTicksSource(nullptr); }
    FixedClock(const FixedClock&) = delete;
    FixedClock& operator=(const FixedClock&) = delete;
};

inline tickwright::HistoryRecord Record(const char16_t* inZone, std::u16string in,
                                        const char16_t* outZone, std::u16string out) {
    return {inZone, std::move(in), outZone, std::move(out), u""};
}

}  // namespace testsupport
