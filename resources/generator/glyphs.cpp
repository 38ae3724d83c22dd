#include "glyphs.h"

#include "palette.h"
#include "shapes.h"

#include <algorithm>
#include <cmath>

namespace fluvane::resources::generator {

namespace {

// Straight strokes are one pixel wide and lie on pixel centres, so they stay
// sharp; slanted and curved ones are a little wider to look as heavy.
constexpr double kLine = 1.0;
constexpr double kSlant = 1.4;

// The centre of the pixel nearest to `v`: every symbol is laid out around a
// pixel centre so that its odd-sized boxes start on pixel edges.
double snap(double v) { return std::floor(v) + 0.5; }

}  // namespace

void crossGlyph(Image& image, double cx, double cy, double size, std::uint32_t color) {
    cx = snap(cx);
    cy = snap(cy);
    const double h = size / 2 - 0.5;
    stroke(image, {cx - h, cy - h}, {cx + h, cy + h}, kSlant, color);
    stroke(image, {cx + h, cy - h}, {cx - h, cy + h}, kSlant, color);
}

void maximiseGlyph(Image& image, double cx, double cy, std::uint32_t color) {
    cx = snap(cx);
    cy = snap(cy);
    roundFrame(image, cx - 5.5, cy - 5.5, 11, 11, 1, kLine, color);
}

void restoreGlyph(Image& image, double cx, double cy, std::uint32_t color) {
    cx = snap(cx);
    cy = snap(cy);
    roundFrame(image, cx - 5.5, cy - 3.5, 9, 9, 1, kLine, color);
    rect(image, cx - 3.5, cy - 5.5, 9, 1, color);
    rect(image, cx + 4.5, cy - 5.5, 1, 9, color);
    rect(image, cx - 3.5, cy - 5.5, 1, 2, color);
}

void minimiseGlyph(Image& image, double cx, double cy, std::uint32_t color) {
    cx = snap(cx);
    cy = snap(cy);
    rect(image, cx - 5.5, cy - 0.5, 11, 1, color);
}

void menuGlyph(Image& image, double cx, double cy, std::uint32_t color) {
    cx = snap(cx);
    cy = snap(cy);
    for (double dy : {-4.0, 0.0, 4.0}) rect(image, cx - 5.5, cy + dy - 0.5, 11, 1, color);
}

void feedbackGlyph(Image& image, double cx, double cy, std::uint32_t color) {
    cx = snap(cx);
    cy = snap(cy);
    roundFrame(image, cx - 6.5, cy - 5.5, 13, 10, 2, kLine, color);
    polygon(image, {{cx - 3.5, cy + 4}, {cx + 0.5, cy + 4}, {cx - 3.5, cy + 7.5}}, color);
    for (double dx : {-3.0, 0.0, 3.0}) smoothDisc(image, cx + dx, cy - 0.5, 0.85, color);
}

void playerGlyph(Image& image, double cx, double cy, std::uint32_t color) {
    cx = snap(cx);
    cy = snap(cy);
    ring(image, cx, cy, 7.5, 6.2, color);
    polygon(image, {{cx - 2.2, cy - 3.6}, {cx - 2.2, cy + 3.6}, {cx + 3.8, cy}}, color);
}

void homeGlyph(Image& image, double cx, double cy, std::uint32_t color) {
    cx = snap(cx);
    cy = snap(cy);
    stroke(image, {cx - 7, cy - 0.5}, {cx, cy - 7}, kSlant, color);
    stroke(image, {cx, cy - 7}, {cx + 7, cy - 0.5}, kSlant, color);
    rect(image, cx - 5.5, cy - 1.5, 1, 8, color);
    rect(image, cx + 4.5, cy - 1.5, 1, 8, color);
    rect(image, cx - 5.5, cy + 5.5, 11, 1, color);
    rect(image, cx - 1.5, cy + 1.5, 3, 4, color);
}

void appsGlyph(Image& image, double cx, double cy, std::uint32_t color) {
    cx = snap(cx);
    cy = snap(cy);
    for (double dx : {-7.5, 1.5})
        for (double dy : {-7.5, 1.5}) roundFrame(image, cx + dx, cy + dy, 6, 6, 1.5, kLine, color);
}

void tvGlyph(Image& image, double cx, double cy, std::uint32_t color) {
    cx = snap(cx);
    cy = snap(cy);
    roundFrame(image, cx - 7.5, cy - 3.5, 15, 11, 2, kLine, color);
    stroke(image, {cx - 3, cy - 7.5}, {cx, cy - 4}, kSlant - 0.2, color);
    stroke(image, {cx + 3, cy - 7.5}, {cx, cy - 4}, kSlant - 0.2, color);
}

void listGlyph(Image& image, double cx, double cy, std::uint32_t color) {
    cx = snap(cx);
    cy = snap(cy);
    for (double dy : {-4.0, 0.0, 4.0}) {
        rect(image, cx - 5.5, cy + dy - 0.5, 2, 1, color);
        rect(image, cx - 2.5, cy + dy - 0.5, 8, 1, color);
    }
}

void trashGlyph(Image& image, double cx, double cy, std::uint32_t color) {
    cx = snap(cx);
    cy = snap(cy);
    rect(image, cx - 6.5, cy - 5.5, 13, 1, color);
    rect(image, cx - 2.5, cy - 7.5, 5, 1, color);
    roundFrame(image, cx - 4.5, cy - 4.5, 9, 11, 1.5, kLine, color);
    for (double dx : {-2.0, 2.0}) rect(image, cx + dx - 0.5, cy - 2.5, 1, 6, color);
}

void arrowGlyph(Image& image, double cx, double cy, bool right, std::uint32_t color) {
    const double d = right ? 1.0 : -1.0;
    polygon(image, {{cx - 2 * d, cy - 4}, {cx - 2 * d, cy + 4}, {cx + 2.2 * d, cy}}, color);
}

void upArrowGlyph(Image& image, double cx, double cy, double size, std::uint32_t color) {
    const double h = size / 2;
    polygon(image, {{cx, cy - h}, {cx + h * 0.85, cy}, {cx - h * 0.85, cy}}, color);
    stroke(image, {cx, cy - h * 0.2}, {cx, cy + h}, size * 0.3, color);
}

void brandMark(Image& image, double cx, double cy, double radius) {
    smoothDisc(image, cx, cy, radius, kAccent);
    // The ring keeps at least two pixels, so it still reads at 16 pixels.
    smoothDisc(image, cx, cy, radius - std::max(radius * 0.2, 2.0), rgb(38, 38, 40));
    const double r = radius;
    polygon(image, {{cx - 0.26 * r, cy - 0.4 * r}, {cx - 0.26 * r, cy + 0.4 * r}, {cx + 0.44 * r, cy}}, kWhite);
}

}  // namespace fluvane::resources::generator
