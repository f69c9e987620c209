// The test driver over the Qt backend: events sent to the real widgets, on
// the offscreen platform.
#include "app/ui/test/Driver.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QDir>
#include <QElapsedTimer>
#include <QGroupBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionGroupBox>
#include <QTest>
#include <QTimer>
#include <cstdlib>

#include "app/ui/DialogAccess.h"
#include "app/ui/qt/DialogWindow.h"
#include "app/ui/qt/Keys.h"
#include "app/ui/qt/QtText.h"
#include "app/ui/qt/ReportModelAdapter.h"
#include "app/ui/qt/ReportView.h"

namespace ui::test {

namespace {

QWidget* WidgetOf(Window window) {
    return static_cast<QWidget*>(window.Native());
}

DialogWindow* DialogWindowOf(Window window) {
    return qobject_cast<DialogWindow*>(WidgetOf(window));
}

QWidget* ControlOf(Window window, int id) {
    DialogWindow* dialog = DialogWindowOf(window);
    return dialog != nullptr ? dialog->Control(id) : nullptr;
}

ReportView* ListOf(Window window, int id) {
    return qobject_cast<ReportView*>(ControlOf(window, id));
}

QModelIndex CellIndex(ReportView* list, int row, int column) {
    return list->model()->index(row, column);
}

QPoint CellMiddle(ReportView* list, int row, int column) {
    return list->visualRect(CellIndex(list, row, column)).center();
}

QPoint BelowRows(ReportView* list) {
    return QPoint(10, list->viewport()->height() - 5);
}

Qt::KeyboardModifiers QtModifiers(unsigned modifiers) {
    Qt::KeyboardModifiers result;
    result.setFlag(Qt::ShiftModifier, (modifiers & kShift) != 0);
    result.setFlag(Qt::ControlModifier, (modifiers & kControl) != 0);
    result.setFlag(Qt::AltModifier, (modifiers & kAlt) != 0);
    return result;
}

Qt::Key QtKey(Key key) {
    switch (key) {
        case Key::Return:
            return Qt::Key_Return;
        case Key::Escape:
            return Qt::Key_Escape;
        case Key::Tab:
            return Qt::Key_Tab;
        case Key::Space:
            return Qt::Key_Space;
        case Key::Backspace:
            return Qt::Key_Backspace;
        case Key::Delete:
            return Qt::Key_Delete;
        case Key::Up:
            return Qt::Key_Up;
        case Key::Down:
            return Qt::Key_Down;
        case Key::Left:
            return Qt::Key_Left;
        case Key::Right:
            return Qt::Key_Right;
        case Key::Home:
            return Qt::Key_Home;
        case Key::End:
            return Qt::Key_End;
        case Key::F5:
            return Qt::Key_F5;
        case Key::F10:
            return Qt::Key_F10;
        case Key::Menu:
            return Qt::Key_Menu;
        case Key::A:
            return Qt::Key_A;
        case Key::C:
            return Qt::Key_C;
        case Key::V:
            return Qt::Key_V;
        case Key::Insert:
            return Qt::Key_Insert;
    }
    return Qt::Key_unknown;
}

// A right-click as the window system delivers it: the button, then the
// request for a shortcut menu at that point.
void RightClickWidgetAt(QWidget* widget, QPoint point) {
    QTest::mouseClick(widget, Qt::RightButton, {}, point);
    QContextMenuEvent event(QContextMenuEvent::Mouse, point, widget->mapToGlobal(point));
    QApplication::sendEvent(widget, &event);
}

Role RoleOf(QAccessible::Role role) {
    switch (role) {
        case QAccessible::Button:
            return Role::Button;
        case QAccessible::RadioButton:
            return Role::RadioButton;
        case QAccessible::Grouping:
            return Role::Grouping;
        case QAccessible::StaticText:
            return Role::StaticText;
        case QAccessible::Graphic:
            return Role::Graphic;
        case QAccessible::EditableText:
            return Role::EditableText;
        case QAccessible::ComboBox:
            return Role::ComboBox;
        case QAccessible::Table:
        case QAccessible::List:
            return Role::List;
        case QAccessible::Link:
            return Role::Link;
        default:
            return Role::Other;
    }
}

QString TextOf(const QWidget* widget) {
    if (const auto* edit = qobject_cast<const QLineEdit*>(widget)) {
        return edit->text();
    }
    if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) {
        return button->text();
    }
    if (const auto* label = qobject_cast<const QLabel*>(widget)) {
        return label->text();
    }
    if (const auto* box = qobject_cast<const QGroupBox*>(widget)) {
        return box->title();
    }
    if (const auto* combo = qobject_cast<const QComboBox*>(widget)) {
        return combo->currentText();
    }
    return {};
}

Rect ToRect(const QRect& r) {
    return Rect{r.x(), r.y(), r.width(), r.height()};
}

// The room a control gives its text, in its own coordinates: the style's
// content area of a button or a radio button, the title of a frame, a
// label's contents; a link draws its text 1 pixel in from each side.
QRect TextRoom(const QWidget* widget) {
    QStyle* style = widget->style();
    if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) {
        const auto* push = qobject_cast<const QPushButton*>(button);
        if (push != nullptr && push->isFlat()) {
            return button->rect().adjusted(1, 0, -1, 0);
        }
        QStyleOptionButton option;
        option.initFrom(button);
        option.text = button->text();
        option.rect = button->rect();
        const bool radio = qobject_cast<const QRadioButton*>(button) != nullptr;
        return style->subElementRect(
            radio ? QStyle::SE_RadioButtonContents : QStyle::SE_PushButtonContents, &option,
            button);
    }
    if (const auto* box = qobject_cast<const QGroupBox*>(widget)) {
        QStyleOptionGroupBox option;
        option.initFrom(box);
        option.text = box->title();
        option.rect = box->rect();
        option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
        option.textAlignment = box->alignment();
        return style->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, box);
    }
    return widget->contentsRect();
}

