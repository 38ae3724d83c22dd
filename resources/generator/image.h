#pragma once

#include <cstdint>
#include <vector>

namespace fluvane::resources::generator {

inline constexpr std::uint32_t rgb(int r, int g, int b) {
    return static_cast<std::uint32_t>((r << 16) | (g << 8) | b);
}

// A drawing area with the few primitives the program's pixel art needs.
// Every primitive clips to the image, so callers can draw near the edges freely.
class Image {
public:
    Image(int width, int height, std::uint32_t background);

    int width() const { return width_; }
    int height() const { return height_; }
    const std::vector<std::uint32_t>& pixels() const { return pixels_; }
    std::uint32_t at(int x, int y) const { return pixels_[y * width_ + x]; }

    void set(int x, int y, std::uint32_t color);
    void fill(int left, int top, int width, int height, std::uint32_t color);
    void frame(int left, int top, int width, int height, std::uint32_t color);
    // Rows shaded from `topColor` to `bottomColor`.
    void gradient(int left, int top, int width, int height, std::uint32_t topColor,
                  std::uint32_t bottomColor);
    void disc(double centreX, double centreY, double radius, std::uint32_t color);
    void line(int x0, int y0, int x1, int y1, std::uint32_t color);
    // Copies `source` with its top-left corner at (left, top).
    void paste(const Image& source, int left, int top);

private:
    int width_;
    int height_;
    std::vector<std::uint32_t> pixels_;
};

// `a` mixed with `b`, `weight` (0..1) being the share of `b`.
std::uint32_t mix(std::uint32_t a, std::uint32_t b, double weight);

}  // namespace fluvane::resources::generator
