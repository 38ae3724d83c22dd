#pragma once

#include "image.h"

namespace fluvane::resources::generator {

// Line-art symbols of the program's buttons and tabs, each centred on (cx, cy)
// and about `size` pixels across, laid over what is there.
void crossGlyph(Image& image, double cx, double cy, double size, std::uint32_t color);
void maximiseGlyph(Image& image, double cx, double cy, std::uint32_t color);
void restoreGlyph(Image& image, double cx, double cy, std::uint32_t color);
void minimiseGlyph(Image& image, double cx, double cy, std::uint32_t color);
void menuGlyph(Image& image, double cx, double cy, std::uint32_t color);
void feedbackGlyph(Image& image, double cx, double cy, std::uint32_t color);
void playerGlyph(Image& image, double cx, double cy, std::uint32_t color);
void homeGlyph(Image& image, double cx, double cy, std::uint32_t color);
void appsGlyph(Image& image, double cx, double cy, std::uint32_t color);
void tvGlyph(Image& image, double cx, double cy, std::uint32_t color);
void listGlyph(Image& image, double cx, double cy, std::uint32_t color);
void trashGlyph(Image& image, double cx, double cy, std::uint32_t color);
// A small solid triangle pointing left or right.
void arrowGlyph(Image& image, double cx, double cy, bool right, std::uint32_t color);
// An upward arrow, the sign of a newer version.
void upArrowGlyph(Image& image, double cx, double cy, double size, std::uint32_t color);

// The program's mark: a play triangle in an orange ring on a dark disc.
void brandMark(Image& image, double cx, double cy, double radius);

}  // namespace fluvane::resources::generator
