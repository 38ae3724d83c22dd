#pragma once

#include <array>

namespace fluvane::mainwindow {

// Where the title bar's buttons and tabs sit, shared by the layout of their
// hit areas and the painting of their cells.
inline constexpr int kTitleHeight = 45;
inline constexpr int kWindowButtonTop = 2;

struct WindowButton {
    int index;      // in Button1
    int width;      // of one cell
    int fromRight;  // its left edge, from the window's right edge
};
// Button1's window buttons, in index order; the logo area 7 has no picture.
inline constexpr std::array<WindowButton, 5> kWindowButtons{
    {{0, 32, 34}, {1, 27, 61}, {2, 27, 88}, {3, 27, 115}, {4, 27, 142}}};

inline constexpr int kTabWidth = 116;
inline constexpr int kTabTop = 1;
inline constexpr std::array<int, 5> kTabLefts{116, 232, 348, 464, 588};  // 588: tab 4 never shows

// The cells of a button picture, each as wide as the button. Tabs 2 and 3
// have no hover cell of their own: they hover in their selected cell.
inline constexpr int kRestingCell = 0;
inline constexpr int kHoverCell = 1;
inline constexpr int kPressedCell = 2;
inline constexpr int kSelectedCell = 2;

}  // namespace fluvane::mainwindow
