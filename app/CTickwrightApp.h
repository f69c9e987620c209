#pragma once

// The application: one object, whose start-up runs the main window modally
// for the whole life of the program.

namespace tickwright {

class CTickwrightApp {
public:
    CTickwrightApp() = default;

    // Sets up the window system, runs the main window until it closes, and
    // returns false: there is no message loop after it. A main window that
    // could not be made is reported in a message box, with the system's
    // reason, and leaves ExitCode() at 1.
    bool InitInstance();
    // What the process exits with: 0, or 1 when the main window could not be
    // made.
    int ExitCode() const { return m_exitCode; }

private:
    int m_exitCode = 0;
};

extern CTickwrightApp theApp;

}  // namespace tickwright
