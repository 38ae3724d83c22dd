#pragma once

#include "platform/canvas.h"
#include "platform/qt/qt_canvas.h"
#include "platform/qt/qt_picture.h"

#include <QImage>

namespace fluvane::platform::qt {

// An off-screen picture that can be drawn on and copied from.
class QtBuffer : public platform::Buffer, public QtImageSource {
public:
    explicit QtBuffer(platform::Size size);
    platform::Size size() const override;
    platform::Canvas& canvas() override { return canvas_; }
    const QImage& image() const override { return image_; }

private:
    QImage image_;
    QtCanvas canvas_;
};

}  // namespace fluvane::platform::qt
