#include "image.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <stdexcept>
#include <utility>

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
    Image strip(width, cells.front().height(), kTransparent, cells.front().scale());
    int left = 0;
    for (const Image& cell : cells) {
        strip.paste(cell, left, 0);
        left += cell.width();
    }
    return strip;
}

Image::Image(int width, int height, std::uint32_t background, int scale)
    : width_(width),
      height_(height),
      scale_(scale),
      pixels_(static_cast<std::size_t>(width) * scale * height * scale, background) {}

void Image::setPixel(int x, int y, std::uint32_t color) {
    if (x >= 0 && y >= 0 && x < pixelWidth() && y < pixelHeight()) pixels_[y * pixelWidth() + x] = color;
}

void Image::set(int x, int y, std::uint32_t color) { fill(x, y, 1, 1, color); }

void Image::fill(int left, int top, int width, int height, std::uint32_t color) {
    const int s = scale_;
    for (int y = std::max(top * s, 0); y < std::min((top + height) * s, pixelHeight()); ++y)
        for (int x = std::max(left * s, 0); x < std::min((left + width) * s, pixelWidth()); ++x)
            pixels_[y * pixelWidth() + x] = color;
}

void Image::frame(int left, int top, int width, int height, std::uint32_t color) {
    fill(left, top, width, 1, color);
    fill(left, top + height - 1, width, 1, color);
    fill(left, top, 1, height, color);
    fill(left + width - 1, top, 1, height, color);
}

void Image::gradient(int left, int top, int width, int height, std::uint32_t topColor, std::uint32_t bottomColor) {
    for (int row = 0; row < height; ++row) {
        const double weight = height > 1 ? static_cast<double>(row) / (height - 1) : 0.0;
        fill(left, top + row, width, 1, mix(topColor, bottomColor, weight));
    }
}

void Image::disc(double centreX, double centreY, double radius, std::uint32_t color) {
    for (int y = 0; y < pixelHeight(); ++y)
        for (int x = 0; x < pixelWidth(); ++x) {
            const double dx = (x + 0.5) / scale_ - centreX;
            const double dy = (y + 0.5) / scale_ - centreY;
            if (dx * dx + dy * dy <= radius * radius) setPixel(x, y, color);
        }
}

// Steps along the longer axis one stored pixel at a time; each step sets the
// band of `scale` pixels across where the line's centre passes, so a finer
// image draws the same line with finer stairs.
void Image::line(int x0, int y0, int x1, int y1, std::uint32_t color) {
    const bool steep = std::abs(y1 - y0) > std::abs(x1 - x0);
    if (steep) {
        std::swap(x0, y0);
        std::swap(x1, y1);
    }
    const int length = x1 - x0;
    for (int along = std::min(x0, x1) * scale_; along < (std::max(x0, x1) + 1) * scale_; ++along) {
        const double t = length ? std::clamp(((along + 0.5) / scale_ - 0.5 - x0) / length, 0.0, 1.0) : 0.0;
        const int across = static_cast<int>(std::lround((y0 + (y1 - y0) * t) * scale_));
        for (int k = 0; k < scale_; ++k) {
            if (steep)
                setPixel(across + k, along, color);
            else
                setPixel(along, across + k, color);
        }
    }
}

void Image::paste(const Image& source, int left, int top) {
    if (source.scale() != scale_) throw std::logic_error("pasting an image of another scale");
    for (int y = 0; y < source.pixelHeight(); ++y)
        for (int x = 0; x < source.pixelWidth(); ++x) setPixel(left * scale_ + x, top * scale_ + y, source.pixel(x, y));
}

void Image::blendPixel(int x, int y, std::uint32_t color, double coverage) {
    if (x < 0 || y < 0 || x >= pixelWidth() || y >= pixelHeight()) return;
    const double a = channel(color, 24) / 255.0 * std::clamp(coverage, 0.0, 1.0);
    if (a <= 0.0) return;
    std::uint32_t& pixel = pixels_[y * pixelWidth() + x];
    const double b = channel(pixel, 24) / 255.0;
    const double out = a + b * (1.0 - a);
    std::uint32_t result = toChannel(out * 255.0, 24);
    for (int shift : {16, 8, 0}) {
        const double value = (channel(color, shift) * a + channel(pixel, shift) * b * (1.0 - a)) / out;
        result |= toChannel(value, shift);
    }
    pixel = result;
}

void Image::cover(double left, double top, double right, double bottom, const Inside& inside, std::uint32_t color) {
    constexpr int kSamples = 4;
    const int s = scale_;
    const int x0 = std::max(static_cast<int>(std::floor(left * s)), 0);
    const int y0 = std::max(static_cast<int>(std::floor(top * s)), 0);
    const int x1 = std::min(static_cast<int>(std::ceil(right * s)), pixelWidth());
    const int y1 = std::min(static_cast<int>(std::ceil(bottom * s)), pixelHeight());
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x) {
            int hits = 0;
            for (int sy = 0; sy < kSamples; ++sy)
                for (int sx = 0; sx < kSamples; ++sx)
                    if (inside((x + (sx + 0.5) / kSamples) / s, (y + (sy + 0.5) / kSamples) / s)) ++hits;
            if (hits) blendPixel(x, y, color, static_cast<double>(hits) / (kSamples * kSamples));
        }
}

}  // namespace fluvane::resources::generator
