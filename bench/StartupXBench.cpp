// Start-up as a user sees it: from exec to the main window mapped on the X
// server, and the peak memory until then, of Tickwright against a floor (a
// separate plain Qt 6 program showing the same window). Runs both in turn,
// fresh processes each time, and prints the medians and their ratios.
//
//   startup_x_bench TICKWRIGHT FLOOR [RUNS]     (needs DISPLAY, e.g. xvfb-run)
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

struct Sample {
    double ms = 0;
    long peakKiB = 0;
};

// The process that owns `window`, as the window says (_NET_WM_PID), or 0.
pid_t OwnerOf(Display* display, Window window) {
    const Atom property = XInternAtom(display, "_NET_WM_PID", True);
    if (property == None) {
        return 0;
    }
    Atom type = None;
    int format = 0;
    unsigned long count = 0;
    unsigned long after = 0;
    unsigned char* data = nullptr;
    pid_t owner = 0;
    if (XGetWindowProperty(display, window, property, 0, 1, False, XA_CARDINAL, &type, &format,
                           &count, &after, &data) == Success &&
        data != nullptr && count == 1 && format == 32) {
        owner = static_cast<pid_t>(*reinterpret_cast<unsigned long*>(data));
    }
    if (data != nullptr) {
        XFree(data);
    }
    return owner;
}

// Waits until a top-level window of `pid` is mapped; false after 20 s.
bool WaitForMap(Display* display, pid_t pid) {
    const Clock::time_point deadline = Clock::now() + std::chrono::seconds(20);
    while (Clock::now() < deadline) {
        while (XPending(display) > 0) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type == MapNotify && !event.xmap.override_redirect &&
                OwnerOf(display, event.xmap.window) == pid) {
                return true;
            }
        }
        pollfd connection{ConnectionNumber(display), POLLIN, 0};
        poll(&connection, 1, 100);
    }
    return false;
}

Sample RunOnce(Display* display, const char* program) {
    XSync(display, True);  // forget what earlier runs left behind
    const Clock::time_point start = Clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        const int null = open("/dev/null", O_WRONLY);
        dup2(null, STDOUT_FILENO);
        dup2(null, STDERR_FILENO);
        execl(program, program, static_cast<char*>(nullptr));
        _exit(127);
    }
    Sample sample;
    const bool mapped = WaitForMap(display, pid);
    sample.ms = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
    kill(pid, SIGKILL);
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    sample.peakKiB = usage.ru_maxrss;
    if (!mapped) {
        std::fprintf(stderr, "%s never mapped a window\n", program);
        std::exit(1);
    }
    return sample;
}

template <class T>
T Median(std::vector<T> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s TICKWRIGHT FLOOR [RUNS]\n", argv[0]);
        return 2;
    }
    const int runs = argc > 3 ? std::atoi(argv[3]) : 20;
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        std::fprintf(stderr, "no X server: run it under xvfb-run\n");
        return 2;
    }
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    std::vector<Sample> samples[2];
    RunOnce(display, argv[1]);  // warm the file cache for both, uncounted
    RunOnce(display, argv[2]);
    for (int run = 0; run < runs; ++run) {
        // Interleaved, first one then the other first, so both meet the same load.
        for (int i = 0; i < 2; ++i) {
            const int which = (run + i) % 2;
            samples[which].push_back(RunOnce(display, argv[1 + which]));
        }
    }
    std::vector<double> times[2];
    std::vector<long> peaks[2];
    for (int which = 0; which < 2; ++which) {
        for (const Sample& sample : samples[which]) {
            times[which].push_back(sample.ms);
            peaks[which].push_back(sample.peakKiB);
        }
    }
    const double t0 = Median(times[0]);
    const double t1 = Median(times[1]);
    const long p0 = Median(peaks[0]);
    const long p1 = Median(peaks[1]);
    std::printf(
        "Start-up, exec to the main window mapped on the X server; medians of %d "
        "interleaved runs:\n",
        runs);
    std::printf("  %-12s %9s %15s\n", "", "time (ms)", "peak RSS (KiB)");
    std::printf("  %-12s %9.1f %15ld\n", "Tickwright", t0, p0);
    std::printf("  %-12s %9.1f %15ld\n", "floor", t1, p1);
    std::printf("  %-12s %9.2f %15.2f   (targets: 1.10 and 1.10)\n", "ratio", t0 / t1,
                static_cast<double>(p0) / static_cast<double>(p1));
    XCloseDisplay(display);
    return 0;
}
