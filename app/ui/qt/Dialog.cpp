#include "app/ui/Dialog.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QCursor>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTimer>

#include "app/ui/DialogAccess.h"
#include "app/ui/MainWindow.h"
#include "app/ui/MessageBoxes.h"
#include "app/ui/qt/DialogWindow.h"
#include "app/ui/qt/Fonts.h"
#include "app/ui/qt/Icons.h"
#include "app/ui/qt/QtText.h"
#include "app/ui/qt/ReportModelAdapter.h"
#include "app/ui/qt/ReportView.h"

namespace ui {

namespace {

// Control `id` of the dialog as a W, or nullptr when the dialog has no window,
// no such control, or the control is of another kind.
template <class W = QWidget>
W* ControlAs(const Dialog& dialog, int id) {
    DialogWindow* window = ui::DialogAccess::WindowOf(dialog);
    return window != nullptr ? qobject_cast<W*>(window->Control(id)) : nullptr;
}

ReportModelAdapter* AdapterOf(const Dialog& dialog, int id) {
    auto* view = ControlAs<ReportView>(dialog, id);
    return view != nullptr ? view->Adapter() : nullptr;
}

}  // namespace

Dialog::Dialog(int templateId, Dialog* parent) : m_templateId(templateId), m_parent(parent) {}

Dialog::~Dialog() {
    DialogWindow* window = m_window.release();
    if (window != nullptr) {
        window->DetachOwner();
        delete window;
    }
}

void Dialog::WindowDestroyed() {
    static_cast<void>(m_window.release());
}

bool Dialog::Build(bool child) {
    const DialogTemplate* dialogTemplate = TemplateToBuild();
    if (dialogTemplate == nullptr || m_window != nullptr) {
        return false;
    }
    QWidget* parentWidget = nullptr;
    if (child) {
        if (m_parent == nullptr || m_parent->m_window == nullptr) {
            return false;
        }
        parentWidget = m_parent->m_window.get();
    } else if (Dialog* owner = TopLevelOwner()) {
        parentWidget = owner->m_window.get();
    }
    m_window = std::make_unique<DialogWindow>(*this, *dialogTemplate, parentWidget, child);
    FillTemplateCombos();
    return true;
}

int Dialog::DoModal() {
    if (!Build(false)) {
        return -1;
    }
    m_window->setWindowModality(Qt::ApplicationModal);
    if (OnInitDialog()) {
        m_window->FocusFirstTabStop();
    }
    const int result = m_window->exec();
    return result == IDOK ? IDOK : IDCANCEL;
}

bool Dialog::Create() {
    if (!Build(true)) {
        return false;
    }
    m_window->setVisible((FindTemplate(m_templateId)->style & WS_VISIBLE) != 0);
    // A page is the background of the area it fills: controls of the dialog
    // around it that reach into that area are drawn over it.
    m_window->lower();
    OnInitDialog();
    return true;
}

bool Dialog::CreateModeless() {
    if (!Build(false)) {
        return false;
    }
    const bool focus = OnInitDialog();
    m_window->show();
    if (focus) {
        m_window->FocusFirstTabStop();
    }
    return true;
}

void Dialog::EndDialog(int result) {
    if (m_window != nullptr) {
        m_window->done(result);
    }
}

void Dialog::ShowWindow(bool show) {
    if (m_window != nullptr) {
        m_window->setVisible(show);
    }
}

bool Dialog::IsWindowVisible() const {
    return m_window != nullptr && m_window->isVisible();
}

void Dialog::MoveWindow(const Rect& rect) {
    if (m_window != nullptr) {
        m_window->setGeometry(rect.x, rect.y, rect.width, rect.height);
    }
}

Rect Dialog::GetClientRect() const {
    if (m_window == nullptr) {
        return {};
    }
    return Rect{0, 0, m_window->width(), m_window->height()};
}

void Dialog::SetIcon(int iconId) {
    if (m_window == nullptr) {
        return;
    }
    // The window goes up first and its icon follows at the next turn of the
    // event loop: decoding the pictures, and the image plugins Qt loads to
    // read them, would otherwise hold back the window by most of what the
    // program adds to a bare Qt window's start-up.
    QTimer::singleShot(0, m_window.get(), [window = m_window.get(), iconId] {
        window->setWindowIcon(WindowIconFor(iconId, window->devicePixelRatioF()));
    });
}

std::u16string Dialog::GetWindowText() const {
    return m_window != nullptr ? FromQString(m_window->windowTitle()) : std::u16string();
}

bool Dialog::HasItem(int id) const {
    return ControlAs(*this, id) != nullptr;
}

std::u16string Dialog::GetItemText(int id) const {
    QWidget* widget = ControlAs(*this, id);
    if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
        return FromQString(edit->text());
    }
    if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
        return FromQString(button->text());
    }
    if (auto* label = qobject_cast<QLabel*>(widget)) {
        return FromQString(label->text());
    }
    if (auto* combo = qobject_cast<QComboBox*>(widget)) {
        return FromQString(combo->currentText());
    }
    return {};
}

