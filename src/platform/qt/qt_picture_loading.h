#pragma once

#include <QImage>

#include <filesystem>

namespace fluvane::platform::qt {

// An image file, its format told by its content; null if unreadable.
QImage readPictureFile(const std::filesystem::path& file);
// The icon file's image at `side` × `side` pixels: the image of that size, or
// the largest one scaled; null if the file holds none.
QImage readIconFile(const std::filesystem::path& file, int side);
// A bitmap compiled into the program; null if the number is unknown.
QImage resourceImage(int id);

}  // namespace fluvane::platform::qt
