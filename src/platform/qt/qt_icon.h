#pragma once

#include "platform/canvas.h"
#include "platform/qt/qt_canvas.h"

#include <QIcon>

#include <filesystem>
#include <memory>
#include <utility>

namespace fluvane::platform::qt {

// An icon's picture at one size for the logic to hold and draw, carrying
// every size its source has, so that a window's frame, its taskbar entry and
// the notification area each pick the size they show.
class QtIconPicture : public QtPicture {
public:
    QtIconPicture(const QImage& image, QIcon sizes) : QtPicture(image), sizes_(std::move(sizes)) {}
    const QIcon& sizes() const { return sizes_; }

private:
    QIcon sizes_;
};

// The icon file's image at `side` × `side` pixels (see readIconFile),
// carrying every image of the file; nothing if the file holds none.
std::shared_ptr<QtIconPicture> loadIconFile(const std::filesystem::path& file, int side);

// Whether the bitmap `id` is one of the program's own icon sizes.
bool isProgramIcon(int id);
// The program's own icon, drawn into the binary in five sizes, each also at
// twice the resolution.
QIcon programIcon();

// What a window or the notification area shows for `picture`: every size it
// carries, or the picture alone.
QIcon iconOf(const platform::Picture& picture);

}  // namespace fluvane::platform::qt
