#pragma once

// Message maps: a static table per dialog class that routes notifications to
// member handlers. The table is typed on the dialog class, so a handler of
// another class does not compile:
//
//   const ui::MessageMap<DlgSimple>& DlgSimple::GetMessageMap() {
//       static const ui::MessageMap<DlgSimple> map = {
//           ui::OnClicked(res::IDC_SIMPLE_TO_TIMESTAMP, &DlgSimple::OnBnClickedToTimestamp),
//           ui::OnTimerMessage(&DlgSimple::OnTimer),
//       };
//       return map;
//   }

#include <initializer_list>
#include <vector>

namespace ui {

enum class Notification {
    Clicked,        // a button; id = the button
    Timer,          // a timer; first = the timer id
    DoubleClicked,  // a list; id = the list, first = row, second = column (-1 off any row)
    RightClicked,   // a list, on a row; id = the list, first = row, second = column
    InitMenu,       // the window menu is about to open
    Size,           // the dialog was resized
    SysCommand,     // a window-menu command; first = the command id
    PasteKey,       // a list with the focus: Ctrl+V (or Shift+Insert); id = the list
};

struct Event {
    Notification code = Notification::Clicked;
    int id = 0;
    int first = 0;
    int second = 0;
};

template <class D>
struct MessageMapEntry {
    Notification code;
    int id;  // control id; ignored for timers, size and system commands
    void (D::*noArgs)() = nullptr;
    void (D::*oneArg)(int) = nullptr;
    void (D::*twoArgs)(int, int) = nullptr;
};

template <class D>
using MessageMap = std::vector<MessageMapEntry<D>>;

template <class D>
MessageMapEntry<D> OnClicked(int id, void (D::*handler)()) {
    return {Notification::Clicked, id, handler, nullptr, nullptr};
}

template <class D>
MessageMapEntry<D> OnTimerMessage(void (D::*handler)(int)) {
    return {Notification::Timer, 0, nullptr, handler, nullptr};
}

template <class D>
MessageMapEntry<D> OnDoubleClicked(int id, void (D::*handler)(int, int)) {
    return {Notification::DoubleClicked, id, nullptr, nullptr, handler};
}

template <class D>
MessageMapEntry<D> OnRightClicked(int id, void (D::*handler)(int, int)) {
    return {Notification::RightClicked, id, nullptr, nullptr, handler};
}

template <class D>
MessageMapEntry<D> OnPasteKey(int id, void (D::*handler)()) {
    return {Notification::PasteKey, id, handler, nullptr, nullptr};
}

template <class D>
MessageMapEntry<D> OnInitMenuMessage(void (D::*handler)()) {
    return {Notification::InitMenu, 0, handler, nullptr, nullptr};
}

template <class D>
MessageMapEntry<D> OnSizeMessage(void (D::*handler)()) {
    return {Notification::Size, 0, handler, nullptr, nullptr};
}

template <class D>
MessageMapEntry<D> OnSysCommandMessage(void (D::*handler)(int)) {
    return {Notification::SysCommand, 0, nullptr, handler, nullptr};
}

// Runs the first entry that matches the event; false when none does, so the
// caller can fall back to the default handling.
template <class D>
bool DispatchMessage(D& dialog, const MessageMap<D>& map, const Event& event) {
    const bool matchesAnyId =
        event.code == Notification::Timer || event.code == Notification::Size ||
        event.code == Notification::SysCommand || event.code == Notification::InitMenu;
    for (const MessageMapEntry<D>& entry : map) {
        if (entry.code != event.code || (!matchesAnyId && entry.id != event.id)) {
            continue;
        }
        if (entry.noArgs != nullptr) {
            (dialog.*entry.noArgs)();
        } else if (entry.oneArg != nullptr) {
            (dialog.*entry.oneArg)(event.first);
        } else if (entry.twoArgs != nullptr) {
            (dialog.*entry.twoArgs)(event.first, event.second);
        }
        return true;
    }
    return false;
}

}  // namespace ui

// Declares the message map of a dialog class and routes the layer's events to it.
#define UI_DECLARE_MESSAGE_MAP(Class)                                \
public:                                                              \
    static const ::ui::MessageMap<Class>& GetMessageMap();           \
                                                                     \
protected:                                                           \
    bool DispatchEvent(const ::ui::Event& event) override {          \
        return ::ui::DispatchMessage(*this, GetMessageMap(), event); \
    }                                                                \
                                                                     \
private:
