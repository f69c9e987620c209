// Start-up to the first painted main window, and the peak memory, of
// Tickwright beside a floor: a plain Qt dialog with as many widgets of the
// same kinds, built by hand. Each run is a fresh process; the figures are
// medians.
//
//   startup_bench            runs both several times and prints the table
//   startup_bench tickwright one run, prints "<ms> <peak KiB>"
//   startup_bench floor      one run of the floor
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardItemModel>
#include <QTableView>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "app/resources/Resources.h"
#include "app/ui/MainWindow.h"
#include "app/ui/QtAccess.h"
#include "app/ui/Setup.h"
#include "mainwnd/CTickwrightDlg.h"

namespace {

using Clock = std::chrono::steady_clock;

// Quits the event loop once `window` has been painted the first time.
class FirstPaint : public QObject {
public:
    explicit FirstPaint(QWidget* window) { window->installEventFilter(this); }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint && !m_seen) {
            m_seen = true;
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);  // after the paint completes
        }
        return false;
    }

private:
    bool m_seen = false;
};

long PeakKiB() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

void AddFloorWidgets(QWidget* parent) {
    // The same kinds and numbers of widgets as the main window and its pages.
    const char* labels[] = {"精确到",   "双击复制", "",     "时区",   "Unix时间戳",
                            "日期时间", "时区",     "时区", "时间戳", "时间"};
    for (const char* text : labels) {
        new QLabel(QString::fromUtf8(text), parent);
    }
    for (const char* text :
         {"软件简介", "当前时间", "切换至高级模式", "清空", "<<-", "->>", "->>"}) {
        new QPushButton(QString::fromUtf8(text), parent);
    }
    for (int i = 0; i < 4; ++i) {
        auto* combo = new QComboBox(parent);
        for (int zone = 0; zone < 25; ++zone) {
            combo->addItem(QStringLiteral("UTC+%1H").arg(zone));
        }
    }
    for (int i = 0; i < 9; ++i) {
        new QLineEdit(parent);
    }
    new QRadioButton(QStringLiteral("时间戳"), parent);
    new QRadioButton(QStringLiteral("时间"), parent);
    new QGroupBox(QStringLiteral("输入"), parent);
    new QGroupBox(QStringLiteral("输出"), parent);
    auto* list = new QTableView(parent);
    auto* model = new QStandardItemModel(0, 5, list);
    list->setModel(model);
    list->setGeometry(0, 200, 437, 123);
}

int RunOnce(const std::string& mode, Clock::time_point start, int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    std::unique_ptr<tickwright::CTickwrightDlg> main;
    std::unique_ptr<QDialog> floor;
    QWidget* window = nullptr;
    if (mode == "tickwright") {
        res::RegisterResources();
        ui::InitializeUi();
        main = std::make_unique<tickwright::CTickwrightDlg>();
        ui::SetMainWindow(main.get());
        main->CreateModeless();
        window = ui::WidgetOf(*main);
    } else {
        QFont font(QStringLiteral("Noto Sans CJK SC"));
        font.setPixelSize(12);
        QApplication::setFont(font);
        floor = std::make_unique<QDialog>();
        floor->resize(437, 324);
        AddFloorWidgets(floor.get());
        floor->show();
        window = floor.get();
    }
    FirstPaint watcher(window);
    window->update();
    app.exec();
    const double ms = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
    std::printf("%.2f %ld\n", ms, PeakKiB());
    return 0;
}

struct Sample {
    double ms;
    long kib;
};

Sample RunChild(const char* self, const char* mode) {
    int pipeFds[2];
    if (pipe(pipeFds) != 0) {
        return {0, 0};
    }
    const pid_t pid = fork();
    if (pid == 0) {
        dup2(pipeFds[1], STDOUT_FILENO);
        close(pipeFds[0]);
        execl(self, self, mode, static_cast<char*>(nullptr));
        _exit(127);
    }
    close(pipeFds[1]);
    char buffer[128] = {};
    const ssize_t n = read(pipeFds[0], buffer, sizeof buffer - 1);
    close(pipeFds[0]);
    waitpid(pid, nullptr, 0);
    Sample sample{0, 0};
    if (n > 0) {
        std::sscanf(buffer, "%lf %ld", &sample.ms, &sample.kib);
    }
    return sample;
}

template <typename T>
T Median(std::vector<T> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
    const Clock::time_point start = Clock::now();
    if (argc > 1) {
        return RunOnce(argv[1], start, argc, argv);
    }
    constexpr int kRuns = 7;
    std::vector<double> times[2];
    std::vector<long> peaks[2];
    const char* modes[2] = {"tickwright", "floor"};
    for (int run = 0; run < kRuns; ++run) {
        for (int m = 0; m < 2; ++m) {  // interleaved, so both see the same machine load
            const Sample sample = RunChild(argv[0], modes[m]);
            times[m].push_back(sample.ms);
            peaks[m].push_back(sample.kib);
        }
    }
    const double t0 = Median(times[0]);
    const double t1 = Median(times[1]);
    const long p0 = Median(peaks[0]);
    const long p1 = Median(peaks[1]);
    std::printf(
        "Start-up to first painted main window, median of %d fresh processes (offscreen):\n",
        kRuns);
    std::printf("  %-12s %9s %14s\n", "", "time (ms)", "peak RSS (KiB)");
    std::printf("  %-12s %9.1f %14ld\n", "Tickwright", t0, p0);
    std::printf("  %-12s %9.1f %14ld\n", "floor", t1, p1);
    std::printf("  %-12s %9.2f %14.2f   (targets: 1.30 and 1.20)\n", "ratio", t0 / t1,
                static_cast<double>(p0) / static_cast<double>(p1));
    return 0;
}
