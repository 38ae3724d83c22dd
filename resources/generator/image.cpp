#include "image.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace fluvane::resources::generator {

namespace {

double channel(std::uint32_t color, int shift) { return (color >> shift) & 0xFF; }

std::uint32_t toChannel(double value, int shift) {
    return static_cast<std::uint32_t>(std::clamp(std::lround(value), 0L, 255L)) << shift;
}

}  // namespace

std::uint32_t withOpacity(std::uint32_t color, double opacity) {
    return (color & 0xFFFFFFu) | toChannel(channel(color, 24) * opacity, 24);
}

std::uint32_t mix(std::uint32_t a, std::uint32_t b, double weight) {
    std::uint32_t result = 0;
    for (int shift : {24, 16, 8, 0})
        result |= toChannel(channel(a, shift) + (channel(b, shift) - channel(a, shift)) * weight, shift);
    return result;
}

Image sideBySide(const std::vector<Image>& cells) {
    int width = 0;
    for (const Image& cell : cells) width += cell.width();
    Image strip(width, cells.front().height(), kTransparent);
    int left = 0;
    for (const Image& cell : cells) {
        strip.paste(cell, left, 0);
        left += cell.width();
    }
    return strip;
}

Image::Image(int width, int height, std::uint32_t background)
    : width_(width), height_(height), pixels_(static_cast<std::size_t>(width) * height, background) {}

void Image::set(int x, int y, std::uint32_t color) {
    if (x >= 0 && y >= 0 && x < width_ && y < height_) pixels_[y * width_ + x] = color;
}

void Image::fill(int left, int top, int width, int height, std::uint32_t color) {
    for (int y = std::max(top, 0); y < std::min(top + height, height_); ++y)
        for (int x = std::max(left, 0); x < std::min(left + width, width_); ++x) pixels_[y * width_ + x] = color;
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

void Image::blend(int x, int y, std::uint32_t color, double coverage) {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
    const double a = channel(color, 24) / 255.0 * std::clamp(coverage, 0.0, 1.0);
    if (a <= 0.0) return;
    std::uint32_t& pixel = pixels_[y * width_ + x];
    const double b = channel(pixel, 24) / 255.0;
    const double out = a + b * (1.0 - a);
    std::uint32_t result = toChannel(out * 255.0, 24);
    for (int shift : {16, 8, 0}) {
        const double value = (channel(color, shift) * a + channel(pixel, shift) * b * (1.0 - a)) / out;
        result |= toChannel(value, shift);
    }
    pixel = result;
}

void Image::cover(double left, double top, double right, double bottom, const Inside& inside,
                  std::uint32_t color) {
    constexpr int kSamples = 4;
    const int x0 = std::max(static_cast<int>(std::floor(left)), 0);
    const int y0 = std::max(static_cast<int>(std::floor(top)), 0);
    const int x1 = std::min(static_cast<int>(std::ceil(right)), width_);
    const int y1 = std::min(static_cast<int>(std::ceil(bottom)), height_);
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x) {
            int hits = 0;
            for (int sy = 0; sy < kSamples; ++sy)
                for (int sx = 0; sx < kSamples; ++sx)
                    if (inside(x + (sx + 0.5) / kSamples, y + (sy + 0.5) / kSamples)) ++hits;
            if (hits) blend(x, y, color, static_cast<double>(hits) / (kSamples * kSamples));
        }
}

}  // namespace fluvane::resources::generator
