// Every window in every state, measured as a user would see it: no control
// covers another unless its template places them so (a frame and what it
// holds), every text fits its control in the font the program draws it with,
// and every icon fits its control. Runs at the scale factors the test command
// sets (QT_SCALE_FACTOR 1, 1.5 and 2).
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionGroupBox>
#include <QTimer>
#include <sstream>

#include "app/about/CAboutDlg.h"
#include "app/ui/DialogUnits.h"
#include "app/ui/MainWindow.h"
#include "app/ui/MessageBoxes.h"
#include "app/ui/QtAccess.h"
#include "mainwnd/CTickwrightDlg.h"
#include "mainwnd/DlgListDetail.h"
#include "tests/pages/PageTestHost.h"
#include "tests/ui/GuiTestSupport.h"

namespace tickwright {
namespace {

std::string Describe(const QWidget* widget) {
    std::ostringstream out;
    out << widget->metaObject()->className() << " #" << widget->objectName().toStdString();
    if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) {
        out << " \"" << button->text().toStdString() << "\"";
    } else if (const auto* label = qobject_cast<const QLabel*>(widget)) {
        out << " \"" << label->text().toStdString() << "\"";
    } else if (const auto* box = qobject_cast<const QGroupBox*>(widget)) {
        out << " \"" << box->title().toStdString() << "\"";
    }
    const QRect r = widget->geometry();
    out << " at " << r.x() << "," << r.y() << " " << r.width() << "x" << r.height();
    return out.str();
}

// A control of a dialog with the rectangle its template gives it (a
// drop-down list at its closed height), both in the coordinates of the
// window being checked.
struct Placed {
    QWidget* widget;
    QRect shown;
    QRect templated;
    const ui::Dialog* owner;
};

void CollectControls(const ui::Dialog& dialog, QPoint offset, std::vector<Placed>& placed) {
    const ui::DialogWindow* window = dialog.Window();
    const ui::DialogTemplate* dialogTemplate = ui::FindTemplate(dialog.TemplateId());
    ASSERT_NE(dialogTemplate, nullptr);
    const std::vector<QWidget*>& widgets = window->TemplateWidgets();
    ASSERT_EQ(widgets.size(), dialogTemplate->controls.size());
    for (std::size_t i = 0; i < widgets.size(); ++i) {
        QWidget* widget = widgets[i];
        if (!widget->isVisibleTo(window)) {
            continue;
        }
        const ui::Rect r =
            ui::DialogUnitsToPixels(dialogTemplate->controls[i].rect, window->Units());
        QRect templated(r.x, r.y, r.width, r.height);
        if (dialogTemplate->controls[i].cls == ui::ControlClass::ComboBox) {
            templated.setHeight(widget->height());
        }
        placed.push_back(
            {widget, widget->geometry().translated(offset), templated.translated(offset), &dialog});
    }
}

// The main window's layout puts the pages' frames "输入" and "输出" so that
// their bottom line falls on the top row of the strip's "清空" (page top 35,
// page height 150, the strip at 121 units). The control is drawn over the
// line; that one row is all the two may share.
bool OnlyAFrameLineMeetsIt(const Placed& a, const Placed& b) {
    const Placed& frame = qobject_cast<QGroupBox*>(a.widget) != nullptr ? a : b;
    const Placed& other = &frame == &a ? b : a;
    if (qobject_cast<QGroupBox*>(frame.widget) == nullptr || frame.owner == other.owner) {
        return false;
    }
    const QRect shared = frame.shown.intersected(other.shown);
    return shared.height() == 1 &&
           (shared.top() == frame.shown.bottom() || shared.top() == frame.shown.top());
}

void ExpectNoOverlaps(const std::vector<Placed>& placed, const std::string& where) {
    for (std::size_t a = 0; a < placed.size(); ++a) {
        for (std::size_t b = a + 1; b < placed.size(); ++b) {
            if (!placed[a].shown.intersects(placed[b].shown)) {
                continue;
            }
            const bool templateOverlaps = placed[a].owner == placed[b].owner &&
                                          placed[a].templated.intersects(placed[b].templated);
            EXPECT_TRUE(templateOverlaps || OnlyAFrameLineMeetsIt(placed[a], placed[b]))
                << where << ": " << Describe(placed[a].widget) << " overlaps "
                << Describe(placed[b].widget);
        }
    }
}

// Whether `text` in `font` fits `content`: its advance across, its ink down.
void ExpectTextFits(const QWidget* widget, const QString& text, const QRect& content,
                    const std::string& where, int inset = 0) {
    if (text.isEmpty()) {
        return;
    }
    const QFontMetrics metrics = widget->fontMetrics();
    QString plain = text;
    plain.remove(QLatin1Char('&'));
    const QStringList lines = plain.split(QLatin1Char('\n'));
    int width = 0;
    for (const QString& line : lines) {
        width = std::max(width, metrics.horizontalAdvance(line));
    }
    const int height = static_cast<int>(lines.size() - 1) * metrics.lineSpacing() +
                       metrics.tightBoundingRect(lines.last()).height();
    EXPECT_LE(width + inset, content.width()) << where << ": the text of " << Describe(widget)
                                              << " is wider than its room " << content.width();
    EXPECT_LE(height, content.height()) << where << ": the text of " << Describe(widget)
                                        << " is taller than its room " << content.height();
}

void ExpectTextsAndIconsFit(QWidget* window, const std::string& where) {
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        if (!widget->isVisibleTo(window)) {
            continue;
        }
        QStyle* style = widget->style();
        if (auto* label = qobject_cast<QLabel*>(widget)) {
            const QPixmap pixmap = label->pixmap();
            if (!pixmap.isNull()) {
                const QSizeF size = QSizeF(pixmap.size()) / pixmap.devicePixelRatio();
                EXPECT_LE(size.width(), label->contentsRect().width())
                    << where << ": the icon of " << Describe(label) << " is cut";
                EXPECT_LE(size.height(), label->contentsRect().height())
                    << where << ": the icon of " << Describe(label) << " is cut";
            } else if (!label->wordWrap()) {
                ExpectTextFits(label, label->text(), label->contentsRect(), where);
            }
        } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
            const bool radio = qobject_cast<QRadioButton*>(button) != nullptr;
            const auto* push = qobject_cast<QPushButton*>(button);
            if (push != nullptr && push->isFlat()) {  // a link: its text 1 px in from each side
                ExpectTextFits(button, button->text(), button->rect(), where, 2);
                continue;
            }
            QStyleOptionButton option;
            option.initFrom(button);
            option.text = button->text();
            option.rect = button->rect();
            const QRect room = style->subElementRect(
                radio ? QStyle::SE_RadioButtonContents : QStyle::SE_PushButtonContents, &option,
                button);
            ExpectTextFits(button, button->text(), room, where);
        } else if (auto* box = qobject_cast<QGroupBox*>(widget)) {
            QStyleOptionGroupBox option;
            option.initFrom(box);
            option.text = box->title();
            option.rect = box->rect();
            option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
            option.textAlignment = box->alignment();
            const QRect title =
                style->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, box);
            EXPECT_TRUE(box->rect().contains(title))
                << where << ": the title of " << Describe(box) << " leaves its box";
            ExpectTextFits(box, box->title(), title, where);
        }
    }
}

