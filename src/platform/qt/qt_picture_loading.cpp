#include "platform/qt/qt_picture_loading.h"

#include "fluvane_resources.h"

#include <QFile>
#include <QImageReader>

namespace fluvane::platform::qt {

namespace {

QString fileName(const std::filesystem::path& file) { return QFile::decodeName(file.c_str()); }

}  // namespace

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
