// What the driver does the same way on every backend.
#include "app/ui/test/Driver.h"

#include <memory>

#include "app/ui/DialogAccess.h"
#include "app/ui/MessageBoxes.h"

namespace ui::test {

bool ShowModeless(Dialog& dialog) {
    return DialogAccess::CreateModeless(dialog);
}

MessageBoxRecorder::MessageBoxRecorder() {
    SetMessageBoxHandler([this](const MessageBoxRequest& request) {
        boxes.push_back(request);
        return IDOK;
    });
}

MessageBoxRecorder::~MessageBoxRecorder() {
    SetMessageBoxHandler({});
}

namespace {

enum class State { Waiting, Acted, NothingOpened };

// Runs `act` on whatever `find` finds once it is there, from inside the loop
// that may be running then, and records how it went in `state`. The check
// comes back at every turn of the event loop rather than waiting where it
// is: it may first come while the window is still on its way.
void WhenFound(std::function<Window()> find, std::function<void(Window)> act, bool activate,
               std::shared_ptr<State> state) {
    auto check = std::make_shared<std::function<void(int)>>();
    *check = [state, find = std::move(find), act = std::move(act), activate,
              weak = std::weak_ptr<std::function<void(int)>>(check)](int turnsLeft) {
        const Window window = find();
        if (window) {
            if (activate) {
                Activate(window);
            }
            act(window);
            *state = State::Acted;
        } else if (turnsLeft == 0) {
            *state = State::NothingOpened;
        } else if (const auto again = weak.lock()) {
            Later([again, turnsLeft] { (*again)(turnsLeft - 1); });
        }
    };
    constexpr int kTurns = 2000;  // a few seconds of the loop's turns
    Later([check] { (*check)(kTurns); });
}

bool WhenItOpens(const std::function<void()>& open, std::function<Window()> find,
                 std::function<void(Window)> act, bool activate) {
    // Shared with the deferred check, which outlives this frame when nothing
    // opens in time.
    auto state = std::make_shared<State>(State::Waiting);
    WhenFound(std::move(find), std::move(act), activate, state);
    open();
    WaitUntil([&] { return *state != State::Waiting; }, 5000);
    return *state == State::Acted;
}

}  // namespace

bool WithMenu(const std::function<void()>& open, std::function<void(Window menu)> act) {
    return WhenItOpens(open, &ActiveMenu, std::move(act), false);
}

bool WithModal(const std::function<void()>& open, std::function<void(Window modal)> act) {
    return WhenItOpens(open, &ActiveModal, std::move(act), true);
}

void OnNextModal(std::function<void(Window modal)> act) {
    WhenFound(&ActiveModal, std::move(act), true, std::make_shared<State>(State::Waiting));
}

std::vector<std::u16string> TextsOf(const std::vector<MenuEntry>& entries) {
    std::vector<std::u16string> texts;
    for (const MenuEntry& entry : entries) {
        texts.push_back(entry.separator ? u"-" : entry.text);
    }
    return texts;
}

std::optional<MenuEntry> FindCommand(const std::vector<MenuEntry>& entries, int command) {
    for (const MenuEntry& entry : entries) {
        if (!entry.separator && entry.submenu.empty() && entry.command == command) {
            return entry;
        }
        if (std::optional<MenuEntry> inner = FindCommand(entry.submenu, command)) {
            return inner;
        }
    }
    return std::nullopt;
}

}  // namespace ui::test
