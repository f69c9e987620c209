// Taking the history out of the window: copying rows through the clipboard
// and exporting every row as CSV, read back by a CSV reader of the test's own.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#if defined(__unix__)
#include <sys/resource.h>

#include <csignal>
#endif

#include "app/ui/FileDialogs.h"
#include "app/ui/Files.h"
#include "app/ui/MainWindow.h"
#include "app/ui/test/Driver.h"
#include "mainwnd/CTickwrightDlg.h"
#include "tests/ScratchFolder.h"
#include "tests/Utf8.h"
#include "tests/mainwnd/CsvReader.h"
#include "tests/mainwnd/StartedMainWindow.h"
#include "tests/pages/PageTestHost.h"

namespace tickwright {
namespace {

using ui::test::Window;

// The file as the tests' own CSV reader sees it, after its byte-order mark.
csvreader::Table ReadCsvFile(const std::filesystem::path& path) {
    const std::string bytes = testsupport::ReadFile(path);
    EXPECT_TRUE(bytes.starts_with("\xEF\xBB\xBF")) << "a UTF-8 byte-order mark first";
    const std::optional<std::u16string> text = testsupport::FromUtf8(
        std::string_view(bytes).substr(std::min<std::size_t>(3, bytes.size())));
    EXPECT_TRUE(text.has_value()) << "well-formed UTF-8";
    const std::optional<csvreader::Table> table = csvreader::ReadCsv(text.value_or(u""));
    EXPECT_TRUE(table.has_value()) << "well-formed CSV, every row ending in CR LF";
    return table.value_or(csvreader::Table{});
}

std::vector<std::u16string> Cells(const HistoryRecord& record) {
    return {record.InputZone, record.Input, record.OutputZone, record.Output, record.Note};
}

class HistoryOut : public testsupport::StartedMainWindow {
protected:
    void SetUp() override {
        StartedMainWindow::SetUp();
        ui::SetSaveFileHandler([this](const ui::SaveFileRequest& request) {
            m_requests.push_back(request);
            return m_answer;
        });
    }
    void TearDown() override {
        ui::SetSaveFileHandler({});
        StartedMainWindow::TearDown();
    }
    // Right-clicks with `click` and chooses the item at `item` of the menu
    // that opens (-1: closes it); that menu's entries.
    std::vector<ui::test::MenuEntry> RightClick(const std::function<void()>& click, int item) {
        std::vector<ui::test::MenuEntry> entries;
        EXPECT_TRUE(ui::test::WithMenu(click, [&](Window menu) {
            entries = ui::test::MenuEntries(menu);
            if (item >= 0 && static_cast<std::size_t>(item) < entries.size()) {
                ui::test::ChooseMenuItem(menu, {entries[static_cast<std::size_t>(item)].text});
            } else {
                ui::test::DismissMenu(menu);
            }
        }));
        return entries;
    }
    std::function<void()> OnRow(int row) {
        return [this, row] { ui::test::RightClickRow(Main(), kList, row); };
    }
    void Export() { m_main.OnSysCommand(res::IDM_EXPORT_HISTORY); }

