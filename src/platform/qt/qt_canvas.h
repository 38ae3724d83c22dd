#pragma once

#include "platform/canvas.h"

#include <QFont>
#include <QImage>

#include <filesystem>
#include <functional>

namespace fluvane::platform::qt {

// The logic works in its own pixels at every scale. On a screen of a device
// pixel ratio of 1.5 or more pictures, buffers and surfaces hold 2 pixels each
// way for every one of the logic's (their QImage's device pixel ratio is 2),
// so pictures drawn for that scale show pixel for pixel; below it, 1.
int canvasScale(qreal devicePixelRatio);
// The scale of the finest of the application's screens.
int screenScale();
// An image's scale: its device pixel ratio, 1 or 2.
int scaleOf(const QImage& image);
// The image's size in the logic's pixels.
platform::Size logicalSize(const QImage& image);

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

// Draws into a Format_RGB32 image that its owner keeps. Copies work on pixels
// directly, so they are exact: no blending, no smoothing, the source's alpha
// ignored. A picture of the target's scale is copied pixel for pixel, its
// source rectangle scaled with the destination; one of another scale (a skin
// without finer pictures) is stretched by nearest neighbour to the logical size.
class QtCanvas : public platform::Canvas {
public:
    // `changed` runs after every drawing operation.
    QtCanvas(QImage& target, std::function<void()> changed);

    platform::Size size() const override;
    void copy(const platform::Picture& picture, platform::Rect source, platform::Point destination) override;
    void stretch(const platform::Picture& picture, platform::Rect source, platform::Rect destination) override;
    void copyTransparent(const platform::Picture& picture, platform::Rect source, platform::Point destination,
                         platform::Color key) override;
    void fill(platform::Rect area, platform::Color color) override;
    void line(platform::Point from, platform::Point to, platform::Color color) override;
    void setFont(const platform::Font& font) override;
    void setTextColor(platform::Color color) override;
    void text(const std::string& utf8, platform::Rect box, bool centreVertically) override;

private:
    void copyPixels(const platform::Picture& picture, platform::Rect source, platform::Point destination,
                    const QRgb* key);
    void stretchPixels(const QImage& pixels, platform::Rect source, platform::Rect destination, const QRgb* key);

    QImage& target_;
    std::function<void()> changed_;
    QFont font_;
    platform::Color textColor_;
};

// An off-screen picture that can be drawn on and copied from, at `scale`.
class QtBuffer : public platform::Buffer, public QtImageSource {
public:
    explicit QtBuffer(platform::Size size, int scale = 1);
    platform::Size size() const override;
    platform::Canvas& canvas() override { return canvas_; }
    const QImage& image() const override { return image_; }

private:
    QImage image_;
    QtCanvas canvas_;
};

// An image file, its format told by its content; null if unreadable. At scale
// 2 its twin `name@2x.ext` beside it is read instead when that is exactly twice
// the size, so the logic sees the same size either way.
QImage readPictureFile(const std::filesystem::path& file, int scale = 1);
// The icon file's image at `side` × `side` pixels: the image of that size, or
// the largest one scaled; null if the file holds none.
QImage readIconFile(const std::filesystem::path& file, int side);
// A bitmap compiled into the program, drawn for `scale` where there is one
// (scale 1 otherwise); null if the number is unknown.
QImage resourceImage(int id, int scale = 1);

}  // namespace fluvane::platform::qt
