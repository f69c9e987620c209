#pragma once

// The application: one object, whose start-up runs the main window modally
// for the whole life of the program.

namespace tickwright {

class CTickwrightApp {
public:
    CTickwrightApp() = default;

    // Sets up the window system, runs the main window until it closes, and
    // returns false: there is no message loop after it.
    bool InitInstance();
};

extern CTickwrightApp theApp;

}  // namespace tickwright
