#pragma once

// Resource ids shared by the dialog classes and the resource table.

namespace res {

inline constexpr int IDD_ABOUTBOX = 100;
inline constexpr int IDS_ABOUTBOX = 101;
inline constexpr int IDD_TICKWRIGHT_DIALOG = 102;
inline constexpr int IDR_MAINFRAME = 128;  // the application icon
inline constexpr int IDD_SIMPLE = 131;
inline constexpr int IDD_ADVANCE = 133;
inline constexpr int IDD_LIST_DETAIL = 135;

}  // namespace res
