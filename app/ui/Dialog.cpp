#include "app/ui/Dialog.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>

#include "app/ui/DialogWindow.h"
#include "app/ui/LayerResources.h"
#include "app/ui/ReportModelAdapter.h"
#include "app/ui/ReportView.h"
#include "app/ui/Services.h"

namespace ui {

namespace {

QString ToQString(std::u16string_view text) {
    return QString(reinterpret_cast<const QChar*>(text.data()),
                   static_cast<qsizetype>(text.size()));
}

// Text as a classic control hands it out: up to its first NUL.
std::u16string FromQString(const QString& text) {
    std::u16string result = text.toStdU16String();
    const std::size_t nul = result.find(u'\0');
    if (nul != std::u16string::npos) {
        result.resize(nul);
    }
    return result;
}

int CompareForSort(const QString& a, const QString& b) {
    return QString::compare(a.toCaseFolded(), b.toCaseFolded(), Qt::CaseSensitive);
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
    const DialogTemplate* dialogTemplate = FindTemplate(m_templateId);
    if (dialogTemplate == nullptr || m_window != nullptr) {
        return false;
    }
    QWidget* parentWidget = nullptr;
    if (child) {
        if (m_parent == nullptr || m_parent->m_window == nullptr) {
            return false;
        }
        parentWidget = m_parent->m_window.get();
    } else {
        Dialog* owner = m_parent != nullptr ? m_parent : MainWindow();
        if (owner != nullptr && owner != this && owner->m_window != nullptr) {
            parentWidget = owner->m_window.get();
        }
    }
    m_window = std::make_unique<DialogWindow>(*this, *dialogTemplate, parentWidget, child);
    m_window->ApplyInitData();
    return true;
}

int Dialog::DoModal() {
    if (!Build(false)) {
        return IDCANCEL;
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

void Dialog::SetWindowText(std::u16string_view text) {
    if (m_window != nullptr) {
        m_window->setWindowTitle(ToQString(text));
    }
}

void Dialog::SetIcon(int iconId) {
    if (m_window != nullptr) {
        m_window->setWindowIcon(IconFor(iconId));
    }
}

std::u16string Dialog::GetWindowText() const {
    return m_window != nullptr ? FromQString(m_window->windowTitle()) : std::u16string();
}

bool Dialog::HasItem(int id) const {
    return m_window != nullptr && m_window->Control(id) != nullptr;
}

std::u16string Dialog::GetItemText(int id) const {
    QWidget* widget = m_window != nullptr ? m_window->Control(id) : nullptr;
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
    QWidget* widget = m_window != nullptr ? m_window->Control(id) : nullptr;
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

void Dialog::ShowItem(int id, bool show) {
    if (QWidget* widget = m_window != nullptr ? m_window->Control(id) : nullptr) {
        widget->setVisible(show);
    }
}

void Dialog::MoveItem(int id, const Rect& rect) {
    if (QWidget* widget = m_window != nullptr ? m_window->Control(id) : nullptr) {
        widget->setGeometry(rect.x, rect.y, rect.width, rect.height);
    }
}

Rect Dialog::GetItemClientRect(int id) const {
    QWidget* widget = m_window != nullptr ? m_window->Control(id) : nullptr;
    if (widget == nullptr) {
        return {};
    }
    if (auto* view = qobject_cast<QAbstractScrollArea*>(widget)) {
        const QSize inner = view->contentsRect().size();
        return Rect{0, 0, inner.width(), inner.height()};
    }
    return Rect{0, 0, widget->width(), widget->height()};
}

void Dialog::SetItemFont(int id, const FontSpec& fontSpec) {
    if (QWidget* widget = m_window != nullptr ? m_window->Control(id) : nullptr) {
        QFont font(QString::fromStdU16String(FamilyForFace(fontSpec.face)));
        font.setPixelSize(PointsToPixels(fontSpec.pointSize));
        widget->setFont(font);
    }
}

void Dialog::SetFocusTo(int id) {
    if (QWidget* widget = m_window != nullptr ? m_window->Control(id) : nullptr) {
        widget->setFocus(Qt::OtherFocusReason);
    }
}

int Dialog::GetFocusId() const {
    return m_window != nullptr ? m_window->IdOf(QApplication::focusWidget()) : 0;
}

bool Dialog::GetCheck(int id) const {
    auto* button =
        qobject_cast<QAbstractButton*>(m_window != nullptr ? m_window->Control(id) : nullptr);
    return button != nullptr && button->isChecked();
}

void Dialog::SetCheck(int id, bool checked) {
    auto* button =
        qobject_cast<QAbstractButton*>(m_window != nullptr ? m_window->Control(id) : nullptr);
    if (button != nullptr && button->isCheckable()) {
        button->setChecked(checked);
    }
}

void Dialog::SetReadOnly(int id, bool readOnly) {
    auto* edit = qobject_cast<QLineEdit*>(m_window != nullptr ? m_window->Control(id) : nullptr);
    if (edit == nullptr) {
        return;
    }
    edit->setReadOnly(readOnly);
    // Read-only fields look like the dialog behind them, as users expect.
    QPalette palette = edit->palette();
    palette.setColor(QPalette::Base, readOnly ? m_window->palette().color(QPalette::Window)
                                              : m_window->palette().color(QPalette::Base));
    edit->setPalette(palette);
}

bool Dialog::IsReadOnly(int id) const {
    auto* edit = qobject_cast<QLineEdit*>(m_window != nullptr ? m_window->Control(id) : nullptr);
    return edit != nullptr && edit->isReadOnly();
}

int Dialog::ComboAddString(int id, std::u16string_view text) {
    auto* combo = qobject_cast<QComboBox*>(m_window != nullptr ? m_window->Control(id) : nullptr);
    if (combo == nullptr) {
        return -1;
    }
    const QString item = ToQString(text);
    int index = combo->count();
    if (combo->property("sorted").toBool()) {
        index = 0;
        while (index < combo->count() && CompareForSort(combo->itemText(index), item) <= 0) {
            ++index;
        }
    }
    const QSignalBlocker quiet(combo);
    const int selected = combo->currentIndex();
    combo->insertItem(index, item);
    // Adding never selects: a list without a selection stays without one.
    combo->setCurrentIndex(selected < 0 ? -1 : (index <= selected ? selected + 1 : selected));
    return index;
}

void Dialog::ComboSetCurSel(int id, int index) {
    auto* combo = qobject_cast<QComboBox*>(m_window != nullptr ? m_window->Control(id) : nullptr);
    if (combo != nullptr) {
        combo->setCurrentIndex(index >= 0 && index < combo->count() ? index : -1);
    }
}

int Dialog::ComboGetCurSel(int id) const {
    auto* combo = qobject_cast<QComboBox*>(m_window != nullptr ? m_window->Control(id) : nullptr);
    return combo != nullptr ? combo->currentIndex() : -1;
}

int Dialog::ComboGetCount(int id) const {
    auto* combo = qobject_cast<QComboBox*>(m_window != nullptr ? m_window->Control(id) : nullptr);
    return combo != nullptr ? combo->count() : 0;
}

std::u16string Dialog::ComboGetItemText(int id, int index) const {
    auto* combo = qobject_cast<QComboBox*>(m_window != nullptr ? m_window->Control(id) : nullptr);
    return combo != nullptr ? FromQString(combo->itemText(index)) : std::u16string();
}

void Dialog::ReportSetModel(int id, ReportModel* model) {
    if (ReportModelAdapter* adapter = m_window != nullptr ? m_window->Adapter(id) : nullptr) {
        adapter->SetModel(model);
    }
}

void Dialog::ReportInsertColumn(int id, int column, std::u16string_view heading, int width) {
    ReportModelAdapter* adapter = m_window != nullptr ? m_window->Adapter(id) : nullptr;
    if (adapter == nullptr) {
        return;
    }
    adapter->InsertColumn(column, ToQString(heading));
    auto* view = static_cast<ReportView*>(m_window->Control(id));
    view->setColumnWidth(std::clamp(column, 0, adapter->columnCount() - 1), width);
}

int Dialog::ReportGetColumnCount(int id) const {
    ReportModelAdapter* adapter = m_window != nullptr ? m_window->Adapter(id) : nullptr;
    return adapter != nullptr ? adapter->columnCount() : 0;
}

int Dialog::ReportGetColumnWidth(int id, int column) const {
    auto* view = qobject_cast<ReportView*>(m_window != nullptr ? m_window->Control(id) : nullptr);
    return view != nullptr ? view->columnWidth(column) : 0;
}

StyleFlags Dialog::ReportGetExtendedStyle(int id) const {
    auto* view = qobject_cast<ReportView*>(m_window != nullptr ? m_window->Control(id) : nullptr);
    return view != nullptr ? view->ExtendedStyle() : 0;
}

void Dialog::ReportSetExtendedStyle(int id, StyleFlags style) {
    if (auto* view =
            qobject_cast<ReportView*>(m_window != nullptr ? m_window->Control(id) : nullptr)) {
        view->ApplyExtendedStyle(style);
    }
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

bool Dialog::PreTranslateKeyDown(int) {
    return false;
}

void Dialog::DefaultSysCommand(int command) {
    if (m_window == nullptr) {
        return;
    }
    switch (command & 0xFFF0) {
        case SC_MINIMIZE:
            m_window->showMinimized();
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
