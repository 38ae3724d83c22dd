#pragma once

#include <QImage>

#include <filesystem>
#include <map>
#include <optional>

namespace fluvane::platform::qt {

// Pictures read while the start-up waits on its timers, so that the window
// loading them then finds them decoded. Each is handed out once; a file
// written since is read again by the caller. What no one took is let go at
// the first picture asked that was not read ahead: the window it was for has
// loaded by then.
class PictureReadAhead {
public:
    // Reads every picture file of `folder` (not the twins beside them drawn at
    // other scales, which readPictureFile takes itself) as readPictureFile
    // would at `scale`.
    void read(const std::filesystem::path& folder, int scale);

    // The picture of `file` at `scale` as read ahead, if it was and the file
    // is unchanged.
    std::optional<QImage> take(const std::filesystem::path& file, int scale);

private:
    struct Picture {
        QImage image;
        int scale;
        std::filesystem::file_time_type written;
    };
    std::map<std::filesystem::path, Picture> pictures_;
};

}  // namespace fluvane::platform::qt
