#pragma once

#include "controls/property_bag.h"
#include "platform/controls.h"
#include "platform/ui.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

namespace fluvane::controls {

// The skinned vertical scroll bar: arrows, tracks and thumb drawn from
// bitmap 103, auto-repeat on arrows and tracks, thumb dragging with a snap-back
// tolerance, wheel stepping. Values are 16-bit like the system's scroll bars;
// `Max` < `Min` makes an inverted bar.
class SFVScrollBar {
public:
    static constexpr int kWidth = 17;
    static constexpr int kSkinBitmap = 103;

    // The bar lives in `window` and takes over its events.
    SFVScrollBar(platform::Surface& window, platform::Ui& ui);
    ~SFVScrollBar();
    SFVScrollBar(const SFVScrollBar&) = delete;
    SFVScrollBar& operator=(const SFVScrollBar&) = delete;

    std::int16_t Min() const { return static_cast<std::int16_t>(min_); }
    std::int16_t Max() const { return static_cast<std::int16_t>(max_); }
    std::int16_t Value() const { return static_cast<std::int16_t>(value_); }
    std::int16_t LargeChange() const { return static_cast<std::int16_t>(largeChange_); }
    std::int16_t SmallChange() const { return static_cast<std::int16_t>(smallChange_); }
    platform::Cursor MouseIcon() const { return mouseIcon_; }

    void setMin(std::int16_t New_Min);
    void setMax(std::int16_t New_Max);
    void setValue(std::int16_t New_Value);
    void setLargeChange(std::int16_t New_LargeChange);
    void setSmallChange(std::int16_t New_SmallChange);
    void setMouseIcon(platform::Cursor New_MouseIcon);

    // Property bag of a stored instance; a new one keeps the constructor's defaults.
    void readProperties(const PropertyBag& bag);
    void writeProperties(PropertyBag& bag) const;

    // Ends a press whose release the bar will never see (it is being hidden
    // while held): no repeat, drag, capture or hover look is left behind.
    void cancelPress();

    platform::Surface& window() { return window_; }

    // Events in their numbering: 1 `Change` (arrow and track steps), 2 `Scroll`
    // (thumb drag steps, wheel notches).
    std::function<void()> Change;
    std::function<void()> Scroll;
    // Marks a property as changed for the container ("Min", "Value", ...).
    std::function<void(const std::string&)> PropertyChanged;

    // The off-screen picture the last paint was drawn in, if sized yet.
    platform::Buffer* backBuffer() const { return backBuffer_.get(); }
    // Current thumb rectangle, as painted.
    platform::Rect thumbRect() const { return parts_[kThumb].rect; }

private:
    enum PartId { kUp, kDown, kThumb, kTrackAbove, kTrackBelow, kPartCount, kNone = kPartCount };
    struct Part {
        platform::Rect rect;
        int look = 0;  // source row in the skin
        bool hot = false;
        bool pressed = false;
    };

    void RecalcThumb(bool size, bool position);
    void StepBack(int amount);
    void StepForward(int amount);
    // Move Value towards Min / Max, clamped; true if it moved.
    bool moveBack(int amount);
    bool moveForward(int amount);
    void clampValue();
    void markChanged(const std::string& name);

    void onResize();
    void onPaint();
    void onMouseDown(platform::Point p);
    void onMouseMove(platform::Point p);
    void onMouseUp(platform::Point p);
    void onMouseLeave();
    void onWheel(int delta);
    void onRepeatTick();

    void startRepeat(int milliseconds);
    void stopRepeat();
    void hoverPart(PartId id, platform::Point p, int normal, int hover, int pressedLook);
    void pressedTrack(PartId id, platform::Point p);
    void dragThumb(platform::Point p);
    void pageTrack(PartId id);
    bool anyPressed() const;
    void repaint();
    int height() const;

    platform::Surface& window_;
    platform::Ui& ui_;
    std::unique_ptr<platform::Timer> repeatTimer_;
    std::unique_ptr<platform::Buffer> backBuffer_;
    std::shared_ptr<platform::Picture> skin_;

    int min_ = 0;
    int max_ = 100;
    int value_ = 0;
    int largeChange_ = 1;
    int smallChange_ = 1;
    platform::Cursor mouseIcon_ = platform::Cursor::Default;

    int thumbTop_ = 16;
    int thumbHeight_ = 8;
    Part parts_[kPartCount];
    PartId pressedPart_ = kNone;
    PartId repeating_ = kNone;
    platform::Point lastPointer_;
    platform::Point dragStart_;
    int dragStartTop_ = 0;
    platform::Rect dragTolerance_;
};

}  // namespace fluvane::controls
