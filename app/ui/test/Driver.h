#pragma once

// The GUI tests' hands and eyes. A test drives the program's real windows
// through these verbs as a user would (a click is a click at the control's
// middle, typing is key presses, a key reaches the focused control through
// the window system's own events), and looks at them as a user or an
// assistive tool would (the text a cell shows, a control's rectangle, its
// accessible name, the clipboard, a screenshot). The verbs speak the layer's
// contract: windows, control ids, VK-free neutral keys, rectangles in the
// contract's pixels. Each backend implements them (test/qt, test/win32), so
// one test runs on both.
//
//   ui::test::Click(ui::test::WindowOf(page), res::IDC_CONVERT);
//   ui::test::PressKey(ui::test::Key::Return);
//   EXPECT_EQ(ui::test::CellShown(main, res::IDC_HISTORY, 0, 1), u"1700000000123");
//
// Modal windows and menus run their own loop: WithModal and WithMenu open one
// and act in it once it is up. A menu's loop reads the input meant for it
// itself, so what acts in a menu only looks and chooses (MenuEntries,
// ChooseMenuItem, DismissMenu, SaveScreenshot, OnNextModal) and waits for
// nothing; the menu goes on once it returns.
//
//   ui::test::WithModal([&] { about.DoModal(); },
//                       [](ui::test::Window) { ui::test::PressKey(ui::test::Key::Escape); });

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/ui/Dialog.h"
#include "app/ui/DialogTemplate.h"
#include "app/ui/DialogUnits.h"
#include "app/ui/MessageBoxes.h"

