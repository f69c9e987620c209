#include "mainwnd/MainWindowLogic.h"

#include <algorithm>

namespace tickwright {

namespace {

constexpr int kListStripHeight = 15;  // "双击复制" and "清空" between page and list
// The list stands this much taller than the area the layout gives it.
constexpr int kListExtraHeight = 5;
// Neither the pages nor the list's area is ever given less.
constexpr int kMinimumAreaHeight = 100;
constexpr int kReservedHeight = kPageTop + kListStripHeight + kListExtraHeight;  // 55

// What the window's client height leaves for one area once the other and the
// strips have their share.
int AreaHeight(int mainClientHeight, int otherHeight) {
    return std::max(mainClientHeight - otherHeight - kReservedHeight, kMinimumAreaHeight);
}

}  // namespace

int ComputePageHeight(int mainClientHeight, int listClientHeight) {
    return AreaHeight(mainClientHeight, listClientHeight);
}

ui::Rect ComputeListRect(int mainClientWidth, int mainClientHeight, int pageClientHeight) {
    return ui::Rect{0, pageClientHeight + kPageTop + kListStripHeight, mainClientWidth,
                    AreaHeight(mainClientHeight, pageClientHeight) + kListExtraHeight};
}

ModeState ToggleMode(bool simpleVisible) {
    if (simpleVisible) {
        return {false, true, kToSimpleText};
    }
    return {true, false, kToAdvancedText};
}

std::vector<PageAction> CurrentTimeActions(bool simpleVisible) {
    if (simpleVisible) {
        return {PageAction::SimpleShowCurrentTimestamp, PageAction::SimpleToDateTime};
    }
    return {PageAction::AdvancedFillWithCurrentTime, PageAction::AdvancedRunConversion};
}

bool SwallowsKey(int key) {
    return key == ui::VK_RETURN || key == ui::VK_ESCAPE;
}

}  // namespace tickwright
