// What assistive technology learns of each control: its role, by what kind of
// control it is, and a name, so a screen reader says "输入 时区, 组合框"
// rather than "组合框".
#include <gtest/gtest.h>

#include <QAccessible>
#include <QSet>

#include "app/resources/ResourceIds.h"
#include "app/ui/QtAccess.h"
#include "tests/ui/GuiTestSupport.h"

namespace {

QAccessible::Role RoleOf(const ui::ControlTemplate& control) {
    switch (control.cls) {
        case ui::ControlClass::Edit:
            return QAccessible::EditableText;
        case ui::ControlClass::ComboBox:
            return QAccessible::ComboBox;
        case ui::ControlClass::ListView:
            return QAccessible::Table;
        case ui::ControlClass::Link:
            return QAccessible::Link;
        case ui::ControlClass::Static:
            return (control.style & 0x1Fu) == ui::SS_ICON ? QAccessible::Graphic
                                                          : QAccessible::StaticText;
        case ui::ControlClass::Button:
            break;
    }
    switch (control.style & ui::BS_TYPEMASK) {
        case ui::BS_AUTORADIOBUTTON:
            return QAccessible::RadioButton;
        case ui::BS_GROUPBOX:
            return QAccessible::Grouping;
        default:
            return QAccessible::Button;
    }
}

QString NameOf(QWidget* widget) {
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
    return accessible != nullptr ? accessible->text(QAccessible::Name) : QString();
}

TEST(Accessibility, EveryControlHasTheRoleOfItsKindAndAName) {
    for (const int templateId : {res::IDD_ABOUTBOX, res::IDD_TICKWRIGHT_DIALOG, res::IDD_SIMPLE,
                                 res::IDD_ADVANCE, res::IDD_LIST_DETAIL}) {
        ui::Dialog dialog(templateId);
        ASSERT_TRUE(dialog.CreateModeless());
        const ui::DialogTemplate& dialogTemplate = *ui::FindTemplate(templateId);
        const std::vector<QWidget*>& widgets = dialog.Window()->TemplateWidgets();
        QSet<QString> focusableNames;
        for (std::size_t i = 0; i < widgets.size(); ++i) {
            const ui::ControlTemplate& control = dialogTemplate.controls[i];
            const std::string where =
                std::to_string(templateId) + " control " + std::to_string(control.id);
            QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widgets[i]);
            ASSERT_NE(accessible, nullptr) << where;
            EXPECT_EQ(accessible->role(), RoleOf(control)) << where;
            const QString name = NameOf(widgets[i]);
            if (templateId == res::IDD_TICKWRIGHT_DIALOG && control.id == res::IDC_HISTORY_STATUS) {
                EXPECT_TRUE(name.isEmpty()) << "the strip's right static stays empty";
                continue;
            }
            EXPECT_FALSE(name.isEmpty()) << where;
            if (widgets[i]->focusPolicy() != Qt::NoFocus) {
                EXPECT_FALSE(focusableNames.contains(name))
                    << where << ": two controls are both called " << name.toStdString();
                focusableNames.insert(name);
            }
        }
    }
}

TEST(Accessibility, FieldsAndSelectorsAreNamedByTheirLabelAndSide) {
    struct Case {
        int templateId;
        int id;
        const char* name;
    };
    const Case cases[] = {
        {res::IDD_SIMPLE, res::IDC_SIMPLE_TIMESTAMP, "Unix时间戳"},
        {res::IDD_SIMPLE, res::IDC_SIMPLE_ZONE, "时区"},
        {res::IDD_ADVANCE, res::IDC_INPUT_TIMESTAMP, "输入 时间戳"},
        {res::IDD_ADVANCE, res::IDC_INPUT_ZONE, "输入 时区"},
        {res::IDD_ADVANCE, res::IDC_OUTPUT_ZONE, "输出 时区"},
        {res::IDD_TICKWRIGHT_DIALOG, res::IDC_PRECISION, "精确到"},
        {res::IDD_TICKWRIGHT_DIALOG, res::IDC_HISTORY, "历史记录"},
        {res::IDD_LIST_DETAIL, res::IDC_DETAIL_INPUT_ZONE, "输入时区"},
        {res::IDD_LIST_DETAIL, res::IDC_DETAIL_INPUT, "输入内容"},
        {res::IDD_LIST_DETAIL, res::IDC_DETAIL_OUTPUT_ZONE, "输出时区"},
        {res::IDD_LIST_DETAIL, res::IDC_DETAIL_OUTPUT, "输出内容"},
        {res::IDD_LIST_DETAIL, res::IDC_DETAIL_NOTE, "备注"},
    };
    for (const Case& c : cases) {
        ui::Dialog dialog(c.templateId);
        ASSERT_TRUE(dialog.CreateModeless());
        EXPECT_EQ(NameOf(ui::ControlWidget(dialog, c.id)), QString::fromUtf8(c.name)) << c.id;
    }
}

}  // namespace
