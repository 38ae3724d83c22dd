#pragma once

#include "platform/geometry.h"

#include <memory>
#include <string>

namespace fluvane::platform {

struct Font {
    std::string name = "SimSun";
    double size = 9.0;  // points
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikethrough = false;
    int weight = 400;
    int charset = 134;  // GB2312
    friend bool operator==(const Font&, const Font&) = default;
};

// A loaded image: skin files, program resources or off-screen buffers.
class Picture {
public:
    virtual ~Picture() = default;
    virtual Size size() const = 0;
};

// The drawing primitives of owner-drawn surfaces. Coordinates are pixels of the
// target; a source rectangle is pixels of the picture. Areas of a source
// rectangle outside the picture copy nothing.
class Canvas {
public:
    virtual ~Canvas() = default;

    virtual Size size() const = 0;

    // Unscaled copy of `source` (left/top within `picture`) to `destination`.
    virtual void copy(const Picture& picture, Rect source, Point destination) = 0;
    // Nearest-neighbour stretch: rows and columns are dropped or repeated, never blended.
    virtual void stretch(const Picture& picture, Rect source, Rect destination) = 0;
    // Unscaled copy that leaves the pixels of `key` in the source untouched.
    virtual void copyTransparent(const Picture& picture, Rect source, Point destination, Color key) = 0;
    virtual void fill(Rect area, Color color) = 0;
    // A one-pixel line from `from` to `to`, the end point excluded.
    virtual void line(Point from, Point to, Color color) = 0;

    virtual void setFont(const Font& font) = 0;
    virtual void setTextColor(Color color) = 0;
    // Single-line text clipped to `box`; left-aligned, centred vertically if asked.
    virtual void text(const std::string& utf8, Rect box, bool centreVertically) = 0;
};

// A picture that can be drawn on: owner-drawn controls paint into one and
// copy it to their window in one piece.
class Buffer : public Picture {
public:
    virtual Canvas& canvas() = 0;
};

}  // namespace fluvane::platform
