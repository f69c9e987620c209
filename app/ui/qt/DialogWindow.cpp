#include "app/ui/qt/DialogWindow.h"

#include <QButtonGroup>
#include <QCloseEvent>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include "app/ui/Dialog.h"
#include "app/ui/MessageBoxes.h"
#include "app/ui/UrlOpener.h"
#include "app/ui/qt/Fonts.h"
#include "app/ui/qt/Icons.h"
#include "app/ui/qt/LinkButton.h"
#include "app/ui/qt/QtText.h"
#include "app/ui/qt/ReportView.h"

namespace ui {

namespace {

bool HasStyle(StyleFlags style, StyleFlags flag) {
    return (style & flag) == flag;
}

StyleFlags ButtonKind(StyleFlags style) {
    return style & BS_TYPEMASK;
}

// A static's kind is its low five bits.
bool IsIconStatic(StyleFlags style) {
    return (style & 0x1Fu) == SS_ICON;
}

Qt::WindowFlags TopLevelFlags(StyleFlags style) {
    Qt::WindowFlags flags = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    if (HasStyle(style, WS_SYSMENU)) {
        flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    }
    if (HasStyle(style, WS_MINIMIZEBOX)) {
        flags |= Qt::WindowMinimizeButtonHint;
    }
    return flags;
}

}  // namespace

DialogWindow::DialogWindow(WindowOwner& owner, const DialogTemplate& dialogTemplate,
                           QWidget* parentWidget, bool child)
    : QDialog(parentWidget, child ? Qt::Widget : TopLevelFlags(dialogTemplate.style)),
      m_owner(&owner),
      m_template(dialogTemplate),
      m_child(child),
      m_units(BaseUnitsOf(dialogTemplate.font)) {
    if (child) {
        setWindowFlags(Qt::Widget);  // QDialog turns a flagless widget into a window
    }
    setObjectName(QStringLiteral("template%1").arg(dialogTemplate.id));
    m_font = FontOf(dialogTemplate.font);
    setFont(m_font);
    setSizeGripEnabled(false);
    setWindowTitle(ToQString(dialogTemplate.caption));

    const Rect client =
        DialogUnitsToPixels(Rect{0, 0, dialogTemplate.width, dialogTemplate.height}, m_units);
    if (child || HasStyle(dialogTemplate.style, WS_THICKFRAME)) {
        resize(client.width, client.height);
    } else {
        setFixedSize(client.width, client.height);
    }
    BuildControls();
    ApplyLinkAddresses();
}

DialogWindow::~DialogWindow() {
    if (m_owner != nullptr) {
        m_owner->WindowDestroyed();
    }
}

QRect DialogWindow::PixelRect(const ControlTemplate& control) const {
    Rect r = DialogUnitsToPixels(control.rect, m_units);
    if (control.cls == ControlClass::ComboBox) {
        // A drop-down list's template height is that of its open list; closed
        // it is as tall as its font needs.
        r.height = std::min(r.height, QFontMetrics(m_font).height() + 8);
    }
    return QRect(r.x, r.y, r.width, r.height);
}

QRect DialogWindow::TextStaticRect(const QRect& templated, const QLabel* label) {
    // The nominal faces fit their line in the template's box; the faces
    // standing in for them need a taller line and draw a little wider. Grow
    // the static around the template's box, the line centred on it so the
    // glyphs stand where the template put them, and rightward to the text's
    // width, rather than cut anything off.
    const QFontMetrics metrics = label->fontMetrics();
    QRect rect = templated;
    const int lineHeight = metrics.height();
    if (lineHeight > rect.height()) {
        rect.setTop(templated.top() - (lineHeight - templated.height()) / 2);
        rect.setHeight(lineHeight);
    }
    rect.setWidth(std::max(rect.width(), metrics.horizontalAdvance(label->text())));
    return rect;
}

void DialogWindow::BuildControls() {
    int radioGroup = 0;
    QWidget* previousTabStop = nullptr;
    std::vector<QWidget*> groupBoxes;
    for (const ControlTemplate& control : m_template.controls) {
        if (HasStyle(control.style, WS_GROUP)) {
            ++radioGroup;
        }
        QWidget* widget = CreateControl(control, radioGroup);
        widget->setObjectName(QString::number(control.id));
        if (!control.accessibleName.empty()) {
            widget->setAccessibleName(ToQString(control.accessibleName));
        }
        m_templateWidgets.push_back(widget);
        QRect geometry = PixelRect(control);
        if (qobject_cast<QLabel*>(widget) != nullptr && !IsIconStatic(control.style)) {
            geometry = TextStaticRect(geometry, static_cast<QLabel*>(widget));
        }
        widget->setGeometry(geometry);
        widget->setVisible(HasStyle(control.style, WS_VISIBLE));
        if (control.id != -1 && m_controls.count(control.id) == 0) {
            m_controls[control.id] = widget;
        }
        auto* radio = qobject_cast<QRadioButton*>(widget);
        if (radio != nullptr && HasStyle(control.style, WS_TABSTOP)) {
            m_tabStopGroups.insert(radio->group());
        }
        const bool tabStop = HasStyle(control.style, WS_TABSTOP) ||
                             (radio != nullptr && m_tabStopGroups.count(radio->group()) != 0);
        if (widget->focusPolicy() != Qt::NoFocus) {
            if (!tabStop) {
                widget->setFocusPolicy(Qt::ClickFocus);
            } else {
                if (previousTabStop != nullptr) {
                    setTabOrder(previousTabStop, widget);
                }
                previousTabStop = widget;
            }
        }
        if (qobject_cast<QGroupBox*>(widget) != nullptr) {
            groupBoxes.push_back(widget);
        }
    }
    for (QButtonGroup* group : m_tabStopGroups) {
        UpdateRadioTabStop(group);
    }
    // Frames stay behind the controls they surround and take no clicks.
    for (QWidget* frame : groupBoxes) {
        frame->lower();
    }
}

QWidget* DialogWindow::CreateControl(const ControlTemplate& control, int& radioGroup) {
    switch (control.cls) {
        case ControlClass::Button:
            return CreateButton(control, radioGroup);
        case ControlClass::Edit: {
            auto* edit = new QLineEdit(this);
            edit->setFrame(HasStyle(control.style, WS_BORDER));
            edit->setReadOnly(HasStyle(control.style, ES_READONLY));
            edit->setFocusPolicy(Qt::StrongFocus);
            return edit;
        }
        case ControlClass::Static:
            return CreateStatic(control);
        case ControlClass::ComboBox: {
            auto* combo = new QComboBox(this);
            combo->setEditable(false);
            combo->setMaxVisibleItems(30);
            combo->setFocusPolicy(Qt::StrongFocus);
            return combo;
        }
        case ControlClass::ListView:
            return CreateList(control);
        case ControlClass::Link: {
            auto* link = new LinkButton(ToQString(control.text), this);
            link->setFocusPolicy(Qt::StrongFocus);
            link->SetOpenHandler([this](const QString& url) {
                OpenLink(m_owner != nullptr ? m_owner->AsDialog() : nullptr, FromQString(url));
            });
            return link;
        }
    }
    return new QWidget(this);
}

QWidget* DialogWindow::CreateButton(const ControlTemplate& control, int radioGroup) {
    const QString text = ToQString(control.text);
    const StyleFlags kind = ButtonKind(control.style);
    if (kind == BS_GROUPBOX) {
        auto* frame = new QGroupBox(text, this);
        frame->setAttribute(Qt::WA_TransparentForMouseEvents);
        frame->setFocusPolicy(Qt::NoFocus);
        return frame;
    }
    if (kind == BS_AUTORADIOBUTTON) {
        auto* radio = new QRadioButton(text, this);
        // Exclusivity is the layer's, by template group: Qt's would also stop
        // the program from clearing every button of a group. A non-exclusive
        // button group per template group leaves it to the layer, and keeps
        // the buttons radio buttons to assistive technology.
        RadioGroup(radioGroup)->addButton(radio);
        radio->setFocusPolicy(Qt::StrongFocus);
        const int id = control.id;
        connect(radio, &QRadioButton::clicked, this, [this, radio, id] {
            OnRadioClicked(radio);
            OnClicked(id);
        });
        connect(radio, &QRadioButton::toggled, this,
                [this, radio] { UpdateRadioTabStop(radio->group()); });
        return radio;
    }
    auto* button = new QPushButton(text, this);
    // Enter is the layer's to route, never Qt's auto-default machinery.
    button->setAutoDefault(false);
    button->setDefault(false);
    button->setFocusPolicy(Qt::StrongFocus);
    if (kind == BS_DEFPUSHBUTTON && m_defaultButtonId == 0) {
        m_defaultButtonId = control.id;
        button->setProperty("defaultButton", true);
        button->setDefault(true);  // the look of a default button only
    }
    const int id = control.id;
    connect(button, &QPushButton::clicked, this, [this, id] { OnClicked(id); });
    return button;
}

QWidget* DialogWindow::CreateStatic(const ControlTemplate& control) {
    auto* label = new QLabel(this);
    label->setFocusPolicy(Qt::NoFocus);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setTextFormat(Qt::PlainText);
    if (IsIconStatic(control.style)) {
        // An icon static shows the standard 32-pixel icon whole, centred in
        // the control however the template's units round; at any scale the
        // picture is drawn from the size that matches the screen's pixels.
        label->setPixmap(IconFor(control.iconId)
                             .pixmap(QSize(kIconExtent, kIconExtent), label->devicePixelRatioF()));
        label->setAlignment(Qt::AlignCenter);
    } else {
        label->setText(ToQString(control.text));
    }
    return label;
}

QWidget* DialogWindow::CreateList(const ControlTemplate& control) {
    auto* view = new ReportView(this);
    // The classic list control's border is a 2-pixel sunken edge; the main
    // window's layout rule counts on the client area it leaves.
    view->setFrameStyle(HasStyle(control.style, WS_BORDER) ? QFrame::WinPanel | QFrame::Sunken
                                                           : QFrame::NoFrame);
    view->setFocusPolicy(Qt::StrongFocus);
    const int id = control.id;
    connect(view, &ReportView::DoubleClicked, this, [this, id](int row, int column) {
        if (m_owner != nullptr) {
            m_owner->Deliver(Event{Notification::DoubleClicked, id, row, column});
        }
    });
    connect(view, &ReportView::CopyKeyPressed, this, [this, id](const std::vector<int>& rows) {
        if (m_owner != nullptr) {
            m_owner->AsDialog()->ReportCopyRows(id, rows);
        }
    });
    connect(view, &ReportView::PasteKeyPressed, this, [this, id] {
        if (m_owner != nullptr) {
            m_owner->Deliver(Event{Notification::PasteKey, id, 0, 0});
        }
    });
    view->SetRightClickHandler([this, id](int row, int column) {
        return m_owner != nullptr &&
               m_owner->Deliver(Event{Notification::RightClicked, id, row, column});
    });
    return view;
}

void DialogWindow::ApplyLinkAddresses() {
    for (const InitData& init : m_template.initData) {
        if (auto* link = qobject_cast<LinkButton*>(Control(init.controlId))) {
            link->SetUrl(ToQString(init.linkUrl));
        }
    }
}

QWidget* DialogWindow::Control(int id) const {
    const auto it = m_controls.find(id);
    return it != m_controls.end() ? it->second : nullptr;
}

int DialogWindow::IdOf(const QWidget* widget) const {
    for (const QWidget* w = widget; w != nullptr && w != this; w = w->parentWidget()) {
        if (w->parentWidget() == this) {
            for (const auto& [id, control] : m_controls) {
                if (control == w) {
                    return id;
                }
            }
            return 0;
        }
    }
    return 0;
}

void DialogWindow::SetTimer(int id, int milliseconds) {
    QTimer*& timer = m_timers[id];
    if (timer == nullptr) {
        timer = new QTimer(this);
        connect(timer, &QTimer::timeout, this, [this, id] {
            if (m_owner != nullptr) {
                m_owner->Deliver(Event{Notification::Timer, 0, id, 0});
            }
        });
    }
    timer->start(std::max(0, milliseconds));
}

void DialogWindow::KillTimer(int id) {
    const auto it = m_timers.find(id);
    if (it != m_timers.end()) {
        it->second->stop();
    }
}

bool DialogWindow::IsTimerRunning(int id) const {
    const auto it = m_timers.find(id);
    return it != m_timers.end() && it->second->isActive();
}

QMenu* DialogWindow::WindowMenu() {
    if (m_windowMenu == nullptr) {
        m_windowMenu = new QMenu(this);
        m_windowMenu->setObjectName(QStringLiteral("windowMenu"));
        m_windowMenu->setFont(ShellFont());
        // Only a window with a minimize box may be minimized: an application-
        // modal dialog minimized would leave nothing the user can reach.
        if (HasMinimizeBox()) {
            QAction* minimize = m_windowMenu->addAction(QStringLiteral("最小化(&N)"));
            minimize->setData(SC_MINIMIZE);
        }
        QAction* close = m_windowMenu->addAction(QStringLiteral("关闭(&C)\tAlt+F4"));
        close->setData(SC_CLOSE);
        connect(m_windowMenu, &QMenu::aboutToShow, this, [this] {
            if (m_owner != nullptr) {
                m_owner->Deliver(Event{Notification::InitMenu, 0, 0, 0});
            }
        });
        connect(m_windowMenu, &QMenu::triggered, this, [this](QAction* action) {
            if (m_owner != nullptr) {
                const int command = action->data().toInt();
                if (!m_owner->Deliver(Event{Notification::SysCommand, 0, command, 0})) {
                    m_owner->DefaultSysCommand(command);
                }
            }
        });
    }
    return m_windowMenu;
}

bool DialogWindow::HasMinimizeBox() const {
    return !m_child && HasStyle(m_template.style, WS_MINIMIZEBOX);
}

void DialogWindow::OpenWindowMenu(const QPoint& globalPos) {
    WindowMenu()->popup(globalPos);
}

void DialogWindow::OnClicked(int id) {
    if (m_owner == nullptr) {
        return;
    }
    if (m_owner->Deliver(Event{Notification::Clicked, id, 0, 0})) {
        return;
    }
    if (id == IDOK) {
        m_owner->OnOK();
    } else if (id == IDCANCEL) {
        m_owner->OnCancel();
    }
}

void DialogWindow::OnRadioClicked(QAbstractButton* radio) {
    for (QAbstractButton* other : radio->group()->buttons()) {
        other->setChecked(other == radio);
    }
}

QButtonGroup* DialogWindow::RadioGroup(int number) {
    QButtonGroup*& group = m_radioGroups[number];
    if (group == nullptr) {
        group = new QButtonGroup(this);
        group->setExclusive(false);
    }
    return group;
}

void DialogWindow::UpdateRadioTabStop(QButtonGroup* group) {
    // A group of radio buttons is one tab stop, and Tab lands on its checked
    // button (the first when none is), as the classic dialog manager does.
    if (group == nullptr || m_tabStopGroups.count(group) == 0) {
        return;
    }
    const QList<QAbstractButton*> buttons = group->buttons();
    QAbstractButton* stop = buttons.isEmpty() ? nullptr : buttons.front();
    for (QAbstractButton* button : buttons) {
        if (button->isChecked()) {
            stop = button;
            break;
        }
    }
    for (QAbstractButton* button : buttons) {
        button->setFocusPolicy(button == stop ? Qt::StrongFocus : Qt::ClickFocus);
    }
}

void DialogWindow::MoveInRadioGroup(QAbstractButton* radio, int step) {
    // Arrow keys move the check with the focus, each move acting as a click
    // on the button reached.
    const QList<QAbstractButton*> buttons = radio->group()->buttons();
    const auto count = static_cast<int>(buttons.size());
    const int next = (static_cast<int>(buttons.indexOf(radio)) + step % count + count) % count;
    QAbstractButton* reached = buttons[next];
    reached->setFocus(Qt::TabFocusReason);
    if (!reached->isChecked()) {
        reached->click();
    }
}

void DialogWindow::PressButton(int id) {
    if (auto* button = qobject_cast<QPushButton*>(Control(id)); button != nullptr) {
        if (button->isEnabled() && button->isVisible()) {
            button->click();
            return;
        }
    }
    OnClicked(id);
}

void DialogWindow::DefaultKeyDown(int key) {
    if (m_owner == nullptr) {
        return;
    }
    if (key == VK_ESCAPE) {
        m_owner->OnCancel();
        return;
    }
    if (key != VK_RETURN) {
        return;
    }
    const int focused = IdOf(focusWidget());
    auto* focusedButton = qobject_cast<QPushButton*>(Control(focused));
    if (focusedButton != nullptr && qobject_cast<LinkButton*>(focusedButton) == nullptr) {
        PressButton(focused);
    } else if (m_defaultButtonId != 0) {
        PressButton(m_defaultButtonId);
    } else if (focusedButton != nullptr) {
        focusedButton->click();
    }
}

void DialogWindow::FocusFirstTabStop() {
    for (const ControlTemplate& control : m_template.controls) {
        QWidget* widget = control.id != -1 ? Control(control.id) : nullptr;
        if (widget != nullptr && HasStyle(control.style, WS_TABSTOP) && widget->isEnabled() &&
            !widget->isHidden()) {
            widget->setFocus(Qt::TabFocusReason);
            return;
        }
    }
}

void DialogWindow::reject() {
    // Qt calls this for Escape and for closing; both belong to the layer.
    if (m_owner != nullptr && !m_child) {
        m_owner->OnCancel();
    }
}

void DialogWindow::keyPressEvent(QKeyEvent* event) {
    // Enter and Escape were routed before the event got here; nothing else
    // of QDialog's key handling (default buttons, reject) may act.
    event->ignore();
}

void DialogWindow::closeEvent(QCloseEvent* event) {
    event->ignore();
    if (m_owner != nullptr && !m_child) {
        m_owner->OnCancel();
    }
}

void DialogWindow::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    if (m_owner != nullptr) {
        m_owner->Deliver(Event{Notification::Size, 0, width(), height()});
    }
}

void DialogWindow::contextMenuEvent(QContextMenuEvent* event) {
    if (m_child) {
        event->ignore();  // the page's background belongs to the window around it
        return;
    }
    OpenWindowMenu(event->globalPos());
}

}  // namespace ui
