#pragma once

#include "image.h"

#include <vector>

namespace fluvane::resources::generator {

// Smooth-edged shapes laid over an image; coordinates are in pixels, a pixel's
// area running from (x, y) to (x + 1, y + 1).
struct Point {
    double x;
    double y;
};

void smoothDisc(Image& image, double centreX, double centreY, double radius, std::uint32_t color);
void ring(Image& image, double centreX, double centreY, double outer, double inner, std::uint32_t color);
// A rectangle laid over the image; with whole-pixel sides it has no soft edge.
void rect(Image& image, double left, double top, double width, double height, std::uint32_t color);
void roundRect(Image& image, double left, double top, double width, double height, double radius, std::uint32_t color);
// A rounded frame `thickness` wide just inside the rounded box.
void roundFrame(Image& image, double left, double top, double width, double height, double radius, double thickness,
                std::uint32_t color);
// A stroke of the given width with round ends.
void stroke(Image& image, Point from, Point to, double width, std::uint32_t color);
void polygon(Image& image, const std::vector<Point>& corners, std::uint32_t color);

}  // namespace fluvane::resources::generator
