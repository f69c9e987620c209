// What assistive technology learns of each control: its role, by what kind of
// control it is, and a name, so a screen reader says "输入 时区, 组合框"
// rather than "组合框".
#include <gtest/gtest.h>

#include <set>

#include "app/resources/ResourceIds.h"
#include "app/ui/Dialog.h"
#include "app/ui/test/Driver.h"
#include "tests/Utf8.h"

namespace {

using ui::test::Role;

Role RoleOf(const ui::ControlTemplate& control) {
    switch (control.cls) {
        case ui::ControlClass::Edit:
            return Role::EditableText;
        case ui::ControlClass::ComboBox:
            return Role::ComboBox;
        case ui::ControlClass::ListView:
            return Role::List;
        case ui::ControlClass::Link:
            return Role::Link;
        case ui::ControlClass::Static:
            return (control.style & 0x1Fu) == ui::SS_ICON ? Role::Graphic : Role::StaticText;
        case ui::ControlClass::Button:
            break;
    }
    switch (control.style & ui::BS_TYPEMASK) {
        case ui::BS_AUTORADIOBUTTON:
            return Role::RadioButton;
        case ui::BS_GROUPBOX:
            return Role::Grouping;
        default:
            return Role::Button;
    }
}

TEST(Accessibility, EveryControlHasTheRoleOfItsKindAndAName) {
    for (const int templateId : {res::IDD_ABOUTBOX, res::IDD_TICKWRIGHT_DIALOG, res::IDD_SIMPLE,
                                 res::IDD_ADVANCE, res::IDD_LIST_DETAIL}) {
        ui::Dialog dialog(templateId);
        ASSERT_TRUE(ui::test::ShowModeless(dialog));
        const ui::test::Window window = ui::test::WindowOf(dialog);
        const ui::DialogTemplate& dialogTemplate = *ui::FindTemplate(templateId);
        const std::vector<ui::test::ControlInfo> controls = ui::test::Controls(window);
        ASSERT_EQ(controls.size(), dialogTemplate.controls.size());
        std::set<std::u16string> focusableNames;
        for (std::size_t i = 0; i < controls.size(); ++i) {
            const ui::ControlTemplate& control = dialogTemplate.controls[i];
            const std::string where =
                std::to_string(templateId) + " control " + std::to_string(control.id);
            EXPECT_EQ(controls[i].role, RoleOf(control)) << where;
            const std::u16string& name = controls[i].accessibleName;
            if (templateId == res::IDD_TICKWRIGHT_DIALOG && control.id == res::IDC_HISTORY_STATUS) {
                EXPECT_TRUE(name.empty()) << "the strip's right static stays empty";
                continue;
            }
            EXPECT_FALSE(name.empty()) << where;
            if (controls[i].focusable) {
                EXPECT_TRUE(focusableNames.insert(name).second)
                    << where << ": two controls are both called " << testsupport::Utf8(name);
            }
        }
    }
}

TEST(Accessibility, FieldsAndSelectorsAreNamedByTheirLabelAndSide) {
    struct Case {
        int templateId;
        int id;
        const char16_t* name;
    };
    const Case cases[] = {
        {res::IDD_SIMPLE, res::IDC_SIMPLE_TIMESTAMP, u"Unix时间戳"},
        {res::IDD_SIMPLE, res::IDC_SIMPLE_ZONE, u"时区"},
        {res::IDD_ADVANCE, res::IDC_INPUT_TIMESTAMP, u"输入 时间戳"},
        {res::IDD_ADVANCE, res::IDC_INPUT_ZONE, u"输入 时区"},
        {res::IDD_ADVANCE, res::IDC_OUTPUT_ZONE, u"输出 时区"},
        {res::IDD_TICKWRIGHT_DIALOG, res::IDC_PRECISION, u"精确到"},
        {res::IDD_TICKWRIGHT_DIALOG, res::IDC_HISTORY, u"历史记录"},
        {res::IDD_LIST_DETAIL, res::IDC_DETAIL_INPUT_ZONE, u"输入时区"},
        {res::IDD_LIST_DETAIL, res::IDC_DETAIL_INPUT, u"输入内容"},
        {res::IDD_LIST_DETAIL, res::IDC_DETAIL_OUTPUT_ZONE, u"输出时区"},
        {res::IDD_LIST_DETAIL, res::IDC_DETAIL_OUTPUT, u"输出内容"},
        {res::IDD_LIST_DETAIL, res::IDC_DETAIL_NOTE, u"备注"},
    };
    for (const Case& c : cases) {
        ui::Dialog dialog(c.templateId);
        ASSERT_TRUE(ui::test::ShowModeless(dialog));
        EXPECT_EQ(ui::test::AccessibleOf(ui::test::WindowOf(dialog), c.id).name, c.name) << c.id;
    }
}

}  // namespace
