// The floor for Tickwright's start-up: what any Qt 6 program must do to show
// the same window. A plain QDialog holding the same kinds and numbers of
// widgets as Tickwright's main window with both its pages, at the same
// places, with the same Chinese texts in the same fonts, the selectors filled
// and the fields written as Tickwright's start-up leaves them. It links Qt
// alone, nothing of Tickwright's.
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardItemModel>
#include <QTableView>
#include <cstdlib>

namespace {

QFont Face(int pixels) {
    QFont font(QStringLiteral("Noto Serif CJK SC"));
    font.setPixelSize(pixels);
    return font;
}

template <class W>
W* Place(W* widget, int x, int y, int width, int height) {
    widget->setGeometry(x, y, width, height);
    return widget;
}

QLabel* Label(QWidget* parent, const char* text, int x, int y, int width) {
    return Place(new QLabel(QString::fromUtf8(text), parent), x, y, width, 17);
}

QPushButton* Button(QWidget* parent, const char* text, int x, int y, int width, int height) {
    return Place(new QPushButton(QString::fromUtf8(text), parent), x, y, width, height);
}

QLineEdit* Edit(QWidget* parent, const QString& text, int x, int y, int width, int height) {
    auto* edit = Place(new QLineEdit(text, parent), x, y, width, height);
    edit->setFont(Face(16));
    return edit;
}

QComboBox* Zones(QWidget* parent, int x, int y, int width, int selected) {
    auto* combo = Place(new QComboBox(parent), x, y, width, 25);
    for (int offset = -12; offset <= 12; ++offset) {
        combo->addItem(QStringLiteral("UTC%1%2H")
                           .arg(QChar(offset < 0 ? u'-' : u'+'))
                           .arg(std::abs(offset), 2, 10, QLatin1Char('0')));
    }
    combo->setCurrentIndex(selected);
    return combo;
}

void SimplePage(QWidget* page) {
    Zones(page, 306, 30, 114, 20);
    Label(page, "时区", 264, 32, 26);
    Edit(page, QStringLiteral("1700000000123"), 39, 56, 138, 26);
    Edit(page, QStringLiteral("06:13:20.123"), 305, 101, 116, 26);
    Button(page, "<<-", 192, 17, 39, 54);
    Label(page, "Unix时间戳", 15, 30, 64);
    Label(page, "日期时间", 248, 86, 54);
    Button(page, "->>", 191, 89, 39, 54);
    Edit(page, QStringLiteral("2023-11-15"), 305, 68, 116, 26);
}

void AdvancedPage(QWidget* page) {
    Zones(page, 75, 20, 125, 12);
    Zones(page, 303, 20, 125, 20);
    Place(new QGroupBox(QStringLiteral("输入"), page), 9, 2, 203, 146);
    Place(new QGroupBox(QStringLiteral("输出"), page), 254, 2, 182, 146);
    Label(page, "时区", 33, 22, 26);
    Place(new QRadioButton(QStringLiteral("时间戳"), page), 18, 54, 51, 17)->setChecked(true);
    Place(new QRadioButton(QStringLiteral("时间"), page), 20, 102, 53, 17);
    Edit(page, QStringLiteral("1700000000123"), 75, 53, 125, 23);
    Edit(page, QStringLiteral("22:13:20.123"), 75, 116, 125, 23)->setReadOnly(true);
    Edit(page, QStringLiteral("1700028800123"), 303, 48, 125, 23)->setReadOnly(true);
    Edit(page, QStringLiteral("06:13:20.123"), 303, 116, 125, 23)->setReadOnly(true);
    Label(page, "时区", 266, 22, 26);
    Label(page, "时间戳", 264, 52, 36);
    Label(page, "时间", 270, 100, 26);
    Button(page, "->>", 215, 42, 36, 65);
    Edit(page, QStringLiteral("2023-11-14"), 75, 87, 125, 23)->setReadOnly(true);
    Edit(page, QStringLiteral("2023-11-15"), 303, 87, 125, 23)->setReadOnly(true);
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setFont(Face(12));
    QDialog window;
    window.setWindowTitle(QStringLiteral("Tickwright floor"));
    window.resize(437, 324);
    Button(&window, "软件简介", 8, 14, 57, 17)->setFlat(true);
    Label(&window, "精确到", 72, 15, 38);
    auto* precision = Place(new QComboBox(&window), 116, 11, 72, 25);
    precision->addItems({QStringLiteral("毫秒(ms)"), QStringLiteral("秒(s)")});
    Button(&window, "当前时间", 203, 8, 75, 24);
    Button(&window, "切换至高级模式", 305, 8, 104, 24);
    auto* history = Place(new QTableView(&window), 0, 200, 437, 123);
    auto* rows = new QStandardItemModel(0, 5, history);
    rows->setHorizontalHeaderLabels({QStringLiteral("输入时区"), QStringLiteral("输入内容"),
                                     QStringLiteral("输出时区"), QStringLiteral("输出内容"),
                                     QStringLiteral("备注")});
    history->setModel(rows);
    history->verticalHeader()->hide();
    Label(&window, "双击复制", 5, 182, 51);
    Label(&window, "", 251, 182, 185);
    Button(&window, "清空", 56, 182, 39, 18);
    auto* simple = Place(new QWidget(&window), 0, 35, 437, 150);
    SimplePage(simple);
    auto* advanced = Place(new QWidget(&window), 0, 35, 437, 150);
    AdvancedPage(advanced);
    advanced->hide();
    window.show();
    return app.exec();
}
