// Taking the history out of the window: copying rows through the clipboard
// and exporting every row as CSV, read back by a CSV reader of the test's own.
#include <gtest/gtest.h>

#include <sys/resource.h>
#include <unistd.h>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QMenu>
#include <QMimeData>
#include <QTableView>
#include <QTemporaryDir>
#include <QTimer>
#include <cerrno>
#include <csignal>

#include "app/ui/FileDialogs.h"
#include "app/ui/Files.h"
#include "app/ui/MainWindow.h"
#include "mainwnd/CTickwrightDlg.h"
#include "tests/mainwnd/CsvReader.h"
#include "tests/mainwnd/StartedMainWindow.h"
#include "tests/pages/PageTestHost.h"
#include "tests/ui/GuiTestSupport.h"

namespace tickwright {
namespace {

// The file as the tests' own CSV reader sees it, after its byte-order mark.
std::vector<std::vector<QString>> ReadCsv(const QByteArray& bytes) {
    EXPECT_TRUE(bytes.startsWith("\xEF\xBB\xBF")) << "a UTF-8 byte-order mark first";
    const std::optional<csvreader::Table> table =
        csvreader::ReadCsv(QString::fromUtf8(bytes.mid(3)).toStdU16String());
    EXPECT_TRUE(table.has_value()) << "well-formed CSV, every row ending in CR LF";
    std::vector<std::vector<QString>> rows;
    for (const auto& row : table.value_or(csvreader::Table{})) {
        rows.emplace_back();
        for (const std::u16string& field : row) {
            rows.back().push_back(QString::fromStdU16String(field));
        }
    }
    return rows;
}

std::vector<QString> Cells(const HistoryRecord& record) {
    std::vector<QString> cells;
    for (const std::u16string* text :
         {&record.InputZone, &record.Input, &record.OutputZone, &record.Output, &record.Note}) {
        cells.push_back(QString::fromStdU16String(*text));
    }
    return cells;
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
    QPoint RowPoint(int row) { return List()->visualRect(List()->model()->index(row, 1)).center(); }
    // Right-clicks at `point` of the list and chooses `item` of the menu that
    // opens (-1: closes it); the name of that menu.
    QString RightClick(QPoint point, int item) {
        QString opened;
        QTimer::singleShot(0, [&] {
            testsupport::WaitUntil([] { return QApplication::activePopupWidget() != nullptr; });
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            if (menu == nullptr) {
                return;
            }
            opened = menu->objectName();
            if (item >= 0) {
                // As a hand does: a glide onto the item, then a click. Qt
                // 6.8's menus ignore a pointer that has not moved since they
                // opened (fewer than a few motions, or less than a drag's
                // distance), so a click with no motion before it chose
                // nothing there, while Qt 6.4 took it.
                const QPoint at = menu->actionGeometry(menu->actions()[item]).center();
                for (int step = 8; step >= 0; --step) {
                    QTest::mouseMove(menu, at + QPoint(step, 0));
                }
                QTest::mouseClick(menu, Qt::LeftButton, {}, at);
            } else {
                menu->close();
            }
        });
        QWidget* viewport = List()->viewport();
        QTest::mouseClick(viewport, Qt::RightButton, {}, point);
        QContextMenuEvent event(QContextMenuEvent::Mouse, point, viewport->mapToGlobal(point));
        QApplication::sendEvent(viewport, &event);
        testsupport::WaitUntil([&] { return !opened.isEmpty(); }, 1000);
        return opened;
    }
    void Export() { m_main.OnSysCommand(res::IDM_EXPORT_HISTORY); }
    QString Clipboard() const { return QGuiApplication::clipboard()->text(); }

    testsupport::MessageBoxRecorder m_boxes;
    std::vector<ui::SaveFileRequest> m_requests;
    std::u16string m_answer;
};

TEST_F(HistoryOut, CtrlCAndTheShortcutMenuCopyARowOrItsOutput) {
    m_main.AddHistoryRecord(12, u"0", 20, u"1970-01-01 08:00:00.000");
    m_main.AddHistoryRecord(20, u"1985-01-01 15:25:35.001", 12, u"473412335001");
    m_main.SetHistoryNote(0, u"核对\t两次\n完毕\r\u2028再\u2029看\u0085\v\f了\x1F\x7F!");

    QTest::mouseClick(List()->viewport(), Qt::LeftButton, {}, RowPoint(0));
    QTest::keyClick(List(), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(Clipboard(), QStringLiteral("UTC+08H\t1985-01-01 15:25:35.001\tUTC+00H\t"
                                          "473412335001\t核对 两次 完毕  再 看   了  !"))
        << "one line: every control character and line or paragraph separator inside a "
           "cell becomes a space";
    EXPECT_TRUE(QGuiApplication::clipboard()->mimeData()->hasFormat(QStringLiteral("text/plain")));

    EXPECT_EQ(RightClick(RowPoint(1), 1), QStringLiteral("popupMenu"));
    EXPECT_EQ(Clipboard(), QStringLiteral("1970-01-01 08:00:00.000")) << "the output alone";
    RightClick(RowPoint(1), 0);
    EXPECT_EQ(Clipboard(), QStringLiteral("UTC+00H\t0\tUTC+08H\t1970-01-01 08:00:00.000\t"));
    EXPECT_EQ(RightClick(QPoint(10, List()->viewport()->height() - 5), -1),
              QStringLiteral("windowMenu"))
        << "off the rows the window menu opens, as on the dialog's background";

    // A right-click on a row of a selection acts on the whole selection, as
    // Ctrl+C does; on a row outside it, on that row alone.
    m_main.AddHistoryRecord(12, u"-1", 24, u"1970-01-01 11:59:59.999");
    List()->clearSelection();
    QTest::mouseClick(List()->viewport(), Qt::LeftButton, {}, RowPoint(0));
    QTest::mouseClick(List()->viewport(), Qt::LeftButton, Qt::ControlModifier, RowPoint(2));
    RightClick(RowPoint(2), 0);
    EXPECT_EQ(Clipboard(), QStringLiteral("UTC+00H\t-1\tUTC+12H\t1970-01-01 11:59:59.999\t\n"
                                          "UTC+00H\t0\tUTC+08H\t1970-01-01 08:00:00.000\t"));
    RightClick(RowPoint(0), 1);
    EXPECT_EQ(Clipboard(), QStringLiteral("1970-01-01 11:59:59.999\n1970-01-01 08:00:00.000"));
    List()->clearSelection();
    List()->selectRow(0);
    RightClick(RowPoint(1), 1);
    EXPECT_EQ(Clipboard(), QStringLiteral("473412335001")) << "a row outside the selection";
}

TEST_F(HistoryOut, AVeryLongCellShowsItsStartButCopiesWhole) {
    const std::u16string input = u"1700000000" + std::u16string(32757, u'9');
    const std::u16string note(32767, u'字');
    m_main.AddHistoryRecord(12, input, 20, u"53872825-06-19 16:30:56.789");
    m_main.SetHistoryNote(0, note);
    const QAbstractItemModel* model = List()->model();
    for (const int column : {1, 4}) {
        const QString shown = model->index(0, column).data(Qt::DisplayRole).toString();
        EXPECT_LE(shown.size(), 1001) << "column " << column;
        EXPECT_TRUE(shown.endsWith(QChar(u'\u2026'))) << "column " << column << ": elided";
    }
    EXPECT_EQ(model->index(0, 1).data(Qt::DisplayRole).toString().left(10),
              QStringLiteral("1700000000"));
    EXPECT_EQ(model->index(0, 3).data(Qt::DisplayRole).toString(),
              QStringLiteral("53872825-06-19 16:30:56.789"))
        << "a short cell shows whole";

    QTest::mouseClick(List()->viewport(), Qt::LeftButton, {}, RowPoint(0));
    QTest::keyClick(List(), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(Clipboard(), QStringLiteral("UTC+00H\t") + QString::fromStdU16String(input) +
                               QStringLiteral("\tUTC+08H\t53872825-06-19 16:30:56.789\t") +
                               QString::fromStdU16String(note))
        << "copy keeps the whole text";
    EXPECT_EQ(m_main.GetHistoryRecord(0).Note, note) << "and so do the detail dialog and export";
}

TEST_F(HistoryOut, ExportWritesEveryRowNewestFirstAndReadsBackWhole) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
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
    m_answer = folder.filePath(QStringLiteral("history.csv")).toStdU16String();
    Export();

    ASSERT_EQ(m_requests.size(), 1u);
    EXPECT_EQ(m_requests[0].defaultPath,
              (QDir::homePath() + QStringLiteral("/tickwright-history-20231115-061320.csv"))
                  .toStdU16String())
        << "named for the local time of the export, in the home folder";
    EXPECT_TRUE(m_boxes.boxes.empty());
    QFile file(QString::fromStdU16String(m_answer));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const std::vector<std::vector<QString>> rows = ReadCsv(file.readAll());
    ASSERT_EQ(rows.size(), before.size() + 1);
    EXPECT_EQ(rows[0], (std::vector<QString>{QStringLiteral("输入时区"), QStringLiteral("输入内容"),
                                             QStringLiteral("输出时区"), QStringLiteral("输出内容"),
                                             QStringLiteral("备注")}));
    for (std::size_t i = 0; i < before.size(); ++i) {
        EXPECT_EQ(rows[i + 1], Cells(inFile[i])) << "row " << i;
        EXPECT_EQ(m_main.GetHistoryRecord(static_cast<int>(i)), before[i]) << "unchanged";
    }
    EXPECT_EQ(rows[1][4], QStringLiteral("字").repeated(10000));
}

TEST_F(HistoryOut, AFailedExportSaysWhyAndLeavesTheOldFileAsItWas) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    m_main.AddHistoryRecord(12, u"0", 12, u"1970-01-01 00:00:00.000");
    m_main.SetHistoryNote(0, std::u16string(5000, u'x'));
    const QString existing = folder.filePath(QStringLiteral("kept.csv"));
    QFile old(existing);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("old contents");
    old.close();
    QDir(folder.path()).mkdir(QStringLiteral("in-the-way.csv"));

    struct Case {
        QString path;
        bool diskFull;
        ui::FileSync sync;
        const char* why;
    };
    const ui::FileSync refused = [](int) {
        errno = EIO;
        return -1;
    };
    const Case cases[] = {
        {folder.filePath(QStringLiteral("in-the-way.csv")), false, nullptr, "a folder in the way"},
        {folder.filePath(QStringLiteral("missing/history.csv")), false, nullptr, "no such folder"},
        {existing, true, nullptr, "the disk fills up while writing"},
        {existing, false, refused, "the disk refuses the written data"},
    };
    for (const Case& c : cases) {
        m_boxes.boxes.clear();
        m_answer = c.path.toStdU16String();
        rlimit limit{};
        getrlimit(RLIMIT_FSIZE, &limit);
        const rlimit saved = limit;
        if (c.diskFull) {
            std::signal(SIGXFSZ, SIG_IGN);  // a write past the limit fails instead
            limit.rlim_cur = 1024;
            setrlimit(RLIMIT_FSIZE, &limit);
        }
        ui::SetFileSync(c.sync);
        Export();
        ui::SetFileSync(nullptr);
        setrlimit(RLIMIT_FSIZE, &saved);
        ASSERT_EQ(m_boxes.boxes.size(), 1u) << c.why;
        EXPECT_EQ(m_boxes.boxes[0].caption, u"错误") << c.why;
        EXPECT_TRUE(m_boxes.boxes[0].text.starts_with(u"无法导出历史记录:\n")) << c.why;
        EXPECT_GT(m_boxes.boxes[0].text.size(), 10u) << c.why << ": with the reason";
        EXPECT_EQ(m_boxes.boxes[0].text.find(u"(a "), std::u16string::npos)
            << c.why << ": the program's own words are Chinese";
    }
    ASSERT_TRUE(old.open(QIODevice::ReadOnly));
    EXPECT_EQ(old.readAll(), QByteArray("old contents"));
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList{QStringLiteral("kept.csv")})
        << "no half-written file is left behind";

