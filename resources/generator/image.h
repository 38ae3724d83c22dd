#pragma once

#include <cstdint>
#include <functional>
#include <vector>

namespace fluvane::resources::generator {

// Pixels are 0xAARRGGBB with straight alpha; 0xFF is opaque.
inline constexpr std::uint32_t rgb(int r, int g, int b) {
    return 0xFF000000u | static_cast<std::uint32_t>((r << 16) | (g << 8) | b);
}
inline constexpr std::uint32_t kTransparent = 0;

// `color` with its alpha scaled by `opacity` (0..1).
std::uint32_t withOpacity(std::uint32_t color, double opacity);

// `a` mixed with `b`, `weight` (0..1) being the share of `b`; alpha is mixed too.
std::uint32_t mix(std::uint32_t a, std::uint32_t b, double weight);

class Image;

// Images of one height and scale laid side by side, left to right: a strip of sprite cells.
Image sideBySide(const std::vector<Image>& cells);

// A drawing area with the primitives the program's art needs. Coordinates and
// sizes are the picture's own pixels; an image of scale 2 holds two pixels for
// every one each way and draws every primitive at that resolution, so its
// shapes and text stay sharp rather than being enlarged. Every primitive clips
// to the image, so callers can draw near the edges freely. The plain
// primitives replace pixels; `blendPixel` and `cover` lay colour over what is there.
class Image {
public:
    Image(int width, int height, std::uint32_t background, int scale);

    int width() const { return width_; }
    int height() const { return height_; }
    int scale() const { return scale_; }
    // The stored pixels, `scale` times the size each way.
    int pixelWidth() const { return width_ * scale_; }
    int pixelHeight() const { return height_ * scale_; }
    const std::vector<std::uint32_t>& pixels() const { return pixels_; }
    std::uint32_t pixel(int x, int y) const { return pixels_[y * pixelWidth() + x]; }

    void set(int x, int y, std::uint32_t color);
    void fill(int left, int top, int width, int height, std::uint32_t color);
    void frame(int left, int top, int width, int height, std::uint32_t color);
    // Rows shaded from `topColor` to `bottomColor`.
    void gradient(int left, int top, int width, int height, std::uint32_t topColor, std::uint32_t bottomColor);
    void disc(double centreX, double centreY, double radius, std::uint32_t color);
    void line(int x0, int y0, int x1, int y1, std::uint32_t color);
    // Sets one stored pixel.
    void setPixel(int x, int y, std::uint32_t color);
    // Copies `source`, of the same scale, with its top-left corner at (left, top).
    void paste(const Image& source, int left, int top);

    // Lays `color` over one stored pixel, its alpha further scaled by `coverage` (0..1).
    void blendPixel(int x, int y, std::uint32_t color, double coverage = 1.0);
    // Lays `color` over the stored pixels of the box whose area lies inside the
    // shape, each in proportion to the share of it inside (4 x 4 samples a pixel).
    using Inside = std::function<bool(double x, double y)>;
    void cover(double left, double top, double right, double bottom, const Inside& inside, std::uint32_t color);

private:
    int width_;
    int height_;
    int scale_;
    std::vector<std::uint32_t> pixels_;
};

}  // namespace fluvane::resources::generator
