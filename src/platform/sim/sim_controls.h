#pragma once

#include "platform/browser.h"
#include "platform/controls.h"
#include "platform/form.h"
#include "platform/sim/sim_canvas.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace fluvane::platform::sim {

class SimUi;

// Calls an event handler through a copy, so a handler may replace itself.
template <class Handler, class... Args>
void raise(const std::function<Handler>& handler, Args&&... args) {
    if (!handler) return;
    auto copy = handler;
    copy(std::forward<Args>(args)...);
}

// The inspectable side of every control: its place in the tree and the state
// the interfaces set but do not read back.
class SimNode {
public:
    enum class Kind { Form, Surface, Label, Image, Line, Browser };

    SimNode(SimUi& ui, SimNode* parent, Kind kind);
    virtual ~SimNode();
    SimNode(const SimNode&) = delete;
    SimNode& operator=(const SimNode&) = delete;

    virtual platform::Control& control() = 0;

    Kind kind() const { return kind_; }
    SimNode* parent() const { return parent_; }
    // Children in creation order.
    const std::vector<std::unique_ptr<SimNode>>& children() const { return children_; }
    const std::string& toolTip() const { return toolTip_; }
    platform::Cursor cursor() const { return cursor_; }
    // Larger is nearer the front among siblings; creation and bringToFront raise it.
    long zOrder() const { return zOrder_; }
    // Visible with every ancestor, on an open, unminimised form.
    virtual bool shown() const;
    // The top-left of the control's client area in screen pixels.
    Point screenOrigin() const;
    // A paint is pending (surfaces only).
    bool paintPending() const { return paintPending_; }

protected:
    friend class SimUi;
    void applyGeometry(Rect geometry);
    void applyVisible(bool visible);
    void applyToolTip(const std::string& text) { toolTip_ = text; }
    void applyCursor(platform::Cursor cursor) { cursor_ = cursor; }
    void bringForward();
    // Surfaces paint after a size change and after showing.
    void requestPaint();
    void adopt(std::unique_ptr<SimNode> child) { children_.push_back(std::move(child)); }

    SimUi& ui_;
    Rect geometry_;
    bool visible_ = true;

private:
    void requestPaintOfTree();

    SimNode* parent_;
    Kind kind_;
    std::vector<std::unique_ptr<SimNode>> children_;
    std::string toolTip_;
    platform::Cursor cursor_ = platform::Cursor::Default;
    long zOrder_ = 0;
    bool paintPending_ = false;
};

// The test's way from an interface to its simulated control: as<SimLabel>(label).
// Throws std::bad_cast for a control of another platform or kind.
template <class Sim, class Api>
Sim& as(Api& control) {
    return dynamic_cast<Sim&>(control);
}

template <class Api>
class SimControl : public Api, public SimNode {
public:
    SimControl(SimUi& ui, SimNode* parent, Kind kind) : SimNode(ui, parent, kind) {}

    platform::Control& control() override { return *this; }
    Rect geometry() const override { return geometry_; }
    void setGeometry(Rect geometry) override { applyGeometry(geometry); }
    bool visible() const override { return visible_; }
    void setVisible(bool visible) override { applyVisible(visible); }
    void bringToFront() override { bringForward(); }
    void setToolTip(const std::string& text) override { applyToolTip(text); }
    void setCursor(platform::Cursor cursor) override { applyCursor(cursor); }
};

class SimLabel final : public SimControl<platform::Label> {
public:
    SimLabel(SimUi& ui, SimNode* parent) : SimControl(ui, parent, Kind::Label) {}
    std::string caption() const override { return caption_; }
    void setCaption(const std::string& text) override { caption_ = text; }
    void setForeColor(Color color) override { foreColor_ = color; }
    void setBackColor(Color color, bool transparent) override {
        backColor_ = color;
        transparent_ = transparent;
    }
    void setFont(const platform::Font& font) override { font_ = font; }

    Color foreColor() const { return foreColor_; }
    Color backColor() const { return backColor_; }
    bool transparent() const { return transparent_; }
    const platform::Font& font() const { return font_; }

private:
    std::string caption_;
    Color foreColor_;
    Color backColor_ = Color::rgb(0xF0, 0xF0, 0xF0);
    bool transparent_ = false;
    platform::Font font_;
};

class SimImage final : public SimControl<platform::Image> {
public:
    SimImage(SimUi& ui, SimNode* parent) : SimControl(ui, parent, Kind::Image) {}
    std::shared_ptr<platform::Picture> picture() const override { return picture_; }
    void setPicture(std::shared_ptr<platform::Picture> picture, bool stretch) override;
    bool stretched() const { return stretch_; }

private:
    std::shared_ptr<platform::Picture> picture_;
    bool stretch_ = false;
};

class SimLine final : public SimControl<platform::Line> {
public:
    SimLine(SimUi& ui, SimNode* parent) : SimControl(ui, parent, Kind::Line) {}
    void setEnds(Point from, Point to) override {
        from_ = from;
        to_ = to;
    }
    void setColor(Color color) override { color_ = color; }
    Point from() const { return from_; }
    Point to() const { return to_; }
    Color color() const { return color_; }

private:
    Point from_, to_;
    Color color_;
};

// What surfaces and forms hold besides the tree: the recorded canvas,
// background and picture.
class SimDrawable {
public:
    explicit SimDrawable(std::function<Size()> size) : canvas_(std::move(size)) {}
    virtual ~SimDrawable() = default;
    SimCanvas& simCanvas() { return canvas_; }
    const std::vector<DrawOp>& operations() const { return canvas_.operations(); }
    void clearOperations() { canvas_.clearOperations(); }
    Color backColor() const { return backColor_; }
    const std::shared_ptr<platform::Picture>& picture() const { return picture_; }

protected:
    SimCanvas canvas_;
    Color backColor_ = Color::rgb(0xF0, 0xF0, 0xF0);
    std::shared_ptr<platform::Picture> picture_;
};

template <class Api>
class SimSurfaceBase : public SimControl<Api>, public SimDrawable {
public:
    SimSurfaceBase(SimUi& ui, SimNode* parent, SimNode::Kind kind);

    platform::Canvas& canvas() override { return canvas_; }
    void invalidate() override { this->requestPaint(); }
    void setBackColor(Color color) override { backColor_ = color; }
    void setPicture(std::shared_ptr<platform::Picture> picture) override { picture_ = std::move(picture); }
    void setCapture() override;
    void releaseCapture() override;
    bool hasCapture() const override;
    Point mapFromScreen(Point screen) const override;

    platform::Surface& addSurface() override;
    platform::Label& addLabel() override;
    platform::Image& addImage() override;
    platform::Line& addLine() override;
    platform::BrowserPane& addBrowser() override;

private:
    template <class Child>
    Child& addChild();
};

class SimSurface final : public SimSurfaceBase<platform::Surface> {
public:
    SimSurface(SimUi& ui, SimNode* parent) : SimSurfaceBase(ui, parent, Kind::Surface) {}
};

extern template class SimSurfaceBase<platform::Surface>;
extern template class SimSurfaceBase<platform::Form>;

}  // namespace fluvane::platform::sim
