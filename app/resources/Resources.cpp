#include "app/resources/Resources.h"

#include <string>
#include <utility>

#include "app/resources/IntroPage.h"
#include "app/resources/ResourceIds.h"
#include "app/ui/DialogTemplate.h"
#include "app/ui/ResourceTables.h"
#include "app/ui/Style.h"

namespace res {

namespace {

using namespace ui;

constexpr StyleFlags kControl = WS_CHILD | WS_VISIBLE;
constexpr StyleFlags kEdit = kControl | WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL;
constexpr StyleFlags kReadOnlyEdit = kEdit | ES_READONLY;
constexpr StyleFlags kZoneList = kControl | CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP;
constexpr StyleFlags kPushButton = kControl | BS_PUSHBUTTON | WS_TABSTOP;
constexpr StyleFlags kLabel = kControl | WS_GROUP;
constexpr StyleFlags kChildPage = WS_CHILD | WS_SYSMENU | DS_SETFONT;

ControlTemplate Control(int id, ControlClass cls, std::u16string text, StyleFlags style,
                        Rect rect) {
    return ControlTemplate{id, cls, std::move(text), style, rect, 0, {}};
}

// A control with the name a screen reader gives it.
ControlTemplate Named(std::u16string name, ControlTemplate control) {
    control.accessibleName = std::move(name);
    return control;
}

DialogTemplate AboutBox(const std::u16string& introUrl) {
    ControlTemplate icon =
        Control(IDC_STATIC, ControlClass::Static, u"", kControl | SS_ICON, {14, 14, 20, 20});
    icon.iconId = IDR_MAINFRAME;
    icon.accessibleName = u"Tickwright";
    return DialogTemplate{
        IDD_ABOUTBOX,
        u"关于 Tickwright",
        DS_MODALFRAME | DS_FIXEDSYS | DS_SETFONT | WS_POPUP | WS_CAPTION | WS_SYSMENU,
        170,
        62,
        {u"MS Shell Dlg", 9},
        {
            icon,
            Control(IDC_STATIC, ControlClass::Static, u"Tickwright，版本 1.0", kLabel | SS_NOPREFIX,
                    {42, 14, 114, 8}),
            Control(IDC_STATIC, ControlClass::Static, u"版权所有 © 2026 Tickwright", kLabel,
                    {42, 26, 114, 8}),
            Control(IDOK, ControlClass::Button, u"确定",
                    kControl | BS_DEFPUSHBUTTON | WS_GROUP | WS_TABSTOP, {113, 41, 50, 14}),
            Control(IDC_ABOUT_LINK, ControlClass::Link, u"软件简介", kControl | WS_TABSTOP,
                    {41, 38, 30, 14}),
        },
        {InitData{IDC_ABOUT_LINK, {}, introUrl}},
    };
}

DialogTemplate MainDialog(const std::u16string& introUrl) {
    return DialogTemplate{
        IDD_TICKWRIGHT_DIALOG,
        u"Tickwright",
        WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX |
            DS_SETFONT,
        291,
        216,
        {std::u16string(kSimSunFace), 9},
        {
            Control(IDC_INTRO_LINK, ControlClass::Link, u"软件简介", kControl | WS_TABSTOP,
                    {5, 9, 38, 11}),
            Control(IDC_STATIC, ControlClass::Static, u"精确到", kControl, {48, 10, 25, 8}),
            Named(u"精确到", Control(IDC_PRECISION, ControlClass::ComboBox, u"",
                                     kZoneList | CBS_SORT, {77, 7, 48, 34})),
            Control(IDC_CURRENT_TIME, ControlClass::Button, u"当前时间", kPushButton,
                    {135, 5, 50, 16}),
            Control(IDC_TOGGLE_MODE, ControlClass::Button, u"切换至高级模式", kPushButton,
                    {203, 5, 69, 16}),
            Named(u"历史记录",
                  Control(IDC_HISTORY, ControlClass::ListView, u"",
                          kControl | LVS_REPORT | WS_BORDER | WS_TABSTOP, {0, 133, 291, 82})),
            Control(IDC_STATIC, ControlClass::Static, u"双击复制", kControl, {3, 123, 34, 8}),
            Control(IDC_HISTORY_STATUS, ControlClass::Static, u"", kControl, {167, 123, 123, 8}),
            Control(IDC_CLEAR, ControlClass::Button, u"清空", kPushButton, {37, 121, 26, 12}),
        },
        {InitData{IDC_PRECISION, {u"秒(s)", u"毫秒(ms)"}, u""},
         InitData{IDC_INTRO_LINK, {}, introUrl}},
    };
}

DialogTemplate SimplePage() {
    return DialogTemplate{
        IDD_SIMPLE,
        u"",
        kChildPage,
        299,
        100,
        {std::u16string(kSimSunFace), 9},
        {
            Named(u"时区", Control(IDC_SIMPLE_ZONE, ControlClass::ComboBox, u"", kZoneList,
                                   {204, 20, 76, 30})),
            Control(IDC_STATIC, ControlClass::Static, u"时区", kLabel, {176, 23, 17, 9}),
            Named(u"Unix时间戳",
                  Control(IDC_SIMPLE_TIMESTAMP, ControlClass::Edit, u"", kEdit, {26, 37, 92, 17})),
            Named(u"时间",
                  Control(IDC_SIMPLE_TIME, ControlClass::Edit, u"", kEdit, {203, 67, 77, 17})),
            Named(u"转为Unix时间戳", Control(IDC_SIMPLE_TO_TIMESTAMP, ControlClass::Button, u"<<-",
                                             kPushButton, {128, 11, 26, 36})),
            Control(IDC_STATIC, ControlClass::Static, u"Unix时间戳", kLabel, {10, 21, 42, 9}),
            Control(IDC_STATIC, ControlClass::Static, u"日期时间", kLabel, {165, 59, 36, 9}),
            Named(u"转为日期时间", Control(IDC_SIMPLE_TO_DATETIME, ControlClass::Button, u"->>",
                                           kPushButton, {127, 59, 26, 36})),
            Named(u"日期",
                  Control(IDC_SIMPLE_DATE, ControlClass::Edit, u"", kEdit, {203, 45, 77, 17})),
        },
        {},
    };
}

DialogTemplate AdvancedPage() {
    return DialogTemplate{
        IDD_ADVANCE,
        u"",
        kChildPage,
        296,
        100,
        {std::u16string(kSimSunFace), 9},
        {
            Named(u"输入 时区", Control(IDC_INPUT_ZONE, ControlClass::ComboBox, u"", kZoneList,
                                        {50, 13, 83, 30})),
            Named(u"输出 时区", Control(IDC_OUTPUT_ZONE, ControlClass::ComboBox, u"", kZoneList,
                                        {202, 13, 83, 30})),
            Control(IDC_STATIC, ControlClass::Button, u"输入", kControl | BS_GROUPBOX,
                    {6, 1, 135, 97}),
            Control(IDC_STATIC, ControlClass::Button, u"输出", kControl | BS_GROUPBOX,
                    {169, 1, 121, 97}),
            Control(IDC_STATIC, ControlClass::Static, u"时区", kLabel, {22, 16, 17, 9}),
            // The pair is one tab stop, so a keyboard can reach the input kind.
            Control(IDC_SOURCE_TIMESTAMP, ControlClass::Button, u"时间戳",
                    kControl | BS_AUTORADIOBUTTON | WS_TABSTOP, {12, 36, 37, 11}),
            Control(IDC_SOURCE_DATETIME, ControlClass::Button, u"时间",
                    kControl | BS_AUTORADIOBUTTON, {13, 68, 35, 11}),
            Named(u"输入 时间戳",
                  Control(IDC_INPUT_TIMESTAMP, ControlClass::Edit, u"", kEdit, {50, 35, 83, 15})),
            Named(u"输入 时间",
                  Control(IDC_INPUT_TIME, ControlClass::Edit, u"", kEdit, {50, 77, 83, 15})),
            Named(u"输出 时间戳", Control(IDC_OUTPUT_TIMESTAMP, ControlClass::Edit, u"",
                                          kReadOnlyEdit, {202, 32, 83, 15})),
            Named(u"输出 时间", Control(IDC_OUTPUT_TIME, ControlClass::Edit, u"", kReadOnlyEdit,
                                        {202, 77, 83, 15})),
            Control(IDC_STATIC, ControlClass::Static, u"时区", kLabel, {177, 16, 17, 9}),
            Control(IDC_STATIC, ControlClass::Static, u"时间戳", kLabel, {176, 36, 24, 9}),
            Control(IDC_STATIC, ControlClass::Static, u"时间", kLabel, {180, 68, 17, 9}),
            Named(u"转换", Control(IDC_CONVERT, ControlClass::Button, u"->>", kPushButton,
                                   {143, 28, 24, 43})),
            Named(u"输入 日期",
                  Control(IDC_INPUT_DATE, ControlClass::Edit, u"", kEdit, {50, 58, 83, 15})),
            Named(u"输出 日期", Control(IDC_OUTPUT_DATE, ControlClass::Edit, u"", kReadOnlyEdit,
                                        {202, 58, 83, 15})),
        },
        {},
    };
}

DialogTemplate ListDetail() {
    return DialogTemplate{
        IDD_LIST_DETAIL,
        u"详情",
        DS_SHELLFONT | DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU,
        249,
        89,
        {u"MS Shell Dlg", 8},
        {
            Control(IDOK, ControlClass::Button, u"确定", kControl | BS_DEFPUSHBUTTON | WS_TABSTOP,
                    {99, 70, 50, 14}),
            Control(IDC_STATIC, ControlClass::Static, u"输入:", kControl, {12, 9, 20, 8}),
            Control(IDC_STATIC, ControlClass::Static, u"输出:", kControl, {12, 30, 20, 8}),
            Control(IDC_STATIC, ControlClass::Static, u"备注:", kControl, {12, 49, 20, 8}),
            Named(u"输入内容", Control(IDC_DETAIL_INPUT, ControlClass::Edit, u"", kReadOnlyEdit,
                                       {99, 7, 137, 14})),
            Named(u"输出内容", Control(IDC_DETAIL_OUTPUT, ControlClass::Edit, u"", kReadOnlyEdit,
                                       {99, 27, 137, 14})),
            Named(u"备注",
                  Control(IDC_DETAIL_NOTE, ControlClass::Edit, u"", kEdit, {37, 47, 199, 14})),
            Named(u"输入时区", Control(IDC_DETAIL_INPUT_ZONE, ControlClass::Edit, u"",
                                       kReadOnlyEdit, {37, 7, 56, 14})),
            Named(u"输出时区", Control(IDC_DETAIL_OUTPUT_ZONE, ControlClass::Edit, u"",
                                       kReadOnlyEdit, {37, 27, 56, 14})),
        },
        {},
    };
}

}  // namespace

void RegisterResources() {
    const std::u16string introUrl = IntroPageUrl();
    RegisterTemplate(AboutBox(introUrl));
    RegisterTemplate(MainDialog(introUrl));
    RegisterTemplate(SimplePage());
    RegisterTemplate(AdvancedPage());
    RegisterTemplate(ListDetail());
    RegisterString(IDS_ABOUTBOX, u"关于 Tickwright(&A)...");
    RegisterString(IDS_EXPORT_HISTORY, u"导出历史记录(&E)...");
    RegisterString(IDS_COPY_ROW, u"复制(&C)");
    RegisterString(IDS_COPY_OUTPUT, u"复制输出内容(&O)");
    RegisterString(IDS_COPY_AS, u"复制为(&A)");
    RegisterString(IDS_COPY_AS_ISO_ZONE, u"ISO 8601 (本行时区)");
    RegisterString(IDS_COPY_AS_ISO_UTC, u"ISO 8601 (UTC)");
    RegisterString(IDS_COPY_AS_UNIX_SECONDS, u"Unix 秒");
    RegisterString(IDS_COPY_AS_UNIX_MS, u"Unix 毫秒");
    RegisterString(IDS_PASTE_CONVERT, u"粘贴并转换(&P)");
    // The pictures by file name (app/resources/icons); each backend makes
    // them part of the program its own way.
    RegisterIcon(IDR_MAINFRAME, {{u"tickwright-16.png", 16},
                                 {u"tickwright-24.png", 24},
                                 {u"tickwright-32.png", 32},
                                 {u"tickwright-48.png", 48},
                                 {u"tickwright-256.png", 256}});
}

}  // namespace res
