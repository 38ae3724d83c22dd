#pragma once

#include <cstdint>
#include <span>

namespace fluvane::resources {

// A bitmap compiled into the program: rows top to bottom, pixels 0x00RRGGBB,
// `scale` of them each way for every pixel of its `width` x `height`.
struct Bitmap {
    int width = 0;
    int height = 0;
    std::span<const std::uint32_t> pixels;
    int scale = 1;
};

// The bitmap with the given resource number, or an empty one if unknown. At
// scale 2 it is the same picture drawn at twice the resolution, not enlarged;
// other scales are unknown.
// Cells of button strips lie side by side: normal, hover, then pressed.
//
// Owner-drawn controls and the program icon:
//   101 playlist marks (38 x 12, magenta key)
//   102 playlist row backgrounds (168 x 56)
//   103 scroll bar strip (16 x 130)
//   104 on/off switch sprite (99 x 38), drawn on RGB (46, 46, 46)
//   201..205 the program icon at 64, 48, 32, 24 and 16 pixels, on white
//
// Main window (`Form1`), drawn in the playlist panel's colour RGB (25, 25, 25)
// and in the bottom bar's shading:
//   301 `Image15`: playlist panel header, 261 x 45, at the panel's top-left
//   302 `Image16`: clear-playlist button, 63 x 45, three cells of 21 x 45
//   303 `Image11`: splitter, 10 x 148, the same in every row so it stretches
//   304 `Image12`: handle while the panel is shown, 20 x 128, cells normal
//       and hover of 10 x 128, arrow pointing right
//   305 `Image13`: handle while the panel is hidden, arrow pointing left
//   306 `Image3`: update icon, 12 x 12, at (4, 16) on the bottom bar
//   307 `Image18`: update icon under the pointer
//
// Side float window (`fMain`), on its title strip's colour RGB (40, 40, 43):
//   311 `i2`: close button, 24 x 24
//   312 `i3`: close button under the pointer
//
// Settings (`shezhitip`) and about (`shezhigy`) windows, titles RGB (40, 40, 43),
// cards RGB (46, 46, 46), body RGB (30, 30, 32):
//   321 `Image1` of `shezhitip`: background, 390 x 270, at (0, 0); the
//       switches lie on its card at (88, 64 + 32 n), captions at x 128
//   322 `Image3` of `shezhitip`: save button "保存设置", 118 x 64, at (256, 196)
//   323 `Image4` of `shezhitip`: save button under the pointer
//   324 `Image1` of `shezhigy`: background, 390 x 270, at (0, 0); its link
//       label lies on a light field at (176, 184)
//   325 `Image3` of `shezhigy`: OK button "确定", 118 x 64, at (256, 204)
//   326 `Image4` of `shezhigy`: OK button under the pointer
//   327 `Image6` of both: close button, 38 x 26, at (348, 7)
//   328 `Image7` of both: close button under the pointer
//
// Feedback window (`yijian`):
//   331 `Image1`: title strip, 3000 x 45
//   332 `Image4`: close button, 96 x 25, three frames of 32 x 25
Bitmap FindBitmap(int id, int scale = 1);

}  // namespace fluvane::resources
