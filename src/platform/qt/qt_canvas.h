#pragma once

#include "platform/canvas.h"

#include <QFont>
#include <QImage>

#include <functional>

namespace fluvane::platform::qt {

// Draws into a Format_RGB32 image that its owner keeps. Copies work on pixels
// directly, so they are exact: no blending, no smoothing, the source's alpha ignored.
class QtCanvas : public platform::Canvas {
public:
    // `changed` runs after every drawing operation.
    QtCanvas(QImage& target, std::function<void()> changed);

    platform::Size size() const override;
    void copy(const platform::Picture& picture, platform::Rect source,
              platform::Point destination) override;
    void stretch(const platform::Picture& picture, platform::Rect source,
                 platform::Rect destination) override;
    void copyTransparent(const platform::Picture& picture, platform::Rect source,
                         platform::Point destination, platform::Color key) override;
    void fill(platform::Rect area, platform::Color color) override;
    void line(platform::Point from, platform::Point to, platform::Color color) override;
    void setFont(const platform::Font& font) override;
    void setTextColor(platform::Color color) override;
    void text(const std::string& utf8, platform::Rect box, bool centreVertically) override;

private:
    void copyPixels(const platform::Picture& picture, platform::Rect source,
                    platform::Point destination, const QRgb* key);
    void setPixel(int x, int y, QRgb rgb);

    QImage& target_;
    std::function<void()> changed_;
    QFont font_;
    platform::Color textColor_;
};

}  // namespace fluvane::platform::qt
