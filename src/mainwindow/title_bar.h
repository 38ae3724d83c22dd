#pragma once

#include "mainwindow/form1_design.h"

#include <array>
#include <functional>
#include <optional>

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

// The title bar: its strip, logo, window buttons Button1 and tabs Button2,
// painted from the skin's cells, lit under the pointer, and what a click on
// each asks of the window.
class TitleBar {
public:
    // What the window does for a click, and what the bar reads of it.
    struct Actions {
        std::function<void()> close;             // Button1 (0)
        std::function<void()> toggleMaximised;   // Button1 (1)
        std::function<void()> minimise;          // Button1 (2)
        std::function<void()> showMenu;          // Button1 (3)
        std::function<void()> showFeedback;      // Button1 (4)
        std::function<void(int Index)> showTab;  // Button2 (0-3): a view or an application page
        std::function<bool()> libraryView;       // the library view is on show
        std::function<void()> resetPointer;      // a resize pointer left by the edge goes
    };

    // The bar's controls are those of `design`, painted on its form.
    TitleBar(Form1Design& design, Actions actions);
    TitleBar(const TitleBar&) = delete;
    TitleBar& operator=(const TitleBar&) = delete;

    void Form_Paint();         // the strip, every button and tab resting, the logo
    void paintTitleButtons();  // every window button and tab in its resting cell
    void paintTabs();          // the view tabs as the view is, tabs 2 and 3 resting
    void paintViewTabs();      // the tab of the view on show selected

    // Clicks on the tabs, also asked for by appplay and appopen.
    void Button2_Click(int Index);

private:
    void Button1_MouseMove(int Index, const platform::MouseEvent& e);
    void Button1_MouseDown(int Index, const platform::MouseEvent& e);
    void Button1_Click(int Index);
    void Button2_MouseMove(int Index, const platform::MouseEvent& e);

    void paintWindowButtons(std::optional<int> hovered);  // the others resting
    void paintWindowButton(int index, int cell);
    platform::Image* windowButtonCells(int index) const;  // nothing to paint: null
    void paintTab(int tab, int cell);

    Form1Design& design_;
    platform::Form& form_;
    Actions actions_;
};

}  // namespace fluvane::mainwindow
