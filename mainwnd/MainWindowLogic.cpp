#include "mainwnd/MainWindowLogic.h"

#include <algorithm>

namespace tickwright {

namespace {

constexpr int kListStripHeight = 15;  // "双击复制" and "清空" between page and list
constexpr int kMinimumPageHeight = 100;
constexpr int kReservedHeight = kPageTop + kListStripHeight + 5;  // 55

}  // namespace

int ComputePageHeight(int mainClientHeight, int listClientHeight) {
    return std::max(mainClientHeight - listClientHeight - kReservedHeight, kMinimumPageHeight);
}

ui::Rect ComputeListRect(int mainClientWidth, int mainClientHeight, int pageClientHeight) {
    const int height =
        std::max(mainClientHeight - pageClientHeight - kReservedHeight, kMinimumPageHeight);
    return ui::Rect{0, pageClientHeight + kPageTop + kListStripHeight, mainClientWidth, height + 5};
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
