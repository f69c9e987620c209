// The history list's owner data as the list view reads it.
#include "app/ui/win32/Windows.h"
//
#include <gtest/gtest.h>

#include <string>

#include "tests/mainwnd/StartedMainWindow.h"

namespace tickwright {
namespace {

class Win32ReportList : public testsupport::StartedMainWindow {};

// The list may still read a cell's text two notifications after it asked
// for it (LVN_GETDISPINFO's documented lifetime of the pointer handed back).
TEST_F(Win32ReportList, ACellsTextOutlivesTheNextTwoCellsAskedFor) {
    m_main.AddHistoryRecord(12, u"1700000000", 20, u"2023-11-15 06:13:20");
    const HWND main = static_cast<HWND>(Main().Native());
    const HWND list = GetDlgItem(main, kList);
    ASSERT_NE(list, nullptr);
    const auto ask = [&](int column) {
        NMLVDISPINFOW info{};
        info.hdr.hwndFrom = list;
        info.hdr.idFrom = kList;
        info.hdr.code = LVN_GETDISPINFOW;
        info.item.mask = LVIF_TEXT;
        info.item.iItem = 0;
        info.item.iSubItem = column;
        SendMessageW(main, WM_NOTIFY, kList, reinterpret_cast<LPARAM>(&info));
        return static_cast<const wchar_t*>(info.item.pszText);
    };
    const wchar_t* first = ask(1);
    ASSERT_NE(first, nullptr);
    ask(2);
    ask(3);
    EXPECT_EQ(std::wstring(first), L"1700000000");
}

// The menu key opens the row menu by the focused row, which the list first
// brings into view, wherever the list had been scrolled to.
TEST_F(Win32ReportList, TheMenuKeyBringsTheFocusedRowIntoViewFirst) {
    for (int i = 0; i < 200; ++i) {
        m_main.AddHistoryRecord(12, u"0", 20, u"1970-01-01 08:00:00");
    }
    const HWND list = GetDlgItem(static_cast<HWND>(Main().Native()), kList);
    constexpr int kRow = 150;
    m_main.SetFocusTo(kList);
    ui::test::SelectRows(Main(), kList, {kRow}, kRow);
    ListView_EnsureVisible(list, 0, FALSE);
    const auto inView = [list](int row) {
        const int top = ListView_GetTopIndex(list);
        return row >= top && row < top + ListView_GetCountPerPage(list);
    };
    ASSERT_FALSE(inView(kRow));
    RECT menu{};
    EXPECT_TRUE(ui::test::WithMenu([] { ui::test::PressKey(ui::test::Key::Menu); },
                                   [&](ui::test::Window opened) {
                                       GetWindowRect(static_cast<HWND>(opened.Native()), &menu);
                                       ui::test::DismissMenu(opened);
                                   }));
    EXPECT_TRUE(inView(kRow));
    RECT row{};
    ListView_GetItemRect(list, kRow, &row, LVIR_BOUNDS);
    MapWindowPoints(list, nullptr, reinterpret_cast<POINT*>(&row), 2);
    EXPECT_TRUE(menu.top >= row.top - 1 && menu.top <= row.bottom) << "the menu by the row";
}

}  // namespace
}  // namespace tickwright
