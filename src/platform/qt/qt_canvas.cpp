#include "platform/qt/qt_canvas.h"

#include "fluvane_resources.h"
#include "platform/qt/qt_convert.h"

#include <QFile>
#include <QGuiApplication>
#include <QImageReader>
#include <QPainter>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

namespace fluvane::platform::qt {

namespace {

constexpr QRgb kRgbMask = 0x00FFFFFF;
constexpr QRgb kOpaque = 0xFF000000;

// Opaque, as every pixel the canvas writes.
QRgb toRgb(platform::Color color) { return qRgb(color.red(), color.green(), color.blue()); }

// The rows of a 32-bit image, addressed from its bits taken once per operation.
template <class Pixel>
struct Rows {
    using Byte = std::conditional_t<std::is_const_v<Pixel>, const uchar, uchar>;
    Byte* bits;
    qsizetype stride;
    Pixel* operator[](int y) const { return reinterpret_cast<Pixel*>(bits + y * stride); }
};

Rows<const QRgb> readRows(const QImage& image) { return {image.constBits(), image.bytesPerLine()}; }
// Detaches `image` from any image sharing its pixels.
Rows<QRgb> writeRows(QImage& image) { return {image.bits(), image.bytesPerLine()}; }

// The part of an unscaled copy whose pixels exist both in the picture and on the target.
struct CopySpan {
    int sourceLeft = 0;
    int sourceTop = 0;
    int targetLeft = 0;
    int targetTop = 0;
    int width = 0;
    int height = 0;
};

// Cuts [start, end) of the picture's `length` pixels, moved by `shift` onto the
// target's `targetLength`; returns the first source pixel and the count.
std::pair<int, int> clipAxis(int start, int end, long long shift, int length, int targetLength) {
    const long long first = std::max({static_cast<long long>(start), 0LL, -shift});
    const long long last =
        std::min({static_cast<long long>(end), static_cast<long long>(length), targetLength - shift});
    if (last <= first) return {0, 0};
    return {static_cast<int>(first), static_cast<int>(last - first)};
}

CopySpan clipCopy(platform::Rect source, platform::Point destination, QSize picture, QSize target) {
    const long long shiftX = static_cast<long long>(destination.x) - source.left;
    const long long shiftY = static_cast<long long>(destination.y) - source.top;
    const auto [left, width] = clipAxis(source.left, source.right, shiftX, picture.width(), target.width());
    const auto [top, height] = clipAxis(source.top, source.bottom, shiftY, picture.height(), target.height());
    return {left, top, static_cast<int>(left + shiftX), static_cast<int>(top + shiftY), width, height};
}

// The source pixel that nearest-neighbour scaling puts at `at`, `at` being no
// less than `targetStart`; unsigned arithmetic keeps the product of two sides exact.
int scaledIndex(int sourceStart, std::uint64_t sourceLength, int targetStart, std::uint64_t targetLength, int at) {
    const auto index = static_cast<std::uint64_t>(static_cast<long long>(at) - targetStart);
    const auto offset = static_cast<long long>(index * sourceLength / targetLength);
    return static_cast<int>(sourceStart + offset);
}

QString fileName(const std::filesystem::path& file) { return QFile::decodeName(file.c_str()); }

int saturated(long long value) {
    return static_cast<int>(std::clamp(value, static_cast<long long>(std::numeric_limits<int>::min()),
                                       static_cast<long long>(std::numeric_limits<int>::max())));
}

// `value` of the logic's pixels in pixels of an image of `scale`, saturated:
// the logic's rectangles may lie anywhere.
int toPixels(int value, int scale) { return saturated(static_cast<long long>(value) * scale); }

platform::Rect toPixels(platform::Rect rect, int scale) {
    return {toPixels(rect.left, scale), toPixels(rect.top, scale), toPixels(rect.right, scale),
            toPixels(rect.bottom, scale)};
}

// Where an unscaled copy of `source` to `destination` lands.
platform::Rect copiedTo(platform::Rect source, platform::Point destination) {
    return {destination.x, destination.y, saturated(static_cast<long long>(destination.x) + source.right - source.left),
            saturated(static_cast<long long>(destination.y) + source.bottom - source.top)};
}

// A picture file's twin drawn at `scale`: "bj.jpg" at 2 is "bj@2x.jpg".
std::filesystem::path twinAtScale(const std::filesystem::path& file, int scale) {
    std::filesystem::path twin = file;
    twin.replace_filename(file.stem().string() + "@" + std::to_string(scale) + "x" + file.extension().string());
    return twin;
}

QImage readByContent(const std::filesystem::path& file) {
    QImageReader reader(fileName(file));
    reader.setDecideFormatFromContent(true);
    return reader.read();
}

// The size `file` declares, without decoding it; invalid if unreadable.
QSize declaredSize(const std::filesystem::path& file) {
    QImageReader reader(fileName(file));
    reader.setDecideFormatFromContent(true);
    return reader.size();
}

}  // namespace

int canvasScale(qreal devicePixelRatio) { return devicePixelRatio >= 1.5 ? 2 : 1; }

int screenScale() { return canvasScale(qApp ? qApp->devicePixelRatio() : 1.0); }

int scaleOf(const QImage& image) { return canvasScale(image.devicePixelRatio()); }

platform::Size logicalSize(const QImage& image) {
    const int scale = scaleOf(image);
    return {image.width() / scale, image.height() / scale};
}

QtPicture::QtPicture(const QImage& image)
    : image_(image.hasAlphaChannel() ? image.convertToFormat(QImage::Format_ARGB32)
                                     : image.convertToFormat(QImage::Format_RGB32)) {}

platform::Size QtPicture::size() const { return logicalSize(image_); }

const QImage* imageOf(const platform::Picture& picture) {
    const auto* source = dynamic_cast<const QtImageSource*>(&picture);
    return source ? &source->image() : nullptr;
}

QtCanvas::QtCanvas(QImage& target, std::function<void()> changed)
    : target_(target), changed_(std::move(changed)), font_(toQFont(platform::Font{})) {}

platform::Size QtCanvas::size() const { return logicalSize(target_); }

void QtCanvas::copyPixels(const platform::Picture& picture, platform::Rect source, platform::Point destination,
                          const QRgb* key) {
    const QImage* image = imageOf(picture);
    if (!image) return;
    // A shallow copy: writing detaches the target from it, so a buffer copied
    // onto itself reads what it held before and rows never overlap.
    const QImage pixels = *image;
    const int scale = scaleOf(target_);
    if (scaleOf(pixels) != scale) {
        stretchPixels(pixels, source, copiedTo(source, destination), key);
        return;
    }
    const CopySpan span =
        clipCopy(toPixels(source, scale), {toPixels(destination.x, scale), toPixels(destination.y, scale)},
                 pixels.size(), target_.size());
    if (span.width > 0 && span.height > 0) {
        const Rows<const QRgb> from = readRows(pixels);
        const Rows<QRgb> to = writeRows(target_);
        // Format_RGB32 holds 0xFF in every alpha byte; other pictures' alpha is dropped.
        const bool opaque = pixels.format() == QImage::Format_RGB32;
        for (int row = 0; row < span.height; ++row) {
            const QRgb* in = from[span.sourceTop + row] + span.sourceLeft;
            QRgb* out = to[span.targetTop + row] + span.targetLeft;
            if (key) {
                for (int x = 0; x < span.width; ++x) {
                    if ((in[x] & kRgbMask) != *key) out[x] = in[x] | kOpaque;
                }
            } else if (opaque) {
                std::memcpy(out, in, static_cast<std::size_t>(span.width) * sizeof(QRgb));
            } else {
                std::transform(in, in + span.width, out, [](QRgb rgb) { return rgb | kOpaque; });
            }
        }
    }
    changed_();
}

void QtCanvas::copy(const platform::Picture& picture, platform::Rect source, platform::Point destination) {
    copyPixels(picture, source, destination, nullptr);
}

void QtCanvas::copyTransparent(const platform::Picture& picture, platform::Rect source, platform::Point destination,
                               platform::Color key) {
    const QRgb keyRgb = toRgb(key) & kRgbMask;
    copyPixels(picture, source, destination, &keyRgb);
}

void QtCanvas::stretch(const platform::Picture& picture, platform::Rect source, platform::Rect destination) {
    const QImage* image = imageOf(picture);
    if (image) stretchPixels(*image, source, destination, nullptr);
}

void QtCanvas::stretchPixels(const QImage& image, platform::Rect logicalSource, platform::Rect logicalDestination,
                             const QRgb* key) {
    const platform::Rect source = toPixels(logicalSource, scaleOf(image));
    const platform::Rect destination = toPixels(logicalDestination, scaleOf(target_));
    const long long sw = static_cast<long long>(source.right) - source.left;
    const long long sh = static_cast<long long>(source.bottom) - source.top;
    const long long dw = static_cast<long long>(destination.right) - destination.left;
    const long long dh = static_cast<long long>(destination.bottom) - destination.top;
    if (sw <= 0 || sh <= 0 || dw <= 0 || dh <= 0) return;
    const QImage pixels = image;  // as in copyPixels
    // Source columns of the target columns from `left` on; those mapped outside
    // the picture are a run at either end, as the mapping never decreases.
    int left = 0;
    std::vector<int> columns;
    const int right = std::min(destination.right, target_.width());
    for (int x = std::max(destination.left, 0); x < right; ++x) {
        const int sx = scaledIndex(source.left, sw, destination.left, dw, x);
        if (sx < 0 || sx >= pixels.width()) continue;
        if (columns.empty()) left = x;
        columns.push_back(sx);
    }
    if (!columns.empty()) {
        const Rows<const QRgb> from = readRows(pixels);
        const Rows<QRgb> to = writeRows(target_);
        const int bottom = std::min(destination.bottom, target_.height());
        for (int y = std::max(destination.top, 0); y < bottom; ++y) {
            const int sy = scaledIndex(source.top, sh, destination.top, dh, y);
            if (sy < 0 || sy >= pixels.height()) continue;
            const QRgb* in = from[sy];
            QRgb* out = to[y] + left;
            for (std::size_t i = 0; i < columns.size(); ++i) {
                if (!key || (in[columns[i]] & kRgbMask) != *key) out[i] = in[columns[i]] | kOpaque;
            }
        }
    }
    changed_();
}

void QtCanvas::fill(platform::Rect logicalArea, platform::Color color) {
    const platform::Rect area = toPixels(logicalArea, scaleOf(target_));
    const QRgb pixel = toRgb(color);
    const int left = std::max(area.left, 0), right = std::min(area.right, target_.width());
    const int top = std::max(area.top, 0), bottom = std::min(area.bottom, target_.height());
    if (left < right && top < bottom) {
        const Rows<QRgb> to = writeRows(target_);
        for (int y = top; y < bottom; ++y) std::fill(to[y] + left, to[y] + right, pixel);
    }
    changed_();
}

// Steps through the logic's pixels; each is a square of the target's scale.
void QtCanvas::line(platform::Point from, platform::Point to, platform::Color color) {
    const QRgb pixel = toRgb(color);
    const int scale = scaleOf(target_);
    const int width = target_.width() / scale, height = target_.height() / scale;
    const Rows<QRgb> rows = writeRows(target_);
    const int dx = std::abs(to.x - from.x), dy = -std::abs(to.y - from.y);
    const int stepX = from.x < to.x ? 1 : -1, stepY = from.y < to.y ? 1 : -1;
    int error = dx + dy;
    int x = from.x, y = from.y;
    while (x != to.x || y != to.y) {
        if (x >= 0 && y >= 0 && x < width && y < height) {
            for (int row = y * scale; row < (y + 1) * scale; ++row)
                std::fill(rows[row] + x * scale, rows[row] + (x + 1) * scale, pixel);
        }
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
        const int flags = Qt::AlignLeft | Qt::TextSingleLine | (centreVertically ? Qt::AlignVCenter : Qt::AlignTop);
        painter.drawText(rect, flags, toQString(utf8));
    }
    changed_();
}

QtBuffer::QtBuffer(platform::Size size, int scale)
    : image_(toPixels(std::max(size.width, 0), scale), toPixels(std::max(size.height, 0), scale), QImage::Format_RGB32),
      canvas_(image_, [] {}) {
    image_.setDevicePixelRatio(scale);
    image_.fill(Qt::black);
}

platform::Size QtBuffer::size() const { return logicalSize(image_); }

QImage readPictureFile(const std::filesystem::path& file, int scale) {
    if (scale > 1) {
        const std::filesystem::path twin = twinAtScale(file, scale);
        const QSize plain = declaredSize(file);
        if (plain.isValid() && declaredSize(twin) == plain * scale) {
            QImage image = readByContent(twin);
            if (image.size() == plain * scale) {
                image.setDevicePixelRatio(scale);
                return image;
            }
        }
    }
    // Set, not left to the reader: it takes a name ending in "@2x" for a finer picture.
    QImage image = readByContent(file);
    image.setDevicePixelRatio(1);
    return image;
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

QImage resourceImage(int id, int scale) {
    resources::Bitmap bitmap = resources::FindBitmap(id, scale);
    if (bitmap.width <= 0) bitmap = resources::FindBitmap(id);
    const int width = bitmap.width * bitmap.scale, height = bitmap.height * bitmap.scale;
    if (width <= 0 || height <= 0 || bitmap.pixels.size() < static_cast<std::size_t>(width) * height) return {};
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < width; ++x) row[x] = 0xFF000000u | bitmap.pixels[static_cast<std::size_t>(y) * width + x];
    }
    image.setDevicePixelRatio(bitmap.scale);
    return image;
}

}  // namespace fluvane::platform::qt