void Dialog::SetItemText(int id, std::u16string_view text) {
    QWidget* widget = ControlAs(*this, id);
    const QString value = ToQString(text);
    if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
        edit->setText(value);
        edit->setCursorPosition(0);  // show the start of a long value, as a new edit would
    } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
        button->setText(value);
    } else if (auto* label = qobject_cast<QLabel*>(widget)) {
        label->setText(value);
    }
}

void Dialog::MoveItem(int id, const Rect& rect) {
    if (QWidget* widget = ControlAs(*this, id)) {
        widget->setGeometry(rect.x, rect.y, rect.width, rect.height);
    }
}

Rect Dialog::GetItemClientRect(int id) const {
    QWidget* widget = ControlAs(*this, id);
    if (widget == nullptr) {
        return {};
    }
    if (auto* view = qobject_cast<QAbstractScrollArea*>(widget)) {
        const QSize inner = view->contentsRect().size();
        return Rect{0, 0, inner.width(), inner.height()};
    }
    return Rect{0, 0, widget->width(), widget->height()};
}

void Dialog::SetItemFont(int id, const Font& font) {
    if (QWidget* widget = ControlAs(*this, id); widget != nullptr && font.IsCreated()) {
        widget->setFont(FontOf(font.Description()));
    }
}

void Dialog::SetFocusTo(int id) {
    if (QWidget* widget = ControlAs(*this, id)) {
        widget->setFocus(Qt::OtherFocusReason);
    }
}

int Dialog::GetFocusId() const {
    return m_window != nullptr ? m_window->IdOf(QApplication::focusWidget()) : 0;
}

bool Dialog::GetCheck(int id) const {
    auto* button = ControlAs<QAbstractButton>(*this, id);
    return button != nullptr && button->isChecked();
}

void Dialog::SetCheck(int id, bool checked) {
    auto* button = ControlAs<QAbstractButton>(*this, id);
    if (button != nullptr && button->isCheckable()) {
        button->setChecked(checked);
    }
}

void Dialog::SetReadOnly(int id, bool readOnly) {
    auto* edit = ControlAs<QLineEdit>(*this, id);
    if (edit == nullptr) {
        return;
    }
    edit->setReadOnly(readOnly);  // the style gives it the read-only look
}

bool Dialog::IsReadOnly(int id) const {
    auto* edit = ControlAs<QLineEdit>(*this, id);
    return edit != nullptr && edit->isReadOnly();
}

int Dialog::ComboInsertAt(int id, int index, std::u16string_view text) {
    auto* combo = ControlAs<QComboBox>(*this, id);
    if (combo == nullptr) {
        return -1;
    }
    const QString item = ToQString(text);
    index = std::clamp(index, 0, combo->count());
    const QSignalBlocker quiet(combo);
    const int selected = combo->currentIndex();
    combo->insertItem(index, item);
    // Adding never selects: a list without a selection stays without one.
    combo->setCurrentIndex(selected < 0 ? -1 : (index <= selected ? selected + 1 : selected));
    return index;
}

void Dialog::ComboSetCurSel(int id, int index) {
    auto* combo = ControlAs<QComboBox>(*this, id);
    if (combo != nullptr) {
        combo->setCurrentIndex(index >= 0 && index < combo->count() ? index : -1);
    }
}

int Dialog::ComboGetCurSel(int id) const {
    auto* combo = ControlAs<QComboBox>(*this, id);
    return combo != nullptr ? combo->currentIndex() : -1;
}

int Dialog::ComboGetCount(int id) const {
    auto* combo = ControlAs<QComboBox>(*this, id);
    return combo != nullptr ? combo->count() : 0;
}

std::u16string Dialog::ComboGetItemText(int id, int index) const {
    auto* combo = ControlAs<QComboBox>(*this, id);
    return combo != nullptr ? FromQString(combo->itemText(index)) : std::u16string();
}

void Dialog::ReportSetModel(int id, ReportModel* model) {
    if (ReportModelAdapter* adapter = AdapterOf(*this, id)) {
        adapter->SetModel(model);
    }
}

const ReportModel* Dialog::ReportGetModel(int id) const {
    const ReportModelAdapter* adapter = AdapterOf(*this, id);
    return adapter != nullptr ? adapter->Model() : nullptr;
}

