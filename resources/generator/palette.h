#pragma once

#include "image.h"

namespace fluvane::resources::generator {

// The colours every picture of the program shares, so pieces drawn into
// separate files meet without seams.
inline constexpr std::uint32_t kAccent = rgb(248, 150, 20);
inline constexpr std::uint32_t kAccentDeep = rgb(226, 122, 18);
inline constexpr std::uint32_t kAccentLight = rgb(252, 168, 56);
inline constexpr std::uint32_t kWindowBack = rgb(31, 31, 31);  // the main window's surface
inline constexpr std::uint32_t kPanelBack = rgb(25, 25, 25);   // the playlist panel
inline constexpr std::uint32_t kDialogBody = rgb(30, 30, 32);
inline constexpr std::uint32_t kCard = rgb(46, 46, 46);  // behind the settings switches
inline constexpr std::uint32_t kCardEdge = rgb(58, 58, 61);
inline constexpr std::uint32_t kSeparator = rgb(18, 18, 19);
inline constexpr std::uint32_t kGlyph = rgb(186, 186, 190);
inline constexpr std::uint32_t kGlyphBright = rgb(246, 246, 248);
inline constexpr std::uint32_t kTextBright = rgb(236, 236, 238);
inline constexpr std::uint32_t kTextDim = rgb(150, 150, 154);
inline constexpr std::uint32_t kTextFaint = rgb(112, 112, 116);
inline constexpr std::uint32_t kCloseRed = rgb(212, 50, 50);
inline constexpr std::uint32_t kCloseRedDeep = rgb(168, 32, 32);
inline constexpr std::uint32_t kWhite = rgb(255, 255, 255);
inline constexpr std::uint32_t kBlack = rgb(0, 0, 0);

// Title strips (main window, feedback window): rows 0..40 shaded, row 41 the
// separator that the panes below start under.
inline constexpr int kTitleSeparatorRow = 41;
std::uint32_t titleRow(int y);

// The main window's bottom bar, 41 rows.
std::uint32_t bottomBarRow(int y);

// An image whose rows take the colours of `row` from `firstRow` on, as a piece
// laid over the strip at that height must.
Image rowsOf(std::uint32_t (*row)(int), int firstRow, int width, int height, int scale);

// The flat title bar of the settings and about windows, rows 0..39.
inline constexpr std::uint32_t kDialogTitle = rgb(40, 40, 43);

}  // namespace fluvane::resources::generator
