// The floor for Tickwright's start-up on Windows: what any Win32 program must
// do to show the same window. The dialog manager makes the main window and
// both pages from resource templates of the same controls, ids, texts and
// fonts (StartupFloor.rc); the selectors are filled, the fields written and
// the list given its columns as Tickwright's start-up leaves them, all in the
// main dialog's WM_INITDIALOG, so that the dialog manager shows the window
// (its template is WS_VISIBLE) once it is whole, as Tickwright shows its own.
// It links Windows' own libraries alone, nothing of Tickwright's.
#include <windows.h>

#include <commctrl.h>

#include <cwchar>
#include <initializer_list>

namespace {

INT_PTR CALLBACK Page(HWND, UINT message, WPARAM, LPARAM) {
    return message == WM_INITDIALOG ? TRUE : FALSE;
}

void Zones(HWND page, int id, int selected) {
    const HWND combo = GetDlgItem(page, id);
    for (int offset = -12; offset <= 12; ++offset) {
        wchar_t text[16];
        std::swprintf(text, 16, L"UTC%lc%02dH", offset < 0 ? L'-' : L'+',
                      offset < 0 ? -offset : offset);
        SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
    }
    SendMessageW(combo, CB_SETCURSEL, static_cast<WPARAM>(selected), 0);
}

HFONT EditFont(HWND window) {
    LOGFONTW font{};
    font.lfHeight = -MulDiv(12, static_cast<int>(GetDpiForWindow(window)), 72);
    font.lfCharSet = DEFAULT_CHARSET;
    std::wcscpy(font.lfFaceName, L"宋体");
    return CreateFontIndirectW(&font);
}

void Write(HWND page, HFONT font, int id, const wchar_t* text) {
    const HWND edit = GetDlgItem(page, id);
    SendMessageW(edit, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    SetWindowTextW(edit, text);
}

HFONT g_font = nullptr;  // the pages' edit font, while their fields use it

// What Tickwright's start-up leaves in the window: the icon, the selectors,
// both pages with their fields, the list's columns.
void Fill(HWND main) {
    const HICON icon = LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(128));
    SendMessageW(main, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
    SendMessageW(main, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
    const HWND precision = GetDlgItem(main, 1005);
    SendMessageW(precision, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L"秒(s)"));
    SendMessageW(precision, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L"毫秒(ms)"));
    SendMessageW(precision, CB_SETCURSEL, 0, 0);

    RECT client{};
    GetClientRect(main, &client);
    const int dpi = static_cast<int>(GetDpiForWindow(main));
    g_font = EditFont(main);
    const HWND simple =
        CreateDialogParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(131), main, &Page, 0);
    const HWND advanced =
        CreateDialogParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(133), main, &Page, 0);
    for (const HWND page : {simple, advanced}) {
        MoveWindow(page, 0, MulDiv(35, dpi, 96), client.right, MulDiv(150, dpi, 96), TRUE);
    }
    Zones(simple, 1016, 20);
    Write(simple, g_font, 1017, L"1700000000123");
    Write(simple, g_font, 1020, L"2023-11-15");
    Write(simple, g_font, 1019, L"06:13:20.123");
    Zones(advanced, 1000, 12);
    Zones(advanced, 1001, 20);
    CheckRadioButton(advanced, 1002, 1003, 1002);
    for (const int id : {1006, 1008, 1007, 1016, 1009, 1017}) {
        Write(advanced, g_font, id, L"1700000000123");
    }
    ShowWindow(simple, SW_SHOW);

    const HWND list = GetDlgItem(main, 1013);
    ListView_SetExtendedListViewStyle(list,
                                      LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES | LVS_EX_INFOTIP);
    const wchar_t* headings[] = {L"输入时区", L"输入内容", L"输出时区", L"输出内容", L"备注"};
    const int widths[] = {60, 150, 60, 150, 100};
    for (int i = 0; i < 5; ++i) {
        LVCOLUMNW column{};
        column.mask = LVCF_TEXT | LVCF_WIDTH;
        column.pszText = const_cast<wchar_t*>(headings[i]);
        column.cx = MulDiv(widths[i], dpi, 96);
        ListView_InsertColumn(list, i, &column);
    }
}

INT_PTR CALLBACK Main(HWND window, UINT message, WPARAM wParam, LPARAM) {
    if (message == WM_INITDIALOG) {
        Fill(window);
        return TRUE;
    }
    if (message == WM_CLOSE || (message == WM_COMMAND && LOWORD(wParam) == IDCANCEL)) {
        DestroyWindow(window);
        return TRUE;
    }
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return TRUE;
    }
    return FALSE;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    INITCOMMONCONTROLSEX controls{sizeof(controls),
                                  ICC_STANDARD_CLASSES | ICC_LISTVIEW_CLASSES | ICC_LINK_CLASS};
    InitCommonControlsEx(&controls);
    const HWND main = CreateDialogParamW(instance, MAKEINTRESOURCEW(102), nullptr, &Main, 0);
    ShowWindow(main, SW_SHOW);

    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (!IsDialogMessageW(main, &message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
    DeleteObject(g_font);
    return 0;
}
