#pragma once

// What the main window decides, as plain functions of what its handlers read
// from the controls; the handlers only gather inputs and apply the results.
// All sizes are client pixels.

#include <string_view>
#include <vector>

#include "app/ui/Dialog.h"

namespace tickwright {

// Where both pages stand: below the strip of global controls.
inline constexpr int kPageTop = 35;

// Height of the pages: what the window leaves above the list's client area
// and its strip, never less than 100.
//   ComputePageHeight(324, 119) == 150 (the template's own size),
//   ComputePageHeight(200, 119) == 100
int ComputePageHeight(int mainClientHeight, int listClientHeight);

// Where the list goes: just under the pages and the strip above the list,
// down to the window's bottom edge, and never less than 105 high (it then
// runs past the bottom edge).
ui::Rect ComputeListRect(int mainClientWidth, int mainClientHeight, int pageClientHeight);

struct ModeState {
    bool simpleVisible;
    bool advancedVisible;
    std::u16string_view toggleText;
};

inline constexpr std::u16string_view kToAdvancedText = u"切换至高级模式";
inline constexpr std::u16string_view kToSimpleText = u"切换至普通模式";

// The mode after the toggle button, from whether the simple page shows now.
ModeState ToggleMode(bool simpleVisible);

enum class PageAction {
    SimpleShowCurrentTimestamp,
    SimpleToDateTime,
    AdvancedFillWithCurrentTime,
    AdvancedRunConversion,  // the conversion the page's own radio buttons choose
};

// What the "当前时间" button runs, in order, on the visible page.
std::vector<PageAction> CurrentTimeActions(bool simpleVisible);

// The main window swallows Enter and Escape so neither ever ends it.
bool SwallowsKey(int key);

}  // namespace tickwright