namespace ui::test {

// A window of the program as the driver finds it: a dialog's window or page,
// a message box, a save dialog, a menu. Empty when there is none.
class Window {
public:
    Window() = default;
    explicit Window(void* native) : m_native(native) {}
    void* Native() const { return m_native; }
    explicit operator bool() const { return m_native != nullptr; }
    friend bool operator==(Window, Window) = default;

private:
    void* m_native = nullptr;
};

// ---- Set-up, for a test program's main, before the window system starts:
// the environment the tests expect (no real display needed, the local zone
// UTC+08:00 unless one is set).
void PrepareEnvironment();

// The scale the windows are drawn at: 1, 1.5 or 2 (a screen's 96, 144 or 192
// dots to the inch).
double ScaleFactor();

// ---- Events.
// Handles every event that is waiting, as the message loop would.
void RunPendingEvents();
// Runs the event loop for `milliseconds`: timers fire.
void Wait(int milliseconds);
// Runs the event loop until `done` holds; false when `timeoutMs` passed first.
bool WaitUntil(const std::function<bool()>& done, int timeoutMs = 2000);
// Runs `action` once the event loop next turns, also inside a modal loop
// that opens meanwhile.
void Later(std::function<void()> action);
// The modal dialog, message box or file dialog in front, or none.
Window ActiveModal();
// The shortcut or window menu that is open, or none.
Window ActiveMenu();

// ---- Windows.
// Builds a top-level dialog's window and shows it without a modal loop, to
// look at it and act on it as it stands; false when it could not be made.
bool ShowModeless(Dialog& dialog);
Window WindowOf(const Dialog& dialog);
// Makes the window the active one, as a click on it would.
void Activate(Window window);
std::u16string Title(Window window);
// Whether the window shows the program's icon in its title bar.
bool HasIcon(Window window);
// The message a message box shows.
std::u16string MessageText(Window box);
bool IsVisible(Window window);
bool IsMinimized(Window window);
bool IsMaximized(Window window);
// Where a child window (a page) stands in its parent's client area, and
// how large its client area is.
Rect Placement(Window window);
Rect ClientRect(Window window);
// A rectangle in dialog units as the window lays its template out, in its
// client area: as the layer maps them with fixed base units on Qt, as the
// dialog manager does with the template's font at the screen's DPI on
// Windows.
Rect DialogUnitsInWindow(Window window, const Rect& dialogUnits);
// As the close box does.
void Close(Window window);
// As dragging the frame does: the client area to `width` x `height`.
void Resize(Window window, int width, int height);
// As the minimize box, and as a click on the task bar's button after it.
void Minimize(Window window);
void Restore(Window window);
// Draws the window now, as the window system does when it is uncovered.
void Repaint(Window window, int id);

// ---- Input, through the window system's events.
enum class Key {
    Return,
    Escape,
    Tab,
    Space,
    Backspace,
    Delete,
    Up,
    Down,
    Left,
    Right,
    Home,
    End,
    F5,
    F10,   // alone, on Windows, it enters the menu mode
    Menu,  // the menu key
    A,
    C,
    V,
    Insert,
};
enum Modifier : unsigned {
    kNoModifier = 0,
    kShift = 1,
    kControl = 2,
    kAlt = 4,
};
// A click of the left button on the middle of control `id`.
void Click(Window window, int id);
// A click with the right button on the window's background at (x, y).
void RightClickAt(Window window, int x, int y);
// The focus to control `id`, then each character as a key press.
void TypeText(Window window, int id, std::u16string_view text);
// A key press (down and up) to whatever has the keyboard focus.
void PressKey(Key key, unsigned modifiers = kNoModifier);
// Opens the drop-down list `id` and chooses item `index`, which the list
// reports to the dialog as a user's choice does.
void ChooseComboItem(Window window, int id, int index);

// ---- The report-view list `id`.
int RowCount(Window window, int id);
int ColumnCount(Window window, int id);
// A click, a double-click or a right-click on a cell of `row` (by default
// the second column); `modifiers` as held on the keyboard.
void ClickRow(Window window, int id, int row, unsigned modifiers = kNoModifier, int column = 1);
void DoubleClickRow(Window window, int id, int row, int column = 1);
void RightClickRow(Window window, int id, int row, int column = 1);
// The same below the last row, where no row is.
void DoubleClickBelowRows(Window window, int id);
void RightClickBelowRows(Window window, int id);
// Selects exactly `rows` (none: clears the selection) and makes `current`
// the row the keyboard acts on (-1: leaves it).
void SelectRows(Window window, int id, const std::vector<int>& rows, int current = -1);
// A click on the heading of `column`.
void ClickHeading(Window window, int id, int column);
// How the list draws its rows.
struct ListLook {
    bool gridLines = false;
    bool fullRowSelect = false;  // a click selects the whole row, not a cell
};
ListLook LookOf(Window window, int id);
// The text a cell shows, a column's heading, the hint of a row's cell (its
// tooltip; the text a screen reader gives as its description).
std::u16string CellShown(Window window, int id, int row, int column);
std::u16string Heading(Window window, int id, int column);
std::u16string RowHint(Window window, int id, int row, int column);

// ---- Menus.
struct MenuEntry {
    int command = 0;  // 0 for a separator and for an item that opens a submenu
    std::u16string text;
    bool separator = false;
    bool enabled = true;
    std::vector<MenuEntry> submenu = {};
};
// The window menu as it would open now.
std::vector<MenuEntry> WindowMenu(Window window);
// The entries of an open menu (ActiveMenu).
std::vector<MenuEntry> MenuEntries(Window menu);
// Chooses the item at `path` (texts, a submenu's first) of the open menu as
// a hand does with the pointer, and waits until the menu has closed.
void ChooseMenuItem(Window menu, const std::vector<std::u16string>& path);
// Closes the open menu without choosing.
void DismissMenu(Window menu);

// ---- What a window shows.
enum class Role {
    Button,
    RadioButton,
    Grouping,
    StaticText,
    Graphic,
    EditableText,
    ComboBox,
    List,
    Link,
    Other,
};
struct ControlInfo {
    int id = 0;                     // as the template gives it; -1 for a label or a frame
    Role role = Role::Other;        // as assistive technology learns it
    std::u16string accessibleName;  // likewise
    Rect rect;                      // in the window's client area
    Rect templateRect;              // the template's rectangle as the backend maps it
    bool visible = false;
    bool focusable = false;
    std::u16string text;
    // The room its text has (in the control's own coordinates) and the text's
    // extent there in the font it is drawn with: to the ink of the widest
    // line (its advance less the blank after its last character, which a
    // room may cut without cutting anything seen), and the ink's height down
    // the lines. Both empty without text.
    Rect textRoom;
    int textWidth = 0;
    int textHeight = 0;
    // A picture's size and the room it has; empty without one.
    int iconWidth = 0;
    int iconHeight = 0;
    Rect iconRoom;
    // Drawing order among the window's children: higher is drawn later.
    int stackIndex = 0;
};
// The controls of a dialog's window in template order; of any other window
// (a message box) its child controls.
std::vector<ControlInfo> Controls(Window window);
// A child window's place in its parent's drawing order (as stackIndex).
int StackIndexOf(Window child);
// What assistive technology learns of control `id`.
struct Accessible {
    Role role = Role::Other;
    std::u16string name;
};
Accessible AccessibleOf(Window window, int id);
// Whether control `id` takes typing (an edit that is not read-only).
bool IsReadOnly(Window window, int id);
std::u16string ControlText(Window window, int id);

// ---- Output.
std::u16string ClipboardText();
void SetClipboardText(std::u16string_view text);
// Saves what the window shows as <build>/screenshots/NAME.png, the scale in
// the name when it is not 1 ("about_box@2x.png"); the picture's size in
// screen pixels, or nothing when it could not be written.
struct PictureSize {
    int width = 0;
    int height = 0;
    friend bool operator==(PictureSize, PictureSize) = default;
};
std::optional<PictureSize> SaveScreenshot(Window window, std::string_view name);

// ---- Shared helpers, the same for every backend (Driver.cpp).
// The message boxes a test provokes, recorded instead of shown, for the life
// of the object.
class MessageBoxRecorder {
public:
    MessageBoxRecorder();
    ~MessageBoxRecorder();
    MessageBoxRecorder(const MessageBoxRecorder&) = delete;
    MessageBoxRecorder& operator=(const MessageBoxRecorder&) = delete;

    std::vector<MessageBoxRequest> boxes;
};

// Opens a menu with `open` (a key, a click) and runs `act` on it once it is
// up, whether the menu runs a loop of its own, as shortcut menus and the
// Windows system menu do, or not; false when no menu opened.
bool WithMenu(const std::function<void()>& open, std::function<void(Window menu)> act);
// The same for a modal window (a dialog, a message box) that `open` runs.
bool WithModal(const std::function<void()>& open, std::function<void(Window modal)> act);
// Runs `act` in the next modal window that opens, without waiting for it:
// for a window a menu item opens.
void OnNextModal(std::function<void(Window modal)> act);

// The entries' texts, a separator as "-".
std::vector<std::u16string> TextsOf(const std::vector<MenuEntry>& entries);
// The entry whose command is `command`, or nothing.
std::optional<MenuEntry> FindCommand(const std::vector<MenuEntry>& entries, int command);

}  // namespace ui::test