// A text's extent in the widget's font: to the ink of its widest line, and
// down its lines to the ink of the last; a mnemonic's "&" takes no room.
void MeasureText(const QWidget* widget, QString text, ControlInfo& info) {
    text.remove(QLatin1Char('&'));
    if (text.isEmpty()) {
        return;
    }
    const QFontMetrics metrics = widget->fontMetrics();
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (const QString& line : lines) {
        const int blankAfter = line.isEmpty() ? 0 : metrics.rightBearing(line.back());
        info.textWidth = std::max(info.textWidth, metrics.horizontalAdvance(line) - blankAfter);
    }
    info.textHeight = static_cast<int>(lines.size() - 1) * metrics.lineSpacing() +
                      metrics.tightBoundingRect(lines.last()).height();
    info.textRoom = ToRect(TextRoom(widget));
}

ControlInfo InfoOf(QWidget* widget, const QWidget* window, int id) {
    ControlInfo info;
    info.id = id;
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
    info.role = accessible != nullptr ? RoleOf(accessible->role()) : Role::Other;
    if (accessible != nullptr) {
        info.accessibleName = accessible->text(QAccessible::Name).toStdU16String();
    }
    info.rect = ToRect(widget->geometry());
    info.templateRect = info.rect;
    info.visible = widget->isVisibleTo(window);
    info.focusable = widget->focusPolicy() != Qt::NoFocus;
    info.stackIndex = static_cast<int>(widget->parent()->children().indexOf(widget));
    const auto* label = qobject_cast<const QLabel*>(widget);
    if (label != nullptr && !label->pixmap().isNull()) {
        const QSizeF size = QSizeF(label->pixmap().size()) / label->pixmap().devicePixelRatio();
        info.iconWidth = static_cast<int>(size.width());
        info.iconHeight = static_cast<int>(size.height());
        info.iconRoom = ToRect(label->contentsRect());
        return info;
    }
    info.text = TextOf(widget).toStdU16String();
    const bool measured = qobject_cast<const QAbstractButton*>(widget) != nullptr ||
                          qobject_cast<const QGroupBox*>(widget) != nullptr ||
                          (label != nullptr && !label->wordWrap());
    if (measured) {
        MeasureText(widget, TextOf(widget), info);
    }
    return info;
}

