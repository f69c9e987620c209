#pragma once

// A test fixture: the real main window, up and active, its start-up over and
// its history empty, with "now" fixed.

#include <gtest/gtest.h>

#include "app/ui/MainWindow.h"
#include "app/ui/test/Driver.h"
#include "mainwnd/CTickwrightDlg.h"
#include "tests/pages/PageTestHost.h"

namespace testsupport {

class StartedMainWindow : public ::testing::Test {
protected:
    static constexpr int kList = res::IDC_HISTORY;

    void SetUp() override {
        ui::SetMainWindow(&m_main);
        ASSERT_TRUE(ui::test::ShowModeless(m_main));
        ui::test::Activate(Main());
        ASSERT_TRUE(ui::test::WaitUntil([&] {
            return !m_main.IsTimerRunning(tickwright::CTickwrightDlg::kStartupTimer) &&
                   m_main.HistoryRowCount() == 0;
        }));
    }
    void TearDown() override { ui::SetMainWindow(nullptr); }
    ui::test::Window Main() const { return ui::test::WindowOf(m_main); }

    FixedClock m_clock;
    tickwright::CTickwrightDlg m_main;
};

}  // namespace testsupport
