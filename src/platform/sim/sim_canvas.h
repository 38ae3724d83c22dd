#pragma once

#include "platform/canvas.h"

#include <filesystem>
#include <functional>
#include <string>
#include <variant>
#include <vector>

namespace fluvane::platform::sim {

using platform::Color;
using platform::Point;
using platform::Rect;
using platform::Size;

// Where a picture came from, so drawing records say which image was drawn.
struct PictureOrigin {
    enum class Kind { Unknown, Resource, File, Icon, Buffer };
    Kind kind = Kind::Unknown;
    int resourceId = 0;          // Resource
    std::filesystem::path file;  // File, Icon
    int bufferSerial = 0;        // Buffer: 1, 2, … in creation order

    static PictureOrigin resource(int id) { return {Kind::Resource, id, {}, 0}; }
    static PictureOrigin fromFile(std::filesystem::path path) { return {Kind::File, 0, std::move(path), 0}; }
    static PictureOrigin icon(std::filesystem::path path) { return {Kind::Icon, 0, std::move(path), 0}; }
    static PictureOrigin buffer(int serial) { return {Kind::Buffer, 0, {}, serial}; }
    friend bool operator==(const PictureOrigin&, const PictureOrigin&) = default;
};

// What every picture of this platform carries.
class Originated {
public:
    virtual ~Originated() = default;
    virtual const PictureOrigin& origin() const = 0;
};

// Kind::Unknown for pictures not made by this platform.
PictureOrigin originOf(const platform::Picture& picture);

// One recorded drawing operation each, with the state it drew with.
namespace draw {
struct Copy {
    PictureOrigin picture;
    Rect source;
    Point destination;
    friend bool operator==(const Copy&, const Copy&) = default;
};
struct Stretch {
    PictureOrigin picture;
    Rect source;
    Rect destination;
    friend bool operator==(const Stretch&, const Stretch&) = default;
};
struct CopyTransparent {
    PictureOrigin picture;
    Rect source;
    Point destination;
    Color key;
    friend bool operator==(const CopyTransparent&, const CopyTransparent&) = default;
};
struct Fill {
    Rect area;
    Color color;
    friend bool operator==(const Fill&, const Fill&) = default;
};
struct Line {
    Point from;
    Point to;
    Color color;
    friend bool operator==(const Line&, const Line&) = default;
};
struct Text {
    std::string utf8;
    Rect box;
    bool centred = false;
    platform::Font font;
    Color color;
    friend bool operator==(const Text&, const Text&) = default;
};
}  // namespace draw

using DrawOp = std::variant<draw::Copy, draw::Stretch, draw::CopyTransparent, draw::Fill, draw::Line, draw::Text>;

// A canvas that records what is drawn on it instead of drawing. Records
// accumulate until cleared, as the pixels of a real canvas would persist.
class SimCanvas final : public platform::Canvas {
public:
    explicit SimCanvas(std::function<Size()> size) : size_(std::move(size)) {}

    Size size() const override { return size_(); }
    void copy(const platform::Picture& picture, Rect source, Point destination) override;
    void stretch(const platform::Picture& picture, Rect source, Rect destination) override;
    void copyTransparent(const platform::Picture& picture, Rect source, Point destination, Color key) override;
    void fill(Rect area, Color color) override;
    void line(Point from, Point to, Color color) override;
    void setFont(const platform::Font& font) override { font_ = font; }
    void setTextColor(Color color) override { textColor_ = color; }
    void text(const std::string& utf8, Rect box, bool centreVertically) override;

    const std::vector<DrawOp>& operations() const { return operations_; }
    void clearOperations() { operations_.clear(); }
    const platform::Font& font() const { return font_; }
    Color textColor() const { return textColor_; }

private:
    std::function<Size()> size_;
    std::vector<DrawOp> operations_;
    platform::Font font_;
    Color textColor_;
};

class SimPicture final : public platform::Picture, public Originated {
public:
    SimPicture(PictureOrigin origin, Size size) : origin_(std::move(origin)), size_(size) {}
    Size size() const override { return size_; }
    const PictureOrigin& origin() const override { return origin_; }

private:
    PictureOrigin origin_;
    Size size_;
};

// An off-screen buffer; copying it elsewhere is recorded with its origin.
class SimBuffer final : public platform::Buffer, public Originated {
public:
    SimBuffer(int serial, Size size)
        : origin_(PictureOrigin::buffer(serial)), size_(size), canvas_([this] { return size_; }) {}
    SimBuffer(const SimBuffer&) = delete;
    SimBuffer& operator=(const SimBuffer&) = delete;
    Size size() const override { return size_; }
    platform::Canvas& canvas() override { return canvas_; }
    const PictureOrigin& origin() const override { return origin_; }
    SimCanvas& simCanvas() { return canvas_; }

private:
    PictureOrigin origin_;
    Size size_;
    SimCanvas canvas_;
};

}  // namespace fluvane::platform::sim