MenuEntry EntryOf(const QAction* action) {
    MenuEntry entry;
    entry.separator = action->isSeparator();
    entry.text = action->text().toStdU16String();
    entry.enabled = action->isEnabled();
    if (QMenu* submenu = action->menu()) {
        entry.submenu = MenuEntries(Window(submenu));
    } else {
        entry.command = action->data().toInt();
    }
    return entry;
}

QAction* ActionByText(QMenu* menu, std::u16string_view text) {
    for (QAction* action : menu->actions()) {
        if (!action->isSeparator() && action->text().toStdU16String() == text) {
            return action;
        }
    }
    return nullptr;
}

// As a hand does: a glide onto the item, then a click. Qt 6.8's menus ignore
// a pointer that has not moved since they opened (fewer than a few motions,
// or less than a drag's distance).
void GlideAndClick(QMenu* menu, QAction* action) {
    const QPoint at = menu->actionGeometry(action).center();
    for (int step = 8; step >= 0; --step) {
        QTest::mouseMove(menu, at + QPoint(step, 0));
    }
    QTest::mouseClick(menu, Qt::LeftButton, {}, at);
}

// A closed menu hands the activation back to the window it belongs to, as
// window systems do; the offscreen platform leaves the menu active.
void ReturnActivation(QMenu* menu) {
    QWidget* owner = menu->parentWidget() != nullptr ? menu->parentWidget()->window() : nullptr;
    QApplication::processEvents();  // the menu's own activation may still be on its way
    if (owner != nullptr && owner->isVisible() && QApplication::activeWindow() == menu) {
        owner->activateWindow();
        static_cast<void>(QTest::qWaitForWindowActive(owner, 1000));
    }
    QApplication::processEvents();
}

}  // namespace

void PrepareEnvironment() {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    setenv("TZ", "<+08>-8", 0);
}

double ScaleFactor() {
    bool ok = false;
    const double scale = qEnvironmentVariable("QT_SCALE_FACTOR").toDouble(&ok);
    return ok && scale > 0 ? scale : 1.0;
}

void RunPendingEvents() {
    QApplication::processEvents();
}

void Wait(int milliseconds) {
    QTest::qWait(milliseconds);
}

bool WaitUntil(const std::function<bool()>& done, int timeoutMs) {
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (clock.elapsed() > timeoutMs) {
            return false;
        }
        QTest::qWait(5);
    }
    return true;
}

void Later(std::function<void()> action) {
    // A timer, not a posted event: a modal loop that the handler of a posted
    // event opens does not see events posted meanwhile, but timers fire there.
    QTimer::singleShot(1, qApp, std::move(action));
}

Window ActiveModal() {
    return Window(QApplication::activeModalWidget());
}

Window ActiveMenu() {
    return Window(qobject_cast<QMenu*>(QApplication::activePopupWidget()));
}

Window WindowOf(const Dialog& dialog) {
    return Window(static_cast<QWidget*>(ui::DialogAccess::WindowOf(dialog)));
}

void Activate(Window window) {
    QWidget* widget = WidgetOf(window);
    widget->show();
    widget->activateWindow();
    static_cast<void>(QTest::qWaitForWindowActive(widget, 1000));
}

std::u16string Title(Window window) {
    return WidgetOf(window)->windowTitle().toStdU16String();
}

bool HasIcon(Window window) {
    return !WidgetOf(window)->windowIcon().isNull();
}