    ui::test::MessageBoxRecorder m_boxes;
    std::vector<ui::SaveFileRequest> m_requests;
    std::u16string m_answer;
};

TEST_F(HistoryOut, CtrlCAndTheShortcutMenuCopyARowOrItsOutput) {
    m_main.AddHistoryRecord(12, u"0", 20, u"1970-01-01 08:00:00.000");
    m_main.AddHistoryRecord(20, u"1985-01-01 15:25:35.001", 12, u"473412335001");
    m_main.SetHistoryNote(0, u"核对\t两次\n完毕\r\u2028再\u2029看\u0085\v\f了\x1F\x7F!");

    ui::test::ClickRow(Main(), kList, 0);
    ui::test::PressKey(ui::test::Key::C, ui::test::kControl);
    EXPECT_EQ(ui::test::ClipboardText(),
              u"UTC+08H\t1985-01-01 15:25:35.001\tUTC+00H\t"
              u"473412335001\t核对 两次 完毕  再 看   了  !")
        << "one line: every control character and line or paragraph separator inside a "
           "cell becomes a space";

    const std::vector<ui::test::MenuEntry> rowMenu = RightClick(OnRow(1), 1);
    EXPECT_EQ(ui::test::TextsOf(rowMenu),
              (std::vector<std::u16string>{u"复制(&C)", u"复制输出内容(&O)", u"复制为(&A)",
                                           u"粘贴并转换(&P)"}));
    EXPECT_EQ(ui::test::ClipboardText(), u"1970-01-01 08:00:00.000") << "the output alone";
    RightClick(OnRow(1), 0);
    EXPECT_EQ(ui::test::ClipboardText(), u"UTC+00H\t0\tUTC+08H\t1970-01-01 08:00:00.000\t");
    const std::vector<ui::test::MenuEntry> offTheRows =
        RightClick([&] { ui::test::RightClickBelowRows(Main(), kList); }, -1);
    EXPECT_TRUE(ui::test::FindCommand(offTheRows, ui::SC_CLOSE))
        << "off the rows the window menu opens, as on the dialog's background";

    // A right-click on a row of a selection acts on the whole selection, as
    // Ctrl+C does; on a row outside it, on that row alone.
    m_main.AddHistoryRecord(12, u"-1", 24, u"1970-01-01 11:59:59.999");
    ui::test::SelectRows(Main(), kList, {});
    ui::test::ClickRow(Main(), kList, 0);
    ui::test::ClickRow(Main(), kList, 2, ui::test::kControl);
    RightClick(OnRow(2), 0);
    EXPECT_EQ(ui::test::ClipboardText(),
              u"UTC+00H\t-1\tUTC+12H\t1970-01-01 11:59:59.999\t\n"
              u"UTC+00H\t0\tUTC+08H\t1970-01-01 08:00:00.000\t");
    RightClick(OnRow(0), 1);
    EXPECT_EQ(ui::test::ClipboardText(), u"1970-01-01 11:59:59.999\n1970-01-01 08:00:00.000");
    ui::test::SelectRows(Main(), kList, {0});
    RightClick(OnRow(1), 1);
    EXPECT_EQ(ui::test::ClipboardText(), u"473412335001") << "a row outside the selection";
}

TEST_F(HistoryOut, AVeryLongCellShowsItsStartButCopiesWhole) {
    const std::u16string input = u"1700000000" + std::u16string(32757, u'9');
    const std::u16string note(32767, u'字');
    m_main.AddHistoryRecord(12, input, 20, u"53872825-06-19 16:30:56.789");
    m_main.SetHistoryNote(0, note);
    for (const int column : {1, 4}) {
        const std::u16string shown = ui::test::CellShown(Main(), kList, 0, column);
        EXPECT_LE(shown.size(), 1001u) << "column " << column;
        EXPECT_TRUE(shown.ends_with(u'\u2026')) << "column " << column << ": elided";
    }
    EXPECT_TRUE(ui::test::CellShown(Main(), kList, 0, 1).starts_with(u"1700000000"));
    EXPECT_EQ(ui::test::CellShown(Main(), kList, 0, 3), u"53872825-06-19 16:30:56.789")
        << "a short cell shows whole";

    ui::test::ClickRow(Main(), kList, 0);
    ui::test::PressKey(ui::test::Key::C, ui::test::kControl);
    EXPECT_EQ(ui::test::ClipboardText(),
              u"UTC+00H\t" + input + u"\tUTC+08H\t53872825-06-19 16:30:56.789\t" + note)
        << "copy keeps the whole text";
    EXPECT_EQ(m_main.GetHistoryRecord(0).Note, note) << "and so do the detail dialog and export";
}

TEST_F(HistoryOut, ExportWritesEveryRowNewestFirstAndReadsBackWhole) {
    testsupport::ScratchFolder folder;
    // A typed cell (input or note) that a spreadsheet would run as a formula,
    // also behind blanks, invisible characters or in full-width form, is
    // written after a "'"; a plain signed integer, "-" alone, and everything
    // the program writes itself, go out as they are.
    struct Row {
        std::u16string input;
        std::u16string note;
        std::u16string inputInFile;
        std::u16string noteInFile;
    };
    const std::u16string longNote(10000, u'字');
    const std::vector<Row> typedRows = {
        {u"1985-01-01 15:25:35.001", u"a, b", u"1985-01-01 15:25:35.001", u"a, b"},
        {u"0", u"say \"hi\"", u"0", u"say \"hi\""},
        {u"-1700000000", u"two\r\nlines", u"-1700000000", u"two\r\nlines"},
        {u"+5", u"备注：时间戳", u"+5", u"备注：时间戳"},
        {u"=HYPERLINK(\"x\")", u"=SUM(A1:A2)", u"'=HYPERLINK(\"x\")", u"'=SUM(A1:A2)"},
        {u"-1+1", u"@cmd", u"'-1+1", u"'@cmd"},
        {u"\t1", u"+", u"'\t1", u"'+"},
        {u"\r1", u"-", u"'\r1", u"-"},
        {u" =1+1", u"\u200B@cmd", u"' =1+1", u"'\u200B@cmd"},
        {u"\uFF1DSUM(A1)", u"\u3000\uFF0B1", u"'\uFF1DSUM(A1)", u"'\u3000\uFF0B1"},
        {u"\n1", u"\U000E0001\uFF0D2", u"'\n1", u"'\U000E0001\uFF0D2"},
        {u"\uFF20x", u"- 5", u"'\uFF20x", u"'- 5"},
        {u"1", longNote, u"1", longNote},
    };
    for (const Row& row : typedRows) {
        m_main.AddHistoryRecord(20, row.input, 12, u"473412335001");
        m_main.SetHistoryNote(0, row.note);
    }
    std::vector<HistoryRecord> before;
    std::vector<HistoryRecord> inFile;
    for (int row = 0; row < m_main.HistoryRowCount(); ++row) {
        before.push_back(m_main.GetHistoryRecord(row));
        HistoryRecord expected = before.back();
        const Row& typed = typedRows[typedRows.size() - 1 - static_cast<std::size_t>(row)];
        expected.Input = typed.inputInFile;
        expected.Note = typed.noteInFile;
        inFile.push_back(expected);
    }
    m_answer = (folder / u"history.csv").u16string();
    Export();

    ASSERT_EQ(m_requests.size(), 1u);
    EXPECT_EQ(m_requests[0].defaultPath,
              ui::JoinPath(ui::HomeFolder(), u"tickwright-history-20231115-061320.csv"))
        << "named for the local time of the export, in the home folder";
    ASSERT_EQ(m_requests[0].filters.size(), 1u);
    EXPECT_EQ(m_requests[0].filters[0].pattern, u"*.csv");
    EXPECT_EQ(m_requests[0].defaultSuffix, u"csv");
    EXPECT_TRUE(m_boxes.boxes.empty());
    const csvreader::Table rows = ReadCsvFile(m_answer);
    ASSERT_EQ(rows.size(), before.size() + 1);
    EXPECT_EQ(rows[0], (std::vector<std::u16string>{u"输入时区", u"输入内容", u"输出时区",
                                                    u"输出内容", u"备注"}));
    for (std::size_t i = 0; i < before.size(); ++i) {
        EXPECT_EQ(rows[i + 1], Cells(inFile[i])) << "row " << i;
        EXPECT_EQ(m_main.GetHistoryRecord(static_cast<int>(i)), before[i]) << "unchanged";
    }
    EXPECT_EQ(rows[1][4], std::u16string(10000, u'字'));
}

TEST_F(HistoryOut, AFailedExportSaysWhyAndLeavesTheOldFileAsItWas) {
    testsupport::ScratchFolder folder;
    m_main.AddHistoryRecord(12, u"0", 12, u"1970-01-01 00:00:00.000");
    m_main.SetHistoryNote(0, std::u16string(5000, u'x'));
    const std::filesystem::path existing =
        testsupport::WriteFile(folder / u"kept.csv", "old contents");
    std::filesystem::create_directory(folder / u"in-the-way.csv");

    struct Case {
        std::filesystem::path path;
        bool diskFull;
        ui::FileSync sync;
        const char* why;
    };
    const ui::FileSync refused = [] { return std::u16string(u"Input/output error"); };
    std::vector<Case> cases = {
        {folder / u"in-the-way.csv", false, nullptr, "a folder in the way"},
        {folder / u"missing" / u"history.csv", false, nullptr, "no such folder"},
        {existing, false, refused, "the disk refuses the written data"},
    };
#if defined(__unix__)
    // A file-size limit stands in for a full disk.
    cases.push_back({existing, true, nullptr, "the disk fills up while writing"});
#endif
    for (const Case& c : cases) {
        m_boxes.boxes.clear();
        m_answer = c.path.u16string();
#if defined(__unix__)
        rlimit limit{};
        getrlimit(RLIMIT_FSIZE, &limit);
        const rlimit saved = limit;
        if (c.diskFull) {
            std::signal(SIGXFSZ, SIG_IGN);  // a write past the limit fails instead
            limit.rlim_cur = 1024;
            setrlimit(RLIMIT_FSIZE, &limit);
        }
#endif
        ui::SetFileSync(c.sync);
        Export();
        ui::SetFileSync(nullptr);
#if defined(__unix__)
        setrlimit(RLIMIT_FSIZE, &saved);
#endif
        ASSERT_EQ(m_boxes.boxes.size(), 1u) << c.why;
        EXPECT_EQ(m_boxes.boxes[0].caption, u"错误") << c.why;
        EXPECT_TRUE(m_boxes.boxes[0].text.starts_with(u"无法导出历史记录:\n")) << c.why;
        EXPECT_GT(m_boxes.boxes[0].text.size(), 10u) << c.why << ": with the reason";
        EXPECT_EQ(m_boxes.boxes[0].text.find(u"(a "), std::u16string::npos)
            << c.why << ": the program's own words are Chinese";
    }
    EXPECT_EQ(testsupport::ReadFile(existing), "old contents");
    std::vector<std::u16string> files;
    for (const auto& entry : std::filesystem::directory_iterator(folder.Path())) {
        if (entry.is_regular_file()) {
            files.push_back(entry.path().filename().u16string());
        }
    }
    EXPECT_EQ(files, std::vector<std::u16string>{u"kept.csv"})
        << "no half-written file is left behind";

    m_boxes.boxes.clear();
    m_answer.clear();  // cancelled
    Export();
    EXPECT_TRUE(m_boxes.boxes.empty());
    EXPECT_EQ(m_main.HistoryRowCount(), 1);
}

TEST_F(HistoryOut, TheExportItemStandsAboveAboutAndNeedsRows) {
    const std::vector<ui::test::MenuEntry> entries = ui::test::WindowMenu(Main());
    ASSERT_GE(entries.size(), 4u);
    EXPECT_EQ(entries[entries.size() - 3].text, u"导出历史记录(&E)...");
    EXPECT_EQ(entries[entries.size() - 3].command, res::IDM_EXPORT_HISTORY);
    EXPECT_EQ(entries.back().text, u"关于 Tickwright(&A)...");

    const auto exportEnabled = [&] {
        bool enabled = true;
        m_main.SetFocusTo(res::IDC_CURRENT_TIME);
        EXPECT_TRUE(ui::test::WithMenu(
            [] { ui::test::PressKey(ui::test::Key::Space, ui::test::kAlt); },
            [&](Window menu) {
                const auto item =
                    ui::test::FindCommand(ui::test::MenuEntries(menu), res::IDM_EXPORT_HISTORY);
                enabled = item.has_value() && item->enabled;
                ui::test::DismissMenu(menu);
            }));
        return enabled;
    };
    EXPECT_FALSE(exportEnabled()) << "nothing to export";
    m_main.AddHistoryRecord(12, u"0", 12, u"1970-01-01 00:00:00.000");
    EXPECT_TRUE(exportEnabled());
}

}  // namespace
}  // namespace tickwright
