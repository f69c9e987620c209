#pragma once

// The precision selector: a sorted drop-down list in the main window whose
// current item is the only place the precision lives. Readers ask it at every
// use; nothing caches the answer.
//
//   index 0  "毫秒(ms)"   Precision::Milliseconds (the default)
//   index 1  "秒(s)"      Precision::Seconds
//   -1 (no selection)     Precision::Seconds

#include "core/Precision.h"

namespace tickwright {

inline constexpr int kMillisecondsItem = 0;

inline constexpr Precision PrecisionFromSelection(int index) {
    return index == kMillisecondsItem ? Precision::Milliseconds : Precision::Seconds;
}

}  // namespace tickwright
