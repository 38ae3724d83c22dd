#include "image.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace fluvane::resources::generator {

Image::Image(int width, int height, std::uint32_t background)
    : width_(width), height_(height), pixels_(static_cast<std::size_t>(width) * height, background) {}

void Image::set(int x, int y, std::uint32_t color) {
    if (x >= 0 && y >= 0 && x < width_ && y < height_) pixels_[y * width_ + x] = color;
}

void Image::fill(int left, int top, int width, int height, std::uint32_t color) {
    for (int y = top; y < top + height; ++y)
        for (int x = left; x < left + width; ++x) set(x, y, color);
}

void Image::frame(int left, int top, int width, int height, std::uint32_t color) {
    fill(left, top, width, 1, color);
    fill(left, top + height - 1, width, 1, color);
    fill(left, top, 1, height, color);
    fill(left + width - 1, top, 1, height, color);
}

void Image::gradient(int left, int top, int width, int height, std::uint32_t topColor,
                     std::uint32_t bottomColor) {
    for (int row = 0; row < height; ++row) {
        const double weight = height > 1 ? static_cast<double>(row) / (height - 1) : 0.0;
        fill(left, top + row, width, 1, mix(topColor, bottomColor, weight));
    }
}

void Image::disc(double centreX, double centreY, double radius, std::uint32_t color) {
    for (int y = 0; y < height_; ++y)
        for (int x = 0; x < width_; ++x) {
            const double dx = x + 0.5 - centreX;
            const double dy = y + 0.5 - centreY;
            if (dx * dx + dy * dy <= radius * radius) set(x, y, color);
        }
}

void Image::line(int x0, int y0, int x1, int y1, std::uint32_t color) {
    const int steps = std::max(std::abs(x1 - x0), std::abs(y1 - y0));
    for (int i = 0; i <= steps; ++i) {
        const double t = steps ? static_cast<double>(i) / steps : 0.0;
        set(static_cast<int>(std::lround(x0 + (x1 - x0) * t)),
            static_cast<int>(std::lround(y0 + (y1 - y0) * t)), color);
    }
}

void Image::paste(const Image& source, int left, int top) {
    for (int y = 0; y < source.height(); ++y)
        for (int x = 0; x < source.width(); ++x) set(left + x, top + y, source.at(x, y));
}

std::uint32_t mix(std::uint32_t a, std::uint32_t b, double weight) {
    auto channel = [&](int shift) {
        const double ca = (a >> shift) & 0xFF;
        const double cb = (b >> shift) & 0xFF;
        return static_cast<std::uint32_t>(std::lround(ca + (cb - ca) * weight)) << shift;
    };
    return channel(16) | channel(8) | channel(0);
}

}  // namespace fluvane::resources::generator
