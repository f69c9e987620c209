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

}  // namespace
}  // namespace tickwright
