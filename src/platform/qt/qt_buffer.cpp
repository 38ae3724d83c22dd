#include "platform/qt/qt_buffer.h"

#include <algorithm>

namespace fluvane::platform::qt {

QtBuffer::QtBuffer(platform::Size size)
    : image_(std::max(size.width, 0), std::max(size.height, 0), QImage::Format_RGB32),
      canvas_(image_, [] {}) {
    image_.fill(Qt::black);
}

platform::Size QtBuffer::size() const { return {image_.width(), image_.height()}; }

}  // namespace fluvane::platform::qt
