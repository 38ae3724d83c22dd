#pragma once

#include <cstdint>

namespace fluvane::platform {

struct Point {
    int x = 0;
    int y = 0;
    friend bool operator==(const Point&, const Point&) = default;
};

struct Size {
    int width = 0;
    int height = 0;
    friend bool operator==(const Size&, const Size&) = default;
};

// Edges as the window manager reports them: right and bottom are exclusive.
struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    static constexpr Rect fromSize(int left, int top, int width, int height) {
        return {left, top, left + width, top + height};
    }
    constexpr int width() const { return right - left; }
    constexpr int height() const { return bottom - top; }
    constexpr bool contains(Point p) const { return p.x >= left && p.x < right && p.y >= top && p.y < bottom; }
    friend bool operator==(const Rect&, const Rect&) = default;
};

// A rectangle whose corners are cut by ellipses `corner` wide and high, as
// CreateRoundRectRgn makes them; a zero corner keeps them square.
struct RoundedRect {
    Rect rect;
    Size corner;
    friend bool operator==(const RoundedRect&, const RoundedRect&) = default;
};

// Colours as the system stores them: 0x00BBGGRR.
struct Color {
    std::uint32_t bgr = 0;

    static constexpr Color rgb(int r, int g, int b) {
        return {static_cast<std::uint32_t>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16))};
    }
    constexpr int red() const { return static_cast<int>(bgr & 0xFF); }
    constexpr int green() const { return static_cast<int>((bgr >> 8) & 0xFF); }
    constexpr int blue() const { return static_cast<int>((bgr >> 16) & 0xFF); }
    friend bool operator==(const Color&, const Color&) = default;
};

}  // namespace fluvane::platform
