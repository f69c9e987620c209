#pragma once

// A stand-in for the main window: a bare main-window dialog that hosts a page,
// answers its precision, and keeps its history rows; "now" pinned; and the
// fixture both page tests start from.

#include <gtest/gtest.h>

#include <ostream>

#include "app/resources/ResourceIds.h"
#include "app/ui/Dialog.h"
#include "app/ui/test/Driver.h"
#include "core/Clock.h"
#include "mainwnd/HistoryList.h"
#include "pages/PageHost.h"
#include "tests/Utf8.h"

namespace tickwright {

// Failures show a record's texts, not its bytes.
inline void PrintTo(const HistoryRecord& record, std::ostream* out) {
    using testsupport::Utf8;
    *out << "{" << Utf8(record.InputZone) << ", " << Utf8(record.Input) << ", "
         << Utf8(record.OutputZone) << ", " << Utf8(record.Output) << ", " << Utf8(record.Note)
         << "}";
}

}  // namespace tickwright

namespace testsupport {

class PageTestHost : public ui::Dialog, public tickwright::PageHost {
public:
    PageTestHost() : Dialog(res::IDD_TICKWRIGHT_DIALOG) { ui::test::ShowModeless(*this); }

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

// A page in the stand-in main window, "now" pinned; the page's own start-up
// records `kStartupRows` rows.
template <class Page, int kStartupRows>
class PageTest : public ::testing::Test {
protected:
    void StartPage() {
        ASSERT_TRUE(m_page.Create());
        m_page.ShowWindow(true);
        ui::test::Activate(ui::test::WindowOf(m_host));
    }
    void WaitForStartUpConversions() {
        ASSERT_TRUE(ui::test::WaitUntil([&] { return m_host.history.RowCount() == kStartupRows; }));
        m_host.history.ClearHistory();
    }
    ui::test::Window PageWindow() const { return ui::test::WindowOf(m_page); }
    void Click(int id) { ui::test::Click(PageWindow(), id); }
    std::u16string Text(int id) const { return m_page.GetItemText(id); }

    FixedClock m_clock;
    PageTestHost m_host;
    Page m_page{&m_host, m_host};
};

}  // namespace testsupport
