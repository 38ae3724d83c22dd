#include "platform/qt/qt_canvas.h"

#include "fluvane_resources.h"
#include "platform/qt/qt_convert.h"

#include <QFile>
#include <QImageReader>
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

QString fileName(const std::filesystem::path& file) { return QFile::decodeName(file.c_str()); }

}  // namespace

QtPicture::QtPicture(const QImage& image)
    : image_(image.hasAlphaChannel() ? image.convertToFormat(QImage::Format_ARGB32)
                                     : image.convertToFormat(QImage::Format_RGB32)) {}

platform::Size QtPicture::size() const { return {image_.width(), image_.height()}; }

const QImage* imageOf(const platform::Picture& picture) {
    const auto* source = dynamic_cast<const QtImageSource*>(&picture);
    return source ? &source->image() : nullptr;
}

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

QtBuffer::QtBuffer(platform::Size size)
    : image_(std::max(size.width, 0), std::max(size.height, 0), QImage::Format_RGB32),
      canvas_(image_, [] {}) {
    image_.fill(Qt::black);
}

platform::Size QtBuffer::size() const { return {image_.width(), image_.height()}; }

QImage readPictureFile(const std::filesystem::path& file) {
    QImageReader reader(fileName(file));
    reader.setDecideFormatFromContent(true);
    return reader.read();
}

QImage readIconFile(const std::filesystem::path& file, int side) {
    QImageReader reader(fileName(file), "ico");
    QImage largest;
    for (int index = 0; index < std::max(reader.imageCount(), 1); ++index) {
        if (index > 0 && !reader.jumpToImage(index)) break;
        const QImage image = reader.read();
        if (image.isNull()) continue;
        if (image.width() == side && image.height() == side) return image;
        if (image.width() * image.height() > largest.width() * largest.height()) largest = image;
    }
    if (largest.isNull()) return {};
    return largest.scaled(side, side, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

QImage resourceImage(int id) {
    const resources::Bitmap bitmap = resources::FindBitmap(id);
    if (bitmap.width <= 0 || bitmap.height <= 0 ||
        bitmap.pixels.size() < static_cast<std::size_t>(bitmap.width) * bitmap.height) {
        return {};
    }
    QImage image(bitmap.width, bitmap.height, QImage::Format_RGB32);
    for (int y = 0; y < bitmap.height; ++y) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < bitmap.width; ++x) {
            row[x] = 0xFF000000u | bitmap.pixels[static_cast<std::size_t>(y) * bitmap.width + x];
        }
    }
    return image;
}

}  // namespace fluvane::platform::qt
