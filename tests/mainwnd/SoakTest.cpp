// A long random session on the real main window, driven as a user would:
// conversions on both pages in both precisions with good and refused input,
// mode toggles, "当前时间", notes stored through the detail dialog, and
// clears. After every step the row count and the newest row must be what the
// window-free logic says. TICKWRIGHT_SOAK_STEPS sets the number of steps
// (2,000 by default); the figures are printed at the end.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <random>
#include <string>

#if defined(__linux__)
#include <unistd.h>
#endif

#include "app/ui/MainWindow.h"
#include "app/ui/test/Driver.h"
#include "core/Clock.h"
#include "core/DecimalText.h"
#include "mainwnd/CTickwrightDlg.h"
#include "pages/AdvancedConversion.h"
#include "pages/SimpleConversion.h"
#include "tests/pages/PageTestHost.h"

namespace tickwright {
namespace {

// The process's resident memory; -1 where the system does not say it this way.
long ResidentKiB() {
#if defined(__linux__)
    std::ifstream statm("/proc/self/statm");
    long pages = 0;
    long resident = 0;
    statm >> pages >> resident;
    return resident * (sysconf(_SC_PAGESIZE) / 1024);
#else
    return -1;
#endif
}

// An environment variable's number, or `otherwise`.
std::uint64_t FromEnvironment(const char* name, std::uint64_t otherwise) {
    const char* value = std::getenv(name);
    return value != nullptr && *value != '\0' ? std::strtoull(value, nullptr, 10) : otherwise;
}

class Session {
public:
    explicit Session(std::uint64_t seed) : m_random(seed) {
        ui::SetMainWindow(&m_main);
        m_ok = ui::test::ShowModeless(m_main);
        ui::test::Activate(ui::test::WindowOf(m_main));
        m_ok = m_ok && ui::test::WaitUntil([&] {
                   return !m_main.IsTimerRunning(CTickwrightDlg::kStartupTimer) &&
                          m_main.HistoryRowCount() == 0;
               });
    }
    ~Session() { ui::SetMainWindow(nullptr); }
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    bool Started() const { return m_ok; }
    int Rows() const { return m_main.HistoryRowCount(); }

    // One random step a user could take; checks its outcome.
    void Step(bool mayClear) {
        const int roll = Pick(0, 99);
        if (roll < 2) {
            Click(m_main, res::IDC_TOGGLE_MODE);
            Expect(0, std::nullopt);
        } else if (roll < 8) {
            CurrentTime();
        } else if (roll < 10) {
            StoreANote();
        } else if (roll < 11 && mayClear) {
            Click(m_main, res::IDC_CLEAR);
            EXPECT_EQ(Rows(), 0);
            m_rowsBefore = 0;
        } else if (m_main.SimplePage().IsWindowVisible()) {
            SimpleConversion();
        } else {
            AdvancedConversion();
        }
    }

    void Clear() {
        Click(m_main, res::IDC_CLEAR);
        m_rowsBefore = Rows();
    }

private:
    int Pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(m_random); }

    // A precision chosen the way a user chooses it, in the selector.
    Precision ChoosePrecision() {
        const int item = Pick(0, 1);
        m_main.ComboSetCurSel(res::IDC_PRECISION, item);
        return item == 0 ? Precision::Milliseconds : Precision::Seconds;
    }

    std::u16string TimestampText() {
        switch (Pick(0, 5)) {
            case 0:
                return u"";
            case 1:
                return u"-" + Digits(Pick(1, 14));
            case 2:
                return Digits(Pick(15, 25));  // beyond 64 bits: saturates
            case 3:
                return u"abc" + Digits(3);  // reads as 0
            default:
                return Digits(Pick(1, 13));
        }
    }

    std::u16string Digits(int count) {
        std::u16string text;
        for (int i = 0; i < count; ++i) {
            text.push_back(static_cast<char16_t>(u'0' + Pick(0, 9)));
        }
        return text;
    }

    std::u16string Number(int low, int high, int width) {
        std::u16string text = FormatDecimal(Pick(low, high));
        while (static_cast<int>(text.size()) < width) {
            text.insert(text.begin(), u'0');
        }
        return text;
    }

