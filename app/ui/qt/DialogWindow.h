#pragma once

// The Qt window behind a ui::Dialog. Internal to the layer: dialog classes
// reach it only through ui::Dialog.

#include <QDialog>
#include <QFont>
#include <map>
#include <set>
#include <vector>

#include "app/ui/DialogTemplate.h"
#include "app/ui/DialogUnits.h"
#include "app/ui/WindowOwner.h"

class QAbstractButton;
class QButtonGroup;
class QLabel;
class QMenu;
class QTimer;

namespace ui {

class DialogWindow : public QDialog {
    Q_OBJECT
public:
    // The extent of the standard icon an icon static shows.
    static constexpr int kIconExtent = 32;

    // Builds the controls and gives the links their addresses; the owner
    // fills the combo items.
    DialogWindow(WindowOwner& owner, const DialogTemplate& dialogTemplate, QWidget* parentWidget,
                 bool child);
    ~DialogWindow() override;

    void DetachOwner() { m_owner = nullptr; }
    WindowOwner* Owner() const { return m_owner; }
    bool IsChild() const { return m_child; }
    int TemplateId() const { return m_template.id; }

    QWidget* Control(int id) const;
    // Every control's widget, in template order (the order of its controls).
    const std::vector<QWidget*>& TemplateWidgets() const { return m_templateWidgets; }
    // Id of the control `widget` belongs to (a combo's inner widgets count as
    // the combo), or 0 when it belongs to no control of this dialog.
    int IdOf(const QWidget* widget) const;
    BaseUnits Units() const { return m_units; }

    void SetTimer(int id, int milliseconds);
    void KillTimer(int id);
    bool IsTimerRunning(int id) const;

    QMenu* WindowMenu();
    bool HasMinimizeBox() const;
    void OpenWindowMenu(const QPoint& globalPos);

    // The dialog manager's Enter and Escape for a top-level dialog: Enter
    // presses the focused push button or else the default button, Escape
    // cancels.
    void DefaultKeyDown(int key);
    void FocusFirstTabStop();
    // Moves the focus and the check to the next (step 1) or previous (-1)
    // button of `radio`'s group, as the arrow keys do.
    void MoveInRadioGroup(QAbstractButton* radio, int step);

    void reject() override;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void BuildControls();
    QWidget* CreateControl(const ControlTemplate& control, int& radioGroup);
    QWidget* CreateButton(const ControlTemplate& control, int radioGroup);
    QWidget* CreateStatic(const ControlTemplate& control);
    QWidget* CreateList(const ControlTemplate& control);
    QRect PixelRect(const ControlTemplate& control) const;
    static QRect TextStaticRect(const QRect& templated, const QLabel* label);
    void OnClicked(int id);
    void OnRadioClicked(QAbstractButton* radio);
    QButtonGroup* RadioGroup(int number);
    void UpdateRadioTabStop(QButtonGroup* group);
    void PressButton(int id);
    void ApplyLinkAddresses();

    WindowOwner* m_owner;
    const DialogTemplate& m_template;
    bool m_child;
    BaseUnits m_units;
    QFont m_font;
    std::map<int, QWidget*> m_controls;
    std::vector<QWidget*> m_templateWidgets;
    std::map<int, QButtonGroup*> m_radioGroups;  // by template group
    std::set<QButtonGroup*> m_tabStopGroups;
    std::map<int, QTimer*> m_timers;
    QMenu* m_windowMenu = nullptr;
    int m_defaultButtonId = 0;
};

}  // namespace ui
