#pragma once

// A test fixture: the real main window, up and active, its start-up over and
// its history empty, with "now" fixed; and its history list's widget.

#include <gtest/gtest.h>

#include <QTableView>

#include "app/ui/MainWindow.h"
#include "mainwnd/CTickwrightDlg.h"
#include "tests/pages/PageTestHost.h"
#include "tests/ui/GuiTestSupport.h"

namespace testsupport {

class StartedMainWindow : public ::testing::Test {
protected:
    void SetUp() override {
        ui::SetMainWindow(&m_main);
        ASSERT_TRUE(m_main.CreateModeless());
        Activate(ui::WidgetOf(m_main));
        ASSERT_TRUE(WaitUntil([&] {
            return !m_main.IsTimerRunning(tickwright::CTickwrightDlg::kStartupTimer) &&
                   m_main.HistoryRowCount() == 0;
        }));
    }
    void TearDown() override { ui::SetMainWindow(nullptr); }
    QTableView* List() {
        return qobject_cast<QTableView*>(ui::ControlWidget(m_main, res::IDC_HISTORY));
    }

    FixedClock m_clock;
    tickwright::CTickwrightDlg m_main;
};

}  // namespace testsupport
