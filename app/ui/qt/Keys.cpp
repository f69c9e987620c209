#include "app/ui/qt/Keys.h"

#include <array>
#include <utility>

#include "app/ui/Style.h"

namespace ui {

namespace {

// The keys that are not letters, digits or function keys: Qt's, then ours.
constexpr std::array<std::pair<int, int>, 26> kNamedKeys = {{
    {Qt::Key_Backspace, VK_BACK},   {Qt::Key_Tab, VK_TAB},           {Qt::Key_Backtab, VK_TAB},
    {Qt::Key_Return, VK_RETURN},    {Qt::Key_Enter, VK_RETURN},      {Qt::Key_Shift, VK_SHIFT},
    {Qt::Key_Control, VK_CONTROL},  {Qt::Key_Alt, VK_MENU},          {Qt::Key_Pause, VK_PAUSE},
    {Qt::Key_CapsLock, VK_CAPITAL}, {Qt::Key_Escape, VK_ESCAPE},     {Qt::Key_Space, VK_SPACE},
    {Qt::Key_PageUp, VK_PRIOR},     {Qt::Key_PageDown, VK_NEXT},     {Qt::Key_End, VK_END},
    {Qt::Key_Home, VK_HOME},        {Qt::Key_Left, VK_LEFT},         {Qt::Key_Up, VK_UP},
    {Qt::Key_Right, VK_RIGHT},      {Qt::Key_Down, VK_DOWN},         {Qt::Key_Print, VK_SNAPSHOT},
    {Qt::Key_Insert, VK_INSERT},    {Qt::Key_Delete, VK_DELETE},     {Qt::Key_Menu, VK_APPS},
    {Qt::Key_NumLock, VK_NUMLOCK},  {Qt::Key_ScrollLock, VK_SCROLL},
}};

}  // namespace

int VirtualKeyOf(int qtKey, Qt::KeyboardModifiers modifiers) {
    const bool keypad = modifiers.testFlag(Qt::KeypadModifier);
    if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) {
        return keypad ? VK_NUMPAD0 + (qtKey - Qt::Key_0) : qtKey;  // '0'..'9'
    }
    if (keypad) {
        switch (qtKey) {
            case Qt::Key_Asterisk:
                return VK_MULTIPLY;
            case Qt::Key_Plus:
                return VK_ADD;
            case Qt::Key_Minus:
                return VK_SUBTRACT;
            case Qt::Key_Period:
                return VK_DECIMAL;
            case Qt::Key_Slash:
                return VK_DIVIDE;
            default:
                break;
        }
    }
    if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) {
        return qtKey;  // 'A'..'Z'
    }
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F24) {
        return VK_F1 + (qtKey - Qt::Key_F1);
    }
    for (const auto& [qt, vk] : kNamedKeys) {
        if (qt == qtKey) {
            return vk;
        }
    }
    return 0;
}

int QtKeyOf(int virtualKey) {
    if ((virtualKey >= '0' && virtualKey <= '9') || (virtualKey >= 'A' && virtualKey <= 'Z')) {
        return virtualKey;
    }
    if (virtualKey >= VK_F1 && virtualKey < VK_F1 + 24) {
        return Qt::Key_F1 + (virtualKey - VK_F1);
    }
    for (const auto& [qt, vk] : kNamedKeys) {
        if (vk == virtualKey) {
            return qt;
        }
    }
    return 0;
}

}  // namespace ui
