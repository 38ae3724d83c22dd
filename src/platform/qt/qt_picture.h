#pragma once

#include "platform/canvas.h"

#include <QImage>

namespace fluvane::platform::qt {

// Pixels in Format_RGB32 or Format_ARGB32: the canvas reads them directly.
class QtImageSource {
public:
    virtual ~QtImageSource() = default;
    virtual const QImage& image() const = 0;
};

class QtPicture : public platform::Picture, public QtImageSource {
public:
    explicit QtPicture(const QImage& image);
    platform::Size size() const override;
    const QImage& image() const override { return image_; }

private:
    QImage image_;
};

// The pixels of a picture made by this platform; null for any other picture.
const QImage* imageOf(const platform::Picture& picture);

}  // namespace fluvane::platform::qt