void Dialog::ReportInsertColumn(int id, int column, std::u16string_view heading, int width) {
    ReportModelAdapter* adapter = AdapterOf(*this, id);
    if (adapter == nullptr) {
        return;
    }
    adapter->InsertColumn(column, ToQString(heading));
    ControlAs<ReportView>(*this, id)->setColumnWidth(
        std::clamp(column, 0, adapter->columnCount() - 1), width);
}

int Dialog::ReportGetColumnCount(int id) const {
    ReportModelAdapter* adapter = AdapterOf(*this, id);
    return adapter != nullptr ? adapter->columnCount() : 0;
}

int Dialog::ReportGetColumnWidth(int id, int column) const {
    auto* view = ControlAs<ReportView>(*this, id);
    return view != nullptr ? view->columnWidth(column) : 0;
}

StyleFlags Dialog::ReportGetExtendedStyle(int id) const {
    auto* view = ControlAs<ReportView>(*this, id);
    return view != nullptr ? view->ExtendedStyle() : 0;
}

void Dialog::ReportSetExtendedStyle(int id, StyleFlags style) {
    if (auto* view = ControlAs<ReportView>(*this, id)) {
        view->ApplyExtendedStyle(style);
    }
}

std::vector<int> Dialog::ReportRowsActedOn(int id, int row) const {
    auto* view = ControlAs<ReportView>(*this, id);
    if (view == nullptr || row < 0) {
        return {};
    }
    const QList<int> rows = view->RowsActedOn(row);
    return std::vector<int>(rows.begin(), rows.end());
}

void Dialog::SetTimer(int id, int milliseconds) {
    if (m_window != nullptr) {
        m_window->SetTimer(id, milliseconds);
    }
}

void Dialog::KillTimer(int id) {
    if (m_window != nullptr) {
        m_window->KillTimer(id);
    }
}

bool Dialog::IsTimerRunning(int id) const {
    return m_window != nullptr && m_window->IsTimerRunning(id);
}

int Dialog::MessageBox(std::u16string_view text, std::u16string_view caption, StyleFlags style) {
    return ShowMessageBox(
        MessageBoxRequest{this, std::u16string(text), std::u16string(caption), style});
}

void Dialog::AppendWindowMenuSeparator() {
    if (m_window != nullptr) {
        m_window->WindowMenu()->addSeparator();
    }
}

void Dialog::AppendWindowMenuItem(int command, std::u16string_view text) {
    if (m_window != nullptr) {
        QAction* action = m_window->WindowMenu()->addAction(ToQString(text));
        action->setData(command);
    }
}

namespace {

QAction* WindowMenuAction(DialogWindow* window, int command) {
    if (window == nullptr) {
        return nullptr;
    }
    for (QAction* action : window->WindowMenu()->actions()) {
        if (!action->isSeparator() && action->data().toInt() == command) {
            return action;
        }
    }
    return nullptr;
}

}  // namespace

void Dialog::EnableWindowMenuItem(int command, bool enabled) {
    if (QAction* action = WindowMenuAction(m_window.get(), command)) {
        action->setEnabled(enabled);
    }
}

bool Dialog::IsWindowMenuItemEnabled(int command) const {
    const QAction* action = WindowMenuAction(m_window.get(), command);
    return action != nullptr && action->isEnabled();
}

namespace {

void AddMenuItems(QMenu& menu, const std::vector<Dialog::MenuItem>& items) {
    for (const Dialog::MenuItem& item : items) {
        if (item.submenu.empty()) {
            QAction* action = menu.addAction(ToQString(item.text));
            action->setData(item.command);
            action->setEnabled(item.enabled);
            continue;
        }
        QMenu* submenu = menu.addMenu(ToQString(item.text));
        submenu->setFont(menu.font());
        submenu->setEnabled(item.enabled);
        AddMenuItems(*submenu, item.submenu);
    }
}

}  // namespace

int Dialog::TrackPopupMenu(const std::vector<MenuItem>& items) {
    if (m_window == nullptr) {
        return 0;
    }
    QMenu menu(m_window.get());
    menu.setObjectName(QStringLiteral("popupMenu"));
    menu.setFont(ShellFont());
    AddMenuItems(menu, items);
    const QAction* chosen = menu.exec(QCursor::pos());
    return chosen != nullptr ? chosen->data().toInt() : 0;
}

bool Dialog::PreTranslateKeyDown(int) {
    return false;
}

void Dialog::DefaultSysCommand(int command) {
    if (m_window == nullptr) {
        return;
    }
    switch (command & 0xFFF0) {
        case SC_MINIMIZE:
            if (m_window->HasMinimizeBox()) {
                m_window->showMinimized();
            }
            break;
        case SC_CLOSE:
            m_window->close();
            break;
        default:
            break;
    }
}

bool Dialog::Deliver(const Event& event) {
    return DispatchEvent(event);
}

}  // namespace ui
