#include "platform/qt/qt_picture_read_ahead.h"

#include "platform/qt/qt_canvas.h"

#include <regex>
#include <system_error>
#include <utility>

namespace fluvane::platform::qt {

namespace {

// "bj@2x.jpg" beside "bj.jpg" is its twin; alone, it is a picture of its own.
bool isTwin(const std::filesystem::path& file) {
    static const std::regex twin("(.*)@[0-9]+x");
    std::smatch plain;
    const std::string stem = file.stem().string();
    std::error_code error;
    return std::regex_match(stem, plain, twin) &&
           std::filesystem::exists(file.parent_path() / (plain[1].str() + file.extension().string()), error);
}

std::optional<std::filesystem::file_time_type> writtenAt(const std::filesystem::path& file) {
    std::error_code error;
    const auto written = std::filesystem::last_write_time(file, error);
    if (error) return std::nullopt;
    return written;
}

}  // namespace

void PictureReadAhead::read(const std::filesystem::path& folder, int scale) {
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
        if (!entry.is_regular_file(error) || isTwin(entry.path())) continue;
        const auto written = writtenAt(entry.path());
        if (!written) continue;
        QImage image = readPictureFile(entry.path(), scale);
        if (!image.isNull()) pictures_[entry.path()] = {std::move(image), scale, *written};
    }
}

std::optional<QImage> PictureReadAhead::take(const std::filesystem::path& file, int scale) {
    const auto found = pictures_.find(file);
    if (found == pictures_.end()) {
        pictures_.clear();
        return std::nullopt;
    }
    // The entry stays, emptied: a second load of the same file is no sign
    // that the window has loaded.
    Picture& picture = found->second;
    QImage image = std::exchange(picture.image, QImage());
    if (image.isNull() || picture.scale != scale || writtenAt(file) != picture.written) return std::nullopt;
    return image;
}

}  // namespace fluvane::platform::qt
