#include "platform/qt/qt_canvas.h"

#include "platform/qt/qt_convert.h"
#include "platform/qt/qt_picture.h"

#include <QPainter>

#include <algorithm>
#include <cstdlib>
#include <utility>

namespace fluvane::platform::qt {

namespace {

constexpr QRgb kRgbMask = 0x00FFFFFF;

QRgb toRgb(platform::Color color) { return qRgb(color.red(), color.green(), color.blue()); }

QRgb pixelAt(const QImage& image, int x, int y) {
    return reinterpret_cast<const QRgb*>(image.constScanLine(y))[x] & kRgbMask;
}

}  // namespace

QtCanvas::QtCanvas(QImage& target, std::function<void()> changed)
    : target_(target), changed_(std::move(changed)), font_(toQFont(platform::Font{})) {}

platform::Size QtCanvas::size() const { return {target_.width(), target_.height()}; }

void QtCanvas::setPixel(int x, int y, QRgb rgb) {
    if (x < 0 || y < 0 || x >= target_.width() || y >= target_.height()) return;
    reinterpret_cast<QRgb*>(target_.scanLine(y))[x] = 0xFF000000u | rgb;
}

void QtCanvas::copyPixels(const platform::Picture& picture, platform::Rect source,
                          platform::Point destination, const QRgb* key) {
    const QImage* image = imageOf(picture);
    if (!image) return;
    // A shallow copy: a buffer copied onto itself reads what it held before.
    const QImage pixels = *image;
    const platform::Rect inside{std::max(source.left, 0), std::max(source.top, 0),
                                std::min(source.right, pixels.width()),
                                std::min(source.bottom, pixels.height())};
    for (int sy = inside.top; sy < inside.bottom; ++sy) {
        for (int sx = inside.left; sx < inside.right; ++sx) {
            const QRgb rgb = pixelAt(pixels, sx, sy);
            if (key && rgb == *key) continue;
            setPixel(destination.x + sx - source.left, destination.y + sy - source.top, rgb);
        }
    }
    changed_();
}

void QtCanvas::copy(const platform::Picture& picture, platform::Rect source,
                    platform::Point destination) {
    copyPixels(picture, source, destination, nullptr);
}

void QtCanvas::copyTransparent(const platform::Picture& picture, platform::Rect source,
                               platform::Point destination, platform::Color key) {
    const QRgb keyRgb = toRgb(key) & kRgbMask;
    copyPixels(picture, source, destination, &keyRgb);
}

void QtCanvas::stretch(const platform::Picture& picture, platform::Rect source,
                       platform::Rect destination) {
    const QImage* image = imageOf(picture);
    const long long sw = source.width(), sh = source.height();
    const long long dw = destination.width(), dh = destination.height();
    if (!image || sw <= 0 || sh <= 0 || dw <= 0 || dh <= 0) return;
    const QImage pixels = *image;  // as in copyPixels
    for (long long dy = 0; dy < dh; ++dy) {
        const int sy = source.top + static_cast<int>(dy * sh / dh);
        if (sy < 0 || sy >= pixels.height()) continue;
        for (long long dx = 0; dx < dw; ++dx) {
            const int sx = source.left + static_cast<int>(dx * sw / dw);
            if (sx < 0 || sx >= pixels.width()) continue;
            setPixel(destination.left + static_cast<int>(dx), destination.top + static_cast<int>(dy),
                     pixelAt(pixels, sx, sy));
        }
    }
    changed_();
}

void QtCanvas::fill(platform::Rect area, platform::Color color) {
    const QRgb rgb = toRgb(color) & kRgbMask;
    for (int y = std::max(area.top, 0); y < std::min(area.bottom, target_.height()); ++y) {
        for (int x = std::max(area.left, 0); x < std::min(area.right, target_.width()); ++x) {
            setPixel(x, y, rgb);
        }
    }
    changed_();
}

void QtCanvas::line(platform::Point from, platform::Point to, platform::Color color) {
    const QRgb rgb = toRgb(color) & kRgbMask;
    const int dx = std::abs(to.x - from.x), dy = -std::abs(to.y - from.y);
    const int stepX = from.x < to.x ? 1 : -1, stepY = from.y < to.y ? 1 : -1;
    int error = dx + dy;
    int x = from.x, y = from.y;
    while (x != to.x || y != to.y) {
        setPixel(x, y, rgb);
        const int doubled = 2 * error;
        if (doubled >= dy) {
            error += dy;
            x += stepX;
        }
        if (doubled <= dx) {
            error += dx;
            y += stepY;
        }
    }
    changed_();
}

void QtCanvas::setFont(const platform::Font& font) { font_ = toQFont(font); }

void QtCanvas::setTextColor(platform::Color color) { textColor_ = color; }

void QtCanvas::text(const std::string& utf8, platform::Rect box, bool centreVertically) {
    {
        QPainter painter(&target_);
        const QRect rect = toQRect(box);
        painter.setClipRect(rect);
        painter.setFont(font_);
        painter.setPen(toQColor(textColor_));
        const int flags = Qt::AlignLeft | Qt::TextSingleLine |
                          (centreVertically ? Qt::AlignVCenter : Qt::AlignTop);
        painter.drawText(rect, flags, toQString(utf8));
    }
    changed_();
}

}  // namespace fluvane::platform::qt
