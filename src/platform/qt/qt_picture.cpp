#include "platform/qt/qt_picture.h"

namespace fluvane::platform::qt {

QtPicture::QtPicture(const QImage& image)
    : image_(image.hasAlphaChannel() ? image.convertToFormat(QImage::Format_ARGB32)
                                     : image.convertToFormat(QImage::Format_RGB32)) {}

platform::Size QtPicture::size() const { return {image_.width(), image_.height()}; }

const QImage* imageOf(const platform::Picture& picture) {
    const auto* source = dynamic_cast<const QtImageSource*>(&picture);
    return source ? &source->image() : nullptr;
}

}  // namespace fluvane::platform::qt
