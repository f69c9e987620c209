// What the Windows clipboard holds after the history list copies: put there
// by the main window, its lines ending in CR LF; and what happens while
// another program holds the clipboard open.
#include "app/ui/win32/Windows.h"
//
#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "tests/Utf8.h"
#include "tests/mainwnd/StartedMainWindow.h"

namespace tickwright {
namespace {

// The clipboard's text exactly as Windows holds it.
std::wstring RawClipboardText() {
    std::wstring text;
    if (OpenClipboard(nullptr)) {
        if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
            if (const auto* chars = static_cast<const wchar_t*>(GlobalLock(data))) {
                text = chars;
                GlobalUnlock(data);
            }
        }
        CloseClipboard();
    }
    return text;
}

// Another program's hold on the clipboard, for `milliseconds`, from a thread
// and window of its own.
class ClipboardHolder {
public:
    explicit ClipboardHolder(int milliseconds) {
        m_thread = std::thread([this, milliseconds] {
            HWND window = CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                          nullptr, nullptr);
            const bool opened = OpenClipboard(window) != 0;
            m_holding = opened ? 1 : -1;
            if (opened) {
                Sleep(static_cast<DWORD>(milliseconds));
                CloseClipboard();
            }
            DestroyWindow(window);
        });
        while (m_holding == 0) {
            Sleep(1);
        }
    }
    ~ClipboardHolder() { m_thread.join(); }
    ClipboardHolder(const ClipboardHolder&) = delete;
    ClipboardHolder& operator=(const ClipboardHolder&) = delete;
    bool Holding() const { return m_holding == 1; }

private:
    std::atomic<int> m_holding{0};
    std::thread m_thread;
};

class Win32Clipboard : public testsupport::StartedMainWindow {
protected:
    HWND MainHandle() const { return static_cast<HWND>(Main().Native()); }
    void AddTwoRows() {
        m_main.AddHistoryRecord(12, u"1700000000", 20, u"2023-11-15 06:13:20");
        m_main.AddHistoryRecord(12, u"0", 20, u"1970-01-01 08:00:00");
    }
};

TEST_F(Win32Clipboard, CopiedRowsAreTheMainWindowsWithWindowsLineEnds) {
    AddTwoRows();
    m_main.SetFocusTo(kList);
    ui::test::SelectRows(Main(), kList, {0, 1}, 0);
    ui::test::PressKey(ui::test::Key::C, ui::test::kControl);
    EXPECT_EQ(GetClipboardOwner(), MainHandle());
    EXPECT_EQ(RawClipboardText(),
              L"UTC+00H\t0\tUTC+08H\t1970-01-01 08:00:00\t\r\n"
              L"UTC+00H\t1700000000\tUTC+08H\t2023-11-15 06:13:20\t");

    // The row menu's copies go the same way.
    ui::test::SetClipboardText(u"before");
    m_main.ReportCopyCell(kList, 0, 3);
    EXPECT_EQ(GetClipboardOwner(), MainHandle());
    EXPECT_EQ(RawClipboardText(), L"1970-01-01 08:00:00\r\n2023-11-15 06:13:20");
}

TEST_F(Win32Clipboard, AClipboardHeldAMomentIsWaitedForAndOneHeldLongerIsReported) {
    AddTwoRows();
    ui::test::MessageBoxRecorder boxes;
    {
        const ClipboardHolder moment(30);
        ASSERT_TRUE(moment.Holding());
        m_main.ReportCopyRow(kList, 1);
    }
    EXPECT_TRUE(boxes.boxes.empty());
    EXPECT_EQ(RawClipboardText(), L"UTC+00H\t1700000000\tUTC+08H\t2023-11-15 06:13:20\t");

    ui::test::SetClipboardText(u"before");
    {
        const ClipboardHolder longer(1000);
        ASSERT_TRUE(longer.Holding());
        m_main.ReportCopyRow(kList, 1);
    }
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_TRUE(boxes.boxes[0].text.starts_with(u"无法复制到剪贴板:\n"))
        << testsupport::Utf8(boxes.boxes[0].text);
    EXPECT_EQ(boxes.boxes[0].caption, u"错误");
    EXPECT_EQ(boxes.boxes[0].owner, &m_main);
    EXPECT_EQ(RawClipboardText(), L"before");
}

}  // namespace
}  // namespace tickwright