    // Mostly valid dates, some refused (bad month, day, year, form).
    std::u16string DateText() {
        const int roll = Pick(0, 9);
        if (roll == 0) {
            return u"1985/01/01";
        }
        const std::u16string year = roll == 1 ? u"1899" : Number(1900, 9999, 4);
        const std::u16string month = roll == 2 ? u"13" : Number(1, 12, 2);
        return year + u'-' + month + u'-' + Number(1, roll == 3 ? 40 : 31, 2);
    }

    std::u16string TimeText() {
        const int roll = Pick(0, 9);
        if (roll == 0) {
            return u"";
        }
        if (roll == 1) {
            return u"24:00:00";
        }
        std::u16string text =
            Number(0, 23, 2) + u':' + Number(0, 59, 2) + u':' + Number(0, roll == 2 ? 60 : 59, 2);
        if (Pick(0, 1) != 0) {
            text += u'.' + Number(0, 999, 3);
        }
        return text;
    }

    int ChooseZone(ui::Dialog& page, int selector) {
        const int zone = Pick(0, 24);
        page.ComboSetCurSel(selector, zone);
        return zone;
    }

    static void Click(ui::Dialog& dialog, int id) {
        ui::test::Click(ui::test::WindowOf(dialog), id);
    }

    static HistoryRecord Shown(const ConversionRecord& record) {
        return {ZoneName(record.inputZone), record.input, ZoneName(record.outputZone),
                record.output, u""};
    }

    // The step added `added` rows, the newest being `newest` when given.
    void Expect(int added, const std::optional<ConversionRecord>& newest) {
        ASSERT_EQ(Rows(), m_rowsBefore + added);
        if (newest) {
            EXPECT_EQ(m_main.GetHistoryRecord(0), Shown(*newest));
        }
        m_rowsBefore = Rows();
    }

    void SimpleConversion() {
        DlgSimple& page = m_main.SimplePage();
        const Precision precision = ChoosePrecision();
        const int zone = ChooseZone(page, res::IDC_SIMPLE_ZONE);
        if (Pick(0, 1) == 0) {
            const std::u16string text = TimestampText();
            page.SetItemText(res::IDC_SIMPLE_TIMESTAMP, text);
            Click(page, res::IDC_SIMPLE_TO_DATETIME);
            Expect(1, ConvertToDateTime(text, zone, precision).record);
            return;
        }
        const std::u16string date = DateText();
        const std::u16string time = TimeText();
        page.SetItemText(res::IDC_SIMPLE_DATE, date);
        page.SetItemText(res::IDC_SIMPLE_TIME, time);
        const std::size_t boxes = m_boxes.boxes.size();
        Click(page, res::IDC_SIMPLE_TO_TIMESTAMP);
        const ToTimestampResult expected = ConvertToTimestamp(date, time, zone, precision);
        if (expected.message) {
            ASSERT_EQ(m_boxes.boxes.size(), boxes + 1);
            EXPECT_EQ(m_boxes.boxes.back().text, *expected.message);
            EXPECT_EQ(page.GetItemText(res::IDC_SIMPLE_TIMESTAMP), u"-");
            Expect(0, std::nullopt);
        } else {
            EXPECT_EQ(page.GetItemText(res::IDC_SIMPLE_TIMESTAMP), expected.output.timestamp);
            Expect(1, expected.record);
        }
    }

    void AdvancedConversion() {
        DlgAdvance& page = m_main.AdvancedPage();
        const Precision precision = ChoosePrecision();
        const int inputZone = ChooseZone(page, res::IDC_INPUT_ZONE);
        const int outputZone = ChooseZone(page, res::IDC_OUTPUT_ZONE);
        if (Pick(0, 1) == 0) {
            Click(page, res::IDC_SOURCE_TIMESTAMP);
            const std::u16string text = TimestampText();
            page.SetItemText(res::IDC_INPUT_TIMESTAMP, text);
            Click(page, res::IDC_CONVERT);
            const FromTimestampResult expected =
                ComputeFromTimestamp(text, inputZone, outputZone, precision);
            EXPECT_EQ(page.GetItemText(res::IDC_OUTPUT_TIMESTAMP), expected.output.timestamp);
            Expect(1, expected.record);
            return;
        }
        Click(page, res::IDC_SOURCE_DATETIME);
        const std::u16string date = DateText();
        const std::u16string time = TimeText();
        page.SetItemText(res::IDC_INPUT_DATE, date);
        page.SetItemText(res::IDC_INPUT_TIME, time);
        const std::size_t boxes = m_boxes.boxes.size();
        Click(page, res::IDC_CONVERT);
        const FromDateTimeResult expected =
            ComputeFromDateTime(date, time, inputZone, outputZone, precision);
        if (expected.message) {
            ASSERT_EQ(m_boxes.boxes.size(), boxes + 1);
            EXPECT_EQ(page.GetItemText(res::IDC_OUTPUT_TIME), u"-");
            Expect(0, std::nullopt);
        } else {
            EXPECT_EQ(page.GetItemText(res::IDC_INPUT_TIMESTAMP), expected.inputTimestamp);
            Expect(1, expected.record);
        }
    }