    m_boxes.boxes.clear();
    m_answer.clear();  // cancelled
    Export();
    EXPECT_TRUE(m_boxes.boxes.empty());
    EXPECT_EQ(m_main.HistoryRowCount(), 1);
}

TEST_F(HistoryOut, TheExportItemStandsAboveAboutAndNeedsRows) {
    QMenu* menu = m_main.Window()->WindowMenu();
    const QList<QAction*> actions = menu->actions();
    ASSERT_GE(actions.size(), 4);
    EXPECT_EQ(actions[actions.size() - 3]->text(), QStringLiteral("导出历史记录(&E)..."));
    EXPECT_EQ(actions.back()->text(), QStringLiteral("关于 Tickwright(&A)..."));

    testsupport::PressKey(Qt::Key_Space, Qt::AltModifier);
    ASSERT_TRUE(testsupport::WaitUntil([&] { return menu->isVisible(); }));
    EXPECT_FALSE(m_main.IsWindowMenuItemEnabled(res::IDM_EXPORT_HISTORY)) << "nothing to export";
    menu->hide();
    m_main.AddHistoryRecord(12, u"0", 12, u"1970-01-01 00:00:00.000");
    testsupport::PressKey(Qt::Key_Space, Qt::AltModifier);
    ASSERT_TRUE(testsupport::WaitUntil([&] { return menu->isVisible(); }));
    EXPECT_TRUE(m_main.IsWindowMenuItemEnabled(res::IDM_EXPORT_HISTORY));
    menu->hide();
}

}  // namespace
}  // namespace tickwright
