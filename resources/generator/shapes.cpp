#include "shapes.h"

#include <algorithm>
#include <cmath>

namespace fluvane::resources::generator {

namespace {

bool insideRoundRect(double x, double y, double left, double top, double width, double height, double radius) {
    const double cx = std::clamp(x, left + radius, left + width - radius);
    const double cy = std::clamp(y, top + radius, top + height - radius);
    const double dx = x - cx;
    const double dy = y - cy;
    return x >= left && x <= left + width && y >= top && y <= top + height && dx * dx + dy * dy <= radius * radius;
}

}  // namespace

void smoothDisc(Image& image, double centreX, double centreY, double radius, std::uint32_t color) {
    ring(image, centreX, centreY, radius, 0.0, color);
}

void ring(Image& image, double centreX, double centreY, double outer, double inner, std::uint32_t color) {
    image.cover(
        centreX - outer, centreY - outer, centreX + outer, centreY + outer,
        [=](double x, double y) {
            const double d = (x - centreX) * (x - centreX) + (y - centreY) * (y - centreY);
            return d <= outer * outer && d >= inner * inner;
        },
        color);
}

void rect(Image& image, double left, double top, double width, double height, std::uint32_t color) {
    roundRect(image, left, top, width, height, 0, color);
}

void roundRect(Image& image, double left, double top, double width, double height, double radius, std::uint32_t color) {
    image.cover(
        left, top, left + width, top + height,
        [=](double x, double y) { return insideRoundRect(x, y, left, top, width, height, radius); }, color);
}

void roundFrame(Image& image, double left, double top, double width, double height, double radius, double thickness,
                std::uint32_t color) {
    const double t = thickness;
    image.cover(
        left, top, left + width, top + height,
        [=](double x, double y) {
            return insideRoundRect(x, y, left, top, width, height, radius) &&
                   !insideRoundRect(x, y, left + t, top + t, width - 2 * t, height - 2 * t, std::max(radius - t, 0.0));
        },
        color);
}

void stroke(Image& image, Point from, Point to, double width, std::uint32_t color) {
    const double half = width / 2;
    const double dx = to.x - from.x;
    const double dy = to.y - from.y;
    const double length2 = dx * dx + dy * dy;
    image.cover(
        std::min(from.x, to.x) - half, std::min(from.y, to.y) - half, std::max(from.x, to.x) + half,
        std::max(from.y, to.y) + half,
        [=](double x, double y) {
            const double t =
                length2 > 0 ? std::clamp(((x - from.x) * dx + (y - from.y) * dy) / length2, 0.0, 1.0) : 0.0;
            const double px = from.x + t * dx - x;
            const double py = from.y + t * dy - y;
            return px * px + py * py <= half * half;
        },
        color);
}

void polygon(Image& image, const std::vector<Point>& corners, std::uint32_t color) {
    double left = corners.front().x, right = left, top = corners.front().y, bottom = top;
    for (const Point& p : corners) {
        left = std::min(left, p.x);
        right = std::max(right, p.x);
        top = std::min(top, p.y);
        bottom = std::max(bottom, p.y);
    }
    image.cover(
        left, top, right, bottom,
        [&corners](double x, double y) {
            bool inside = false;
            for (std::size_t i = 0, j = corners.size() - 1; i < corners.size(); j = i++) {
                const Point& a = corners[i];
                const Point& b = corners[j];
                if ((a.y > y) != (b.y > y) && x < (b.x - a.x) * (y - a.y) / (b.y - a.y) + a.x) inside = !inside;
            }
            return inside;
        },
        color);
}

}  // namespace fluvane::resources::generator