std::u16string MessageText(Window box) {
    const auto* messageBox = qobject_cast<QMessageBox*>(WidgetOf(box));
    return messageBox != nullptr ? messageBox->text().toStdU16String() : std::u16string();
}

bool IsVisible(Window window) {
    return WidgetOf(window)->isVisible();
}

bool IsMinimized(Window window) {
    return WidgetOf(window)->isMinimized();
}

bool IsMaximized(Window window) {
    return WidgetOf(window)->isMaximized();
}

Rect Placement(Window window) {
    return ToRect(WidgetOf(window)->geometry());
}

Rect ClientRect(Window window) {
    const QWidget* widget = WidgetOf(window);
    return Rect{0, 0, widget->width(), widget->height()};
}

Rect DialogUnitsInWindow(Window window, const Rect& dialogUnits) {
    const DialogWindow* dialog = DialogWindowOf(window);
    return dialog != nullptr ? DialogUnitsToPixels(dialogUnits, dialog->Units()) : Rect{};
}

void Close(Window window) {
    WidgetOf(window)->close();
    QApplication::processEvents();
}

void Resize(Window window, int width, int height) {
    WidgetOf(window)->resize(width, height);
    QApplication::processEvents();
}

void Minimize(Window window) {
    WidgetOf(window)->showMinimized();
    QApplication::processEvents();
}

void Restore(Window window) {
    WidgetOf(window)->showNormal();
    QApplication::processEvents();
}

void Repaint(Window window, int id) {
    QWidget* control = ControlOf(window, id);
    if (auto* area = qobject_cast<QAbstractScrollArea*>(control)) {
        area->viewport()->repaint();
    } else if (control != nullptr) {
        control->repaint();
    }
}

void Click(Window window, int id) {
    QTest::mouseClick(ControlOf(window, id), Qt::LeftButton);
}

void RightClickAt(Window window, int x, int y) {
    RightClickWidgetAt(WidgetOf(window), QPoint(x, y));
}

void TypeText(Window window, int id, std::u16string_view text) {
    QWidget* control = ControlOf(window, id);
    control->setFocus(Qt::OtherFocusReason);
    for (std::size_t i = 0; i < text.size(); ++i) {
        // A character outside the Basic Multilingual Plane is one key's text.
        const bool pair = text[i] >= 0xD800 && text[i] <= 0xDBFF && i + 1 < text.size();
        const QString typed = ToQString(text.substr(i, pair ? 2 : 1));
        if (pair) {
            ++i;
        }
        const QChar first = typed.front();
        int key = Qt::Key_unknown;
        if (first.unicode() < 0x80 && first.isLetterOrNumber()) {
            key = first.toUpper().unicode();
        } else if (first == u' ') {
            key = Qt::Key_Space;
        }
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, typed);
        QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, typed);
        QApplication::sendEvent(control, &press);
        QApplication::sendEvent(control, &release);
    }
}

void PressKey(Key key, unsigned modifiers) {
    QWidget* target = QApplication::activePopupWidget();
    if (target == nullptr) {
        target = QApplication::focusWidget();
    }
    if (target == nullptr) {
        target = QApplication::activeWindow();
    }
    QTest::keyClick(target, QtKey(key), QtModifiers(modifiers));
}

void ChooseComboItem(Window window, int id, int index) {
    auto* combo = qobject_cast<QComboBox*>(ControlOf(window, id));
    combo->setFocus(Qt::OtherFocusReason);
    combo->showPopup();
    QAbstractItemView* list = combo->view();
    WaitUntil([&] { return list->isVisible(); }, 1000);
    list->setCurrentIndex(list->model()->index(index, combo->modelColumn()));
    QTest::keyClick(list, Qt::Key_Return);
    WaitUntil([&] { return !list->isVisible(); }, 1000);
}

int RowCount(Window window, int id) {
    ReportView* list = ListOf(window, id);
    return list != nullptr ? list->model()->rowCount() : 0;
}

