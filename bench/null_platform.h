#pragma once

#include "platform/controls.h"
#include "platform/ui.h"

#include <memory>
#include <stdexcept>
#include <vector>

namespace fluvane::bench {

// A platform that draws nothing, so that a benchmark measures the control's
// own work. Paints run when the loop asks, as a message loop would run them.

class NullCanvas final : public platform::Canvas {
public:
    explicit NullCanvas(platform::Size size) : size_(size) {}
    platform::Size size() const override { return size_; }
    void copy(const platform::Picture&, platform::Rect, platform::Point) override {}
    void stretch(const platform::Picture&, platform::Rect, platform::Rect) override {}
    void copyTransparent(const platform::Picture&, platform::Rect, platform::Point, platform::Color) override {}
    void fill(platform::Rect, platform::Color) override {}
    void line(platform::Point, platform::Point, platform::Color) override {}
    void setFont(const platform::Font&) override {}
    void setTextColor(platform::Color) override {}
    void text(const std::string&, platform::Rect, bool) override {}

private:
    platform::Size size_;
};

class NullPicture final : public platform::Picture {
public:
    explicit NullPicture(platform::Size size) : size_(size) {}
    platform::Size size() const override { return size_; }

private:
    platform::Size size_;
};

class NullBuffer final : public platform::Buffer {
public:
    explicit NullBuffer(platform::Size size) : canvas_(size) {}
    platform::Size size() const override { return canvas_.size(); }
    platform::Canvas& canvas() override { return canvas_; }

private:
    NullCanvas canvas_;
};

class NullTimer final : public platform::Timer {
public:
    int interval() const override { return interval_; }
    void setInterval(int milliseconds) override { interval_ = milliseconds; }
    bool enabled() const override { return enabled_; }
    void setEnabled(bool enabled) override { enabled_ = enabled; }

private:
    int interval_ = 0;
    bool enabled_ = false;
};

class NullSurface final : public platform::Surface {
public:
    platform::Rect geometry() const override { return geometry_; }
    void setGeometry(platform::Rect geometry) override {
        const bool resized = geometry.width() != geometry_.width() || geometry.height() != geometry_.height();
        geometry_ = geometry;
        if (resized && events.resize) events.resize();
    }
    bool visible() const override { return visible_; }
    void setVisible(bool visible) override { visible_ = visible; }
    void bringToFront() override {}
    void setToolTip(const std::string&) override {}
    void setCursor(platform::Cursor) override {}
    platform::Canvas& canvas() override { return canvas_; }
    void invalidate() override { paintPending_ = true; }
    void setBackColor(platform::Color) override {}
    void setPicture(std::shared_ptr<platform::Picture>) override {}
    void setCapture() override {}
    void releaseCapture() override {}
    bool hasCapture() const override { return false; }
    platform::Point mapFromScreen(platform::Point screen) const override { return screen; }
    platform::Surface& addSurface() override { return *children_.emplace_back(std::make_unique<NullSurface>()); }
    platform::Label& addLabel() override { throw std::logic_error("not used by the controls"); }
    platform::Image& addImage() override { throw std::logic_error("not used by the controls"); }
    platform::Line& addLine() override { throw std::logic_error("not used by the controls"); }
    platform::BrowserPane& addBrowser() override { throw std::logic_error("not used by the controls"); }

    // Runs the pending paints of this surface and its children.
    void runPaints() {
        if (paintPending_ && visible_ && events.paint) {
            paintPending_ = false;
            events.paint();
        }
        for (auto& child : children_) child->runPaints();
    }

private:
    platform::Rect geometry_;
    bool visible_ = true;
    bool paintPending_ = false;
    NullCanvas canvas_{{0, 0}};
    std::vector<std::unique_ptr<NullSurface>> children_;
};

class NullUi final : public platform::Ui {
public:
    std::unique_ptr<platform::Form> createForm() override { throw std::logic_error("not used by the controls"); }
    std::unique_ptr<platform::Timer> createTimer() override { return std::make_unique<NullTimer>(); }
    std::unique_ptr<platform::Timer> createTimer(platform::Form&) override { return createTimer(); }
    std::unique_ptr<platform::Buffer> createBuffer(platform::Size size) override {
        return std::make_unique<NullBuffer>(size);
    }
    std::shared_ptr<platform::Picture> loadPicture(const std::filesystem::path&) override { return nullptr; }
    std::shared_ptr<platform::Picture> loadIcon(const std::filesystem::path&) override { return nullptr; }
    std::shared_ptr<platform::Picture> resourcePicture(int) override {
        return std::make_shared<NullPicture>(platform::Size{168, 130});
    }
    platform::Color systemColor(int) const override { return {}; }
    platform::Size screenSize() const override { return {1366, 768}; }
    platform::Rect workArea() const override { return {0, 0, 1366, 728}; }
    platform::Rect taskbarRect() const override { return {}; }
    platform::Point cursorPosition() const override { return {}; }
    platform::MessageBoxResult messageBox(const std::string&, const std::string&, platform::MessageBoxIcon,
                                          platform::MessageBoxButtons) override {
        return platform::MessageBoxResult::Ok;
    }
    int popupMenu(platform::Form&, const std::vector<platform::MenuItem>&, platform::Point) override { return 0; }
    bool notifyIcon(platform::NotifyIconOperation, const platform::NotifyIconData&) override { return false; }
    bool trayAvailable() const override { return false; }
    void processEvents() override {}
    void sleep(int) override {}
};

}  // namespace fluvane::bench