    void CurrentTime() {
        const Precision precision = ChoosePrecision();
        const std::u16string present = PresentTimestampText(precision);
        if (m_main.SimplePage().IsWindowVisible()) {
            const int zone = m_main.SimplePage().ComboGetCurSel(res::IDC_SIMPLE_ZONE);
            Click(m_main, res::IDC_CURRENT_TIME);
            Expect(1, ConvertToDateTime(present, zone, precision).record);
            return;
        }
        DlgAdvance& page = m_main.AdvancedPage();
        const int inputZone = page.ComboGetCurSel(res::IDC_INPUT_ZONE);
        const int outputZone = page.ComboGetCurSel(res::IDC_OUTPUT_ZONE);
        const bool fromTimestamp = page.GetCheck(res::IDC_SOURCE_TIMESTAMP);
        Click(m_main, res::IDC_CURRENT_TIME);
        const FromTimestampResult filled =
            ComputeFromTimestamp(present, inputZone, outputZone, precision);
        Expect(2, fromTimestamp ? filled.record
                                : ComputeFromDateTime(filled.inputDate, filled.inputTime, inputZone,
                                                      outputZone, precision)
                                      .record);
    }

    void StoreANote() {
        if (Rows() == 0) {
            return;
        }
        const int row = Pick(0, Rows() - 1);
        const std::u16string note = u"备注 " + Digits(Pick(0, 40));
        EXPECT_TRUE(ui::test::WithModal([&] { m_main.OnNMDblclkHistory(row, 1); },
                                        [&](ui::test::Window detail) {
                                            ui::test::TypeText(detail, res::IDC_DETAIL_NOTE, u"");
                                            ui::test::PressKey(ui::test::Key::A,
                                                               ui::test::kControl);
                                            ui::test::TypeText(detail, res::IDC_DETAIL_NOTE, note);
                                            ui::test::Click(detail, ui::IDOK);
                                        }));
        EXPECT_EQ(m_main.GetHistoryRecord(row).Note, note);
        Expect(0, std::nullopt);
    }

    std::mt19937_64 m_random;
    testsupport::FixedClock m_clock;
    ui::test::MessageBoxRecorder m_boxes;
    CTickwrightDlg m_main;
    bool m_ok = false;
    int m_rowsBefore = 0;
};

TEST(Soak, ARandomSessionOnTheRealWindowAgreesWithTheLogicAtEveryStep) {
    const int steps = static_cast<int>(FromEnvironment("TICKWRIGHT_SOAK_STEPS", 2000));
    const std::uint64_t seed = FromEnvironment("TICKWRIGHT_SOAK_SEED", 20261207);
    Session session(seed);
    ASSERT_TRUE(session.Started());
    const auto start = std::chrono::steady_clock::now();
    // The first half clears now and then; the second half only adds, so the
    // memory the rows take can be read off at the end.
    for (int i = 0; i < steps / 2; ++i) {
        ASSERT_NO_FATAL_FAILURE(session.Step(true)) << "step " << i << ", seed " << seed;
    }
    session.Clear();
    const long residentBefore = ResidentKiB();
    for (int i = steps / 2; i < steps; ++i) {
        ASSERT_NO_FATAL_FAILURE(session.Step(false)) << "step " << i << ", seed " << seed;
    }
    const long residentAfter = ResidentKiB();
    const int rows = session.Rows();
    std::printf(
        "soak: %d steps (seed %llu) in %.1f s; %d rows at the end; resident %ld KiB after the "
        "last clear, %ld KiB at the end; %.0f bytes per row\n",
        steps, static_cast<unsigned long long>(seed),
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count(), rows,
        residentBefore, residentAfter,
        rows > 0 ? (residentAfter - residentBefore) * 1024.0 / rows : 0.0);
}

}  // namespace
}  // namespace tickwright