int ColumnCount(Window window, int id) {
    ReportView* list = ListOf(window, id);
    return list != nullptr ? list->model()->columnCount() : 0;
}

void ClickRow(Window window, int id, int row, unsigned modifiers, int column) {
    ReportView* list = ListOf(window, id);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, QtModifiers(modifiers),
                      CellMiddle(list, row, column));
}

void DoubleClickRow(Window window, int id, int row, int column) {
    ReportView* list = ListOf(window, id);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, CellMiddle(list, row, column));
}

void RightClickRow(Window window, int id, int row, int column) {
    ReportView* list = ListOf(window, id);
    RightClickWidgetAt(list->viewport(), CellMiddle(list, row, column));
}

void DoubleClickBelowRows(Window window, int id) {
    ReportView* list = ListOf(window, id);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, BelowRows(list));
}

void RightClickBelowRows(Window window, int id) {
    ReportView* list = ListOf(window, id);
    RightClickWidgetAt(list->viewport(), BelowRows(list));
}

void SelectRows(Window window, int id, const std::vector<int>& rows, int current) {
    ReportView* list = ListOf(window, id);
    QItemSelectionModel* selection = list->selectionModel();
    selection->clearSelection();
    for (const int row : rows) {
        selection->select(CellIndex(list, row, 0),
                          QItemSelectionModel::Select | QItemSelectionModel::Rows);
    }
    if (current >= 0) {
        selection->setCurrentIndex(CellIndex(list, current, 0), QItemSelectionModel::NoUpdate);
    }
}

void ClickHeading(Window window, int id, int column) {
    ReportView* list = ListOf(window, id);
    QHeaderView* header = list->horizontalHeader();
    const int x = header->sectionViewportPosition(column) + header->sectionSize(column) / 2;
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, QPoint(x, header->height() / 2));
}

ListLook LookOf(Window window, int id) {
    ReportView* list = ListOf(window, id);
    return {list->showGrid(), list->selectionBehavior() == QAbstractItemView::SelectRows};
}

std::u16string CellShown(Window window, int id, int row, int column) {
    ReportView* list = ListOf(window, id);
    return CellIndex(list, row, column).data(Qt::DisplayRole).toString().toStdU16String();
}

std::u16string Heading(Window window, int id, int column) {
    ReportView* list = ListOf(window, id);
    return list->model()
        ->headerData(column, Qt::Horizontal, Qt::DisplayRole)
        .toString()
        .toStdU16String();
}

std::u16string RowHint(Window window, int id, int row, int column) {
    ReportView* list = ListOf(window, id);
    const QModelIndex cell = CellIndex(list, row, column);
    const QString tip = cell.data(Qt::ToolTipRole).toString();
    // The same text is the cell's description to assistive technology.
    if (tip != cell.data(Qt::AccessibleDescriptionRole).toString()) {
        return u"(the tooltip and the accessible description differ)";
    }
    return tip.toStdU16String();
}

std::vector<MenuEntry> WindowMenu(Window window) {
    DialogWindow* dialog = DialogWindowOf(window);
    QMenu* menu = dialog->WindowMenu();
    emit menu->aboutToShow();  // the dialog sets its items' states, as before it opens
    std::vector<MenuEntry> entries = MenuEntries(Window(menu));
    return entries;
}

std::vector<MenuEntry> MenuEntries(Window menu) {
    std::vector<MenuEntry> entries;
    for (const QAction* action : static_cast<QMenu*>(menu.Native())->actions()) {
        entries.push_back(EntryOf(action));
    }
    return entries;
}

