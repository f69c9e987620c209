// Waits for a top-level X window with a given title, then asks it to close the
// way a window manager's close box does: a WM_DELETE_WINDOW client message.
// Exit status 0 when the window was found and asked, 1 otherwise.
//
//   close_like_a_window_manager TITLE [SECONDS]
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <thread>

namespace {

bool HasTitle(Display* display, Window window, const std::string& title) {
    char* name = nullptr;
    if (XFetchName(display, window, &name) == 0 || name == nullptr) {
        return false;
    }
    const bool match = title == name;
    XFree(name);
    return match;
}

Window FindByTitle(Display* display, Window parent, const std::string& title) {
    Window root = 0;
    Window parentOut = 0;
    Window* children = nullptr;
    unsigned int count = 0;
    if (XQueryTree(display, parent, &root, &parentOut, &children, &count) == 0) {
        return 0;
    }
    Window found = 0;
    for (unsigned int i = 0; i < count && found == 0; ++i) {
        XWindowAttributes attributes;
        if (XGetWindowAttributes(display, children[i], &attributes) != 0 &&
            attributes.map_state == IsViewable && HasTitle(display, children[i], title)) {
            found = children[i];
        } else {
            found = FindByTitle(display, children[i], title);
        }
    }
    if (children != nullptr) {
        XFree(children);
    }
    return found;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s TITLE [SECONDS]\n", argv[0]);
        return 2;
    }
    const std::string title = argv[1];
    const int seconds = argc > 2 ? std::atoi(argv[2]) : 30;
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        std::fprintf(stderr, "no X display\n");
        return 1;
    }
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
    Window window = 0;
    while (window == 0 && std::chrono::steady_clock::now() < deadline) {
        window = FindByTitle(display, DefaultRootWindow(display), title);
        if (window == 0) {
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
        }
    }
    if (window == 0) {
        std::fprintf(stderr, "no window titled '%s' appeared within %d s\n", title.c_str(),
                     seconds);
        XCloseDisplay(display);
        return 1;
    }
    std::printf("found window 0x%lx titled '%s'\n", window, title.c_str());

    XEvent event;
    std::memset(&event, 0, sizeof event);
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = static_cast<long>(XInternAtom(display, "WM_DELETE_WINDOW", False));
    event.xclient.data.l[1] = CurrentTime;
    XSendEvent(display, window, False, NoEventMask, &event);
    XFlush(display);
    XCloseDisplay(display);
    std::printf("sent WM_DELETE_WINDOW\n");
    return 0;
}
