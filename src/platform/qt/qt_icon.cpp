#include "platform/qt/qt_icon.h"

#include <QFile>
#include <QImageReader>
#include <QPixmap>

#include <algorithm>
#include <set>

namespace fluvane::platform::qt {

namespace {

// The program's icon at 64, 48, 32, 24 and 16 pixels.
constexpr int kFirstProgramIcon = 201, kLastProgramIcon = 205;

QIcon everyImageOf(const std::filesystem::path& file) {
    QImageReader reader(QFile::decodeName(file.c_str()), "ico");
    QIcon icon;
    for (int index = 0; index < std::max(reader.imageCount(), 1); ++index) {
        if (index > 0 && !reader.jumpToImage(index)) break;
        const QImage image = reader.read();
        if (!image.isNull()) icon.addPixmap(QPixmap::fromImage(image));
    }
    return icon;
}

}  // namespace

std::shared_ptr<QtIconPicture> loadIconFile(const std::filesystem::path& file, int side) {
    const QImage standard = readIconFile(file, side);
    if (standard.isNull()) return nullptr;
    return std::make_shared<QtIconPicture>(standard, everyImageOf(file));
}

bool isProgramIcon(int id) { return id >= kFirstProgramIcon && id <= kLastProgramIcon; }

// The finer drawings add the sizes the plain ones lack (96 and 128), for
// scaled screens' frames and panels.
QIcon programIcon() {
    QIcon icon;
    std::set<int> sides;
    for (int scale : {1, 2}) {
        for (int id = kFirstProgramIcon; id <= kLastProgramIcon; ++id) {
            QImage image = resourceImage(id, scale);
            if (image.isNull() || !sides.insert(image.width()).second) continue;
            image.setDevicePixelRatio(1);
            icon.addPixmap(QPixmap::fromImage(image));
        }
    }
    return icon;
}

QIcon iconOf(const platform::Picture& picture) {
    if (const auto* icon = dynamic_cast<const QtIconPicture*>(&picture)) return icon->sizes();
    const QImage* image = imageOf(picture);
    return image ? QIcon(QPixmap::fromImage(*image)) : QIcon();
}

}  // namespace fluvane::platform::qt