// The main window, with the visible page's controls taken as the main
// window's own: a page is a background, not a control.
void ExpectMainWindowSound(CTickwrightDlg& main, const std::string& where) {
    std::vector<Placed> placed;
    CollectControls(main, QPoint(), placed);
    for (ui::Dialog* page : {static_cast<ui::Dialog*>(&main.SimplePage()),
                             static_cast<ui::Dialog*>(&main.AdvancedPage())}) {
        if (!page->IsWindowVisible()) {
            continue;
        }
        QWidget* pageWindow = ui::WidgetOf(*page);
        CollectControls(*page, pageWindow->pos(), placed);
        // Where a control of the main window reaches into a page, it must be
        // drawn over the page's background, not under it.
        const QObjectList& stack = ui::WidgetOf(main)->children();
        for (const Placed& p : placed) {
            if (p.owner == &main && p.shown.intersects(pageWindow->geometry())) {
                EXPECT_GT(stack.indexOf(p.widget), stack.indexOf(pageWindow))
                    << where << ": " << Describe(p.widget) << " is hidden under the page";
            }
        }
    }
    ExpectNoOverlaps(placed, where);
    ExpectTextsAndIconsFit(ui::WidgetOf(main), where);
}

void ExpectDialogSound(const ui::Dialog& dialog, const std::string& where) {
    std::vector<Placed> placed;
    CollectControls(dialog, QPoint(), placed);
    ExpectNoOverlaps(placed, where);
    ExpectTextsAndIconsFit(ui::WidgetOf(dialog), where);
}

std::string At(const char* what) {
    return std::string(what) + " at scale " + qgetenv("QT_SCALE_FACTOR").toStdString();
}

TEST(Geometry, MainWindowInBothModesAtTheTemplateSizeAndResized) {
    testsupport::FixedClock clock;
    CTickwrightDlg main;
    ui::SetMainWindow(&main);
    ASSERT_TRUE(main.CreateModeless());
    QWidget* window = ui::WidgetOf(main);
    ASSERT_TRUE(testsupport::WaitUntil([&] { return main.HistoryRowCount() == 0; }));
    main.AddHistoryRecord(20, u"1985-01-01 15:25:35.001", 12, u"473412335001");

    ExpectMainWindowSound(main, At("simple mode"));
    EXPECT_EQ(ui::ControlWidget(main, res::IDC_HISTORY)->y(), 200)
        << "the list stands under its strip";
    QTest::mouseClick(ui::ControlWidget(main, res::IDC_TOGGLE_MODE), Qt::LeftButton);
    ExpectMainWindowSound(main, At("advanced mode"));
    for (const QSize size : {QSize(700, 520), QSize(437, 200), QSize(437, 324)}) {
        window->resize(size);
        QApplication::processEvents();
        ExpectMainWindowSound(main, At("advanced mode resized"));
    }
    QTest::mouseClick(ui::ControlWidget(main, res::IDC_TOGGLE_MODE), Qt::LeftButton);
    ExpectMainWindowSound(main, At("simple mode resized back"));
    ui::SetMainWindow(nullptr);
}

TEST(Geometry, AboutBoxDetailDialogAndErrorBox) {
    CAboutDlg about;
    ASSERT_TRUE(about.CreateModeless());
    ExpectDialogSound(about, At("About box"));

    DlgListDetail detail;
    detail.m_inputZone = u"UTC_UNKNOWN";
    detail.m_input = u"1985-01-01 15:25:35.001";
    ASSERT_TRUE(detail.CreateModeless());
    ExpectDialogSound(detail, At("detail dialog"));

    bool checked = false;
    QTimer::singleShot(0, [&] {
        ASSERT_TRUE(testsupport::WaitUntil(
            [] { return qobject_cast<QMessageBox*>(QApplication::activeModalWidget()); }));
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ExpectTextsAndIconsFit(box, At("error box"));
        checked = true;
        box->accept();
    });
    ui::ShowMessageBox({&about, u"请输入正确的时间!\n例:15:25:35.001", u"错误",
                        ui::MB_OK | ui::MB_ICONEXCLAMATION});
    EXPECT_TRUE(checked);
}

}  // namespace
}  // namespace tickwright