void ChooseMenuItem(Window menu, const std::vector<std::u16string>& path) {
    auto* current = static_cast<QMenu*>(menu.Native());
    auto* top = current;
    for (std::size_t level = 0; level < path.size() && current != nullptr; ++level) {
        QAction* action = ActionByText(current, path[level]);
        if (action == nullptr) {
            break;
        }
        if (level + 1 < path.size()) {
            current->setActiveAction(action);  // as resting the pointer on it opens it
            QMenu* submenu = action->menu();
            WaitUntil([&] { return submenu != nullptr && submenu->isVisible(); }, 1000);
            current = submenu;
        } else {
            GlideAndClick(current, action);
        }
    }
    WaitUntil([&] { return !top->isVisible(); }, 1000);
    ReturnActivation(top);
}

void DismissMenu(Window menu) {
    auto* popup = static_cast<QMenu*>(menu.Native());
    popup->hide();
    ReturnActivation(popup);
}

std::vector<ControlInfo> Controls(Window window) {
    std::vector<ControlInfo> controls;
    QWidget* widget = WidgetOf(window);
    if (const DialogWindow* dialog = DialogWindowOf(window)) {
        const DialogTemplate* dialogTemplate = FindTemplate(dialog->TemplateId());
        const std::vector<QWidget*>& widgets = dialog->TemplateWidgets();
        for (std::size_t i = 0; i < widgets.size(); ++i) {
            const ControlTemplate& control = dialogTemplate->controls[i];
            ControlInfo info = InfoOf(widgets[i], widget, control.id);
            const Rect templated = DialogUnitsToPixels(control.rect, dialog->Units());
            info.templateRect = templated;
            if (control.cls == ControlClass::ComboBox) {
                info.templateRect.height = info.rect.height;  // the closed list
            }
            controls.push_back(info);
        }
        return controls;
    }
    // Any other window (a message box): every control inside it, placed in
    // its client area.
    for (QWidget* child : widget->findChildren<QWidget*>()) {
        bool isNumber = false;
        const int id = child->objectName().toInt(&isNumber);
        ControlInfo info = InfoOf(child, widget, isNumber ? id : 0);
        const QPoint at = child->mapTo(widget, QPoint(0, 0));
        info.rect.x = at.x();
        info.rect.y = at.y();
        info.templateRect = info.rect;
        controls.push_back(info);
    }
    return controls;
}

int StackIndexOf(Window child) {
    const QWidget* widget = WidgetOf(child);
    return static_cast<int>(widget->parent()->children().indexOf(widget));
}

Accessible AccessibleOf(Window window, int id) {
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(ControlOf(window, id));
    if (accessible == nullptr) {
        return {};
    }
    return {RoleOf(accessible->role()), accessible->text(QAccessible::Name).toStdU16String()};
}

bool IsReadOnly(Window window, int id) {
    const auto* edit = qobject_cast<QLineEdit*>(ControlOf(window, id));
    return edit == nullptr || edit->isReadOnly();
}

std::u16string ControlText(Window window, int id) {
    const QWidget* control = ControlOf(window, id);
    return control != nullptr ? TextOf(control).toStdU16String() : std::u16string();
}

std::u16string ClipboardText() {
    return QGuiApplication::clipboard()->text().toStdU16String();
}

void SetClipboardText(std::u16string_view text) {
    QGuiApplication::clipboard()->setText(ToQString(text));
}

std::optional<PictureSize> SaveScreenshot(Window window, std::string_view name) {
    QDir dir(QStringLiteral(TICKWRIGHT_SCREENSHOT_DIR));
    dir.mkpath(QStringLiteral("."));
    const QString scale = qEnvironmentVariable("QT_SCALE_FACTOR");
    const QString suffix = scale.isEmpty() || scale == QStringLiteral("1")
                               ? QString()
                               : QStringLiteral("@") + scale + QStringLiteral("x");
    const QString path =
        dir.filePath(QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())) + suffix +
                     QStringLiteral(".png"));
    QApplication::processEvents();
    const QPixmap picture = WidgetOf(window)->grab();
    if (!picture.save(path)) {
        return std::nullopt;
    }
    return PictureSize{picture.width(), picture.height()};
}

}  // namespace ui::test
