#include "controls/sfv_scroll_bar.h"

#include "platform/shared/numbers.h"

#include <algorithm>

namespace fluvane::controls {

namespace {

using platform::Point;
using platform::Rect;

constexpr int kArrow = 16;    // arrow cells are square
constexpr int kMinThumb = 8;  // two caps
constexpr int kCap = 4;
constexpr int kFirstRepeatMs = 500;
constexpr int kRepeatMs = 50;

// Source rows of the looks in the skin strip.
namespace look {
constexpr int UpNormal = 0, UpHover = 16, UpPressed = 32;
constexpr int TrackNormal = 48, TrackPressed = 50;
constexpr int ThumbNormal = 52, ThumbHover = 62, ThumbPressed = 72;
constexpr int DownNormal = 82, DownHover = 98, DownPressed = 114;
}  // namespace look

constexpr int kSkinWidth = 16;

Rect skinRows(int top, int rows) { return Rect::fromSize(0, top, kSkinWidth, rows); }

}  // namespace

SFVScrollBar::SFVScrollBar(platform::Surface& window, platform::Ui& ui)
    : window_(window), ui_(ui), repeatTimer_(ui.createTimer()), skin_(ui.resourcePicture(kSkinBitmap)) {
    parts_[kUp].look = look::UpNormal;
    parts_[kDown].look = look::DownNormal;
    parts_[kThumb].look = look::ThumbNormal;
    parts_[kTrackAbove].look = look::TrackNormal;
    parts_[kTrackBelow].look = look::TrackNormal;

    repeatTimer_->tick = [this] { onRepeatTick(); };
    auto& events = window_.events;
    events.resize = [this] { onResize(); };
    events.paint = [this] { onPaint(); };
    events.mouseDown = [this](const platform::MouseEvent& e) {
        lastPointer_ = {e.x, e.y};
        if (e.button == platform::button::Left) onMouseDown(lastPointer_);
    };
    // The second press of a double click comes without a position, where the
    // first click was; it is a press all the same.
    events.doubleClick = [this] { onMouseDown(lastPointer_); };
    events.mouseUp = [this](const platform::MouseEvent& e) {
        lastPointer_ = {e.x, e.y};
        if (e.button == platform::button::Left) onMouseUp(lastPointer_);
    };
    events.mouseMove = [this](const platform::MouseEvent& e) { onMouseMove({e.x, e.y}); };
    events.mouseLeave = [this] { onMouseLeave(); };
    events.mouseWheel = [this](int delta, const platform::MouseEvent&) { onWheel(delta); };
    onResize();
}

SFVScrollBar::~SFVScrollBar() { window_.events = {}; }

int SFVScrollBar::height() const { return window_.geometry().height(); }

void SFVScrollBar::markChanged(const std::string& name) {
    if (PropertyChanged) PropertyChanged(name);
}

void SFVScrollBar::repaint() { window_.invalidate(); }

// ---- properties -------------------------------------------------------------

void SFVScrollBar::clampValue() {
    if (max_ >= min_)
        value_ = std::clamp(value_, min_, max_);
    else
        value_ = std::clamp(value_, max_, min_);
}

void SFVScrollBar::setMin(std::int16_t New_Min) {
    min_ = New_Min;
    clampValue();
    RecalcThumb(true, true);
    repaint();
    markChanged("Min");
}

void SFVScrollBar::setMax(std::int16_t New_Max) {
    max_ = New_Max;
    clampValue();
    RecalcThumb(true, true);
    repaint();
    markChanged("Max");
}

void SFVScrollBar::setValue(std::int16_t New_Value) {
    const bool inverted = max_ < min_;
    if (!inverted || (New_Value >= max_ && New_Value <= min_)) {
        value_ = New_Value;
        clampValue();
        RecalcThumb(false, true);
        repaint();
    }
    markChanged("Value");
}

void SFVScrollBar::setLargeChange(std::int16_t New_LargeChange) {
    if (New_LargeChange > 0) {
        largeChange_ = New_LargeChange;
        RecalcThumb(true, true);
        repaint();
    }
    markChanged("LargeChange");
}

void SFVScrollBar::setSmallChange(std::int16_t New_SmallChange) {
    if (New_SmallChange > 0) {
        smallChange_ = New_SmallChange;
        repaint();
    }
    markChanged("SmallChange");
}

void SFVScrollBar::setMouseIcon(platform::Cursor New_MouseIcon) {
    mouseIcon_ = New_MouseIcon;
    window_.setCursor(mouseIcon_);
    markChanged("MouseIcon");
}

void SFVScrollBar::readProperties(const PropertyBag& bag) {
    // Stored values are taken as they are, unclamped.
    min_ = static_cast<std::int16_t>(bag.readInt("Min", 0));
    max_ = static_cast<std::int16_t>(bag.readInt("Max", 100));
    value_ = static_cast<std::int16_t>(bag.readInt("Value", 0));
    largeChange_ = static_cast<std::int16_t>(bag.readInt("LargeChange", 1));
    smallChange_ = static_cast<std::int16_t>(bag.readInt("SmallChange", 1));
    mouseIcon_ = static_cast<platform::Cursor>(bag.readInt("MouseIcon", static_cast<int>(platform::Cursor::Default)));
    window_.setCursor(mouseIcon_);
    RecalcThumb(true, true);
    repaint();
}

void SFVScrollBar::writeProperties(PropertyBag& bag) const {
    bag.writeInt("Min", Min(), 0);
    bag.writeInt("Max", Max(), 100);
    bag.writeInt("Value", Value(), 0);
    bag.writeInt("LargeChange", LargeChange(), 1);
    bag.writeInt("SmallChange", SmallChange(), 1);
    bag.writeInt("MouseIcon", static_cast<int>(mouseIcon_), static_cast<int>(platform::Cursor::Default));
}

// ---- geometry and stepping ----------------------------------------------------

void SFVScrollBar::RecalcThumb(bool size, bool position) {
    const int h = height();
    const double track = h - 2 * kArrow;
    if (size) {
        const double range = std::abs(max_ - min_);
        if (range == 0)
            thumbHeight_ = h - 2 * kArrow;
        else if (largeChange_ <= 0)  // only a stored instance can hold one
            thumbHeight_ = kMinThumb;
        else
            thumbHeight_ = platform::shared::nearestInteger(track / (range / largeChange_ + 1));
        thumbHeight_ = std::max(thumbHeight_, kMinThumb);
    }
    if (position) {
        if (max_ == min_)
            thumbTop_ = kArrow;
        else
            thumbTop_ =
                platform::shared::nearestInteger((track - thumbHeight_) / (max_ - min_) * (value_ - min_)) + kArrow;
    }
    parts_[kThumb].rect = {0, thumbTop_, kSkinWidth, thumbTop_ + thumbHeight_};
    parts_[kTrackAbove].rect = {0, kArrow, kSkinWidth, thumbTop_};
    parts_[kTrackBelow].rect = {0, thumbTop_ + thumbHeight_, kSkinWidth, h - kArrow};
}

bool SFVScrollBar::moveBack(int amount) {
    const int before = value_;
    if (max_ >= min_)
        value_ = std::max(value_ - amount, min_);
    else
        value_ = std::min(value_ + amount, min_);
    return value_ != before;
}

bool SFVScrollBar::moveForward(int amount) {
    const int before = value_;
    if (max_ >= min_)
        value_ = std::min(value_ + amount, max_);
    else
        value_ = std::max(value_ - amount, max_);
    return value_ != before;
}

void SFVScrollBar::StepBack(int amount) {
    if (moveBack(amount) && Change) Change();
}

void SFVScrollBar::StepForward(int amount) {
    if (moveForward(amount) && Change) Change();
}

// ---- window events ------------------------------------------------------------

void SFVScrollBar::onResize() {
    Rect geometry = window_.geometry();
    if (geometry.width() != kWidth) {
        geometry.right = geometry.left + kWidth;
        window_.setGeometry(geometry);
    }
    const int h = geometry.height();
    backBuffer_ = ui_.createBuffer({kWidth, h});
    parts_[kUp].rect = {0, 0, kSkinWidth, kArrow};
    parts_[kDown].rect = {0, h - kArrow, kSkinWidth, h};
    dragTolerance_ = {-130, -30, 147, h + 30};
    RecalcThumb(true, true);
}

void SFVScrollBar::onPaint() {
    if (!backBuffer_ || !skin_) return;
    auto& canvas = backBuffer_->canvas();
    const int h = height();
    const Part& thumb = parts_[kThumb];
    canvas.copy(*skin_, skinRows(parts_[kUp].look, kArrow), {0, 0});
    if (thumbHeight_ < h - 2 * kArrow) {
        const Rect& above = parts_[kTrackAbove].rect;
        const Rect& below = parts_[kTrackBelow].rect;
        canvas.stretch(*skin_, skinRows(parts_[kTrackAbove].look, 2),
                       Rect::fromSize(0, kArrow, kSkinWidth, above.height()));
        canvas.stretch(*skin_, skinRows(parts_[kTrackBelow].look, 2), below);
        canvas.copy(*skin_, skinRows(thumb.look, kCap), {0, thumbTop_});
        if (thumbHeight_ > kMinThumb)
            canvas.stretch(*skin_, skinRows(thumb.look + kCap, 2),
                           Rect::fromSize(0, thumbTop_ + kCap, kSkinWidth, thumbHeight_ - 2 * kCap));
        canvas.copy(*skin_, skinRows(thumb.look + 6, kCap), {0, thumbTop_ + thumbHeight_ - kCap});
    } else {
        canvas.stretch(*skin_, skinRows(look::TrackNormal, 2), Rect::fromSize(0, kArrow, kSkinWidth, h - 2 * kArrow));
    }
    canvas.copy(*skin_, skinRows(parts_[kDown].look, kArrow), {0, h - kArrow});
    window_.canvas().copy(*backBuffer_, Rect::fromSize(0, 0, kWidth, h), {0, 0});
}

void SFVScrollBar::startRepeat(int milliseconds) {
    repeatTimer_->setEnabled(false);  // a new wait, even when already running
    repeatTimer_->setInterval(milliseconds);
    repeatTimer_->setEnabled(true);
}

void SFVScrollBar::stopRepeat() { repeatTimer_->setEnabled(false); }

void SFVScrollBar::onMouseDown(Point p) {
    window_.setCapture();
    auto press = [this](PartId id, int pressedLook) {
        parts_[id].look = pressedLook;
        parts_[id].pressed = true;
        pressedPart_ = id;
    };
    if (parts_[kUp].rect.contains(p)) {
        press(kUp, look::UpPressed);
        StepBack(smallChange_);
        RecalcThumb(false, true);
        repeating_ = kUp;
        startRepeat(kFirstRepeatMs);
    } else if (parts_[kDown].rect.contains(p)) {
        press(kDown, look::DownPressed);
        StepForward(smallChange_);
        RecalcThumb(false, true);
        repeating_ = kDown;
        startRepeat(kFirstRepeatMs);
    } else if (parts_[kThumb].rect.contains(p)) {
        dragStart_ = p;
        dragStartTop_ = thumbTop_;
        press(kThumb, look::ThumbPressed);
    } else if (parts_[kTrackAbove].rect.contains(p)) {
        press(kTrackAbove, look::TrackPressed);
        StepBack(largeChange_);
        RecalcThumb(false, true);
        repeating_ = kTrackAbove;
        startRepeat(kFirstRepeatMs);
    } else if (parts_[kTrackBelow].rect.contains(p)) {
        press(kTrackBelow, look::TrackPressed);
        StepForward(largeChange_);
        RecalcThumb(false, true);
        repeating_ = kTrackBelow;
        startRepeat(kFirstRepeatMs);
    }
    repaint();
}

void SFVScrollBar::pageTrack(PartId id) {
    const Point p = window_.mapFromScreen(ui_.cursorPosition());
    if (parts_[id].rect.contains(p)) {
        parts_[id].look = look::TrackPressed;
        if (id == kTrackAbove)
            StepBack(largeChange_);
        else
            StepForward(largeChange_);
        RecalcThumb(false, true);
    } else {
        parts_[id].look = look::TrackNormal;
    }
    repaint();
}

void SFVScrollBar::onRepeatTick() {
    startRepeat(kRepeatMs);
    switch (repeating_) {
        case kUp:
            StepBack(smallChange_);
            RecalcThumb(false, true);
            repaint();
            break;
        case kDown:
            StepForward(smallChange_);
            RecalcThumb(false, true);
            repaint();
            break;
        case kTrackAbove:
        case kTrackBelow:
            pageTrack(repeating_);
            break;
        default:
            break;
    }
}

bool SFVScrollBar::anyPressed() const { return pressedPart_ != kNone; }

void SFVScrollBar::hoverPart(PartId id, Point p, int normal, int hover, int pressedLook) {
    Part& part = parts_[id];
    const bool inside = part.rect.contains(p);
    if (part.pressed) {
        if (inside && !part.hot) {
            part.look = pressedLook;
            part.hot = true;
            startRepeat(kRepeatMs);
            repaint();
        } else if (!inside && part.hot) {
            part.look = normal;
            part.hot = false;
            stopRepeat();
            repaint();
        }
    } else if ((anyPressed() || !inside) && part.hot) {
        part.look = normal;
        part.hot = false;
        repaint();
    } else if (!anyPressed() && inside && !part.hot) {
        // The platform reports the pointer leaving; no request needed.
        part.look = hover;
        part.hot = true;
        repaint();
    }
}

void SFVScrollBar::pressedTrack(PartId id, Point p) {
    Part& part = parts_[id];
    if (!part.pressed) return;
    const bool inside = part.rect.contains(p);
    if (inside && !part.hot) {
        part.look = look::TrackPressed;
        part.hot = true;
        startRepeat(kRepeatMs);
        repaint();
    } else if (!inside && part.hot) {
        part.look = look::TrackNormal;
        part.hot = false;
        stopRepeat();
        repaint();
    }
}

void SFVScrollBar::dragThumb(Point p) {
    const int h = height();
    if (dragTolerance_.contains(p)) {
        const int candidate = dragStartTop_ + (p.y - dragStart_.y);
        thumbTop_ = std::clamp(candidate, kArrow, std::max(kArrow, h - thumbHeight_ - kArrow));
    } else {
        thumbTop_ = dragStartTop_;
    }
    RecalcThumb(false, false);
    // With no free track (Max = Min, or a thumb filling the track) there is no
    // position to map; the value stays.
    const int freeTrack = h - thumbHeight_ - 2 * kArrow;
    if (freeTrack <= 0 || max_ == min_) return;
    const int before = value_;
    value_ =
        min_ + platform::shared::nearestInteger(static_cast<double>(max_ - min_) / freeTrack * (thumbTop_ - kArrow));
    if (value_ == before) return;
    if (dragTolerance_.contains(p)) parts_[kThumb].look = look::ThumbPressed;
    repaint();
    if (Scroll) Scroll();
}

void SFVScrollBar::onMouseMove(Point p) {
    lastPointer_ = p;
    hoverPart(kUp, p, look::UpNormal, look::UpHover, look::UpPressed);
    hoverPart(kDown, p, look::DownNormal, look::DownHover, look::DownPressed);
    if (parts_[kThumb].pressed)
        dragThumb(p);
    else
        hoverPart(kThumb, p, look::ThumbNormal, look::ThumbHover, look::ThumbPressed);
    pressedTrack(kTrackAbove, p);
    pressedTrack(kTrackBelow, p);
}

void SFVScrollBar::onMouseUp(Point p) {
    window_.releaseCapture();
    switch (pressedPart_) {
        case kUp:
            parts_[kUp].look = parts_[kUp].rect.contains(p) ? look::UpHover : look::UpNormal;
            break;
        case kDown:
            parts_[kDown].look = parts_[kDown].rect.contains(p) ? look::DownHover : look::DownNormal;
            break;
        case kThumb:
            parts_[kThumb].look = parts_[kThumb].rect.contains(p) ? look::ThumbHover : look::ThumbNormal;
            break;
        case kTrackAbove:
        case kTrackBelow:
            parts_[pressedPart_].look = look::TrackNormal;
            break;
        default:
            break;
    }
    for (Part& part : parts_) part.pressed = false;
    repaint();
    pressedPart_ = kNone;
    repeating_ = kNone;
    stopRepeat();
}

void SFVScrollBar::cancelPress() {
    onMouseUp({-1, -1});  // away from every part
    onMouseLeave();
}

void SFVScrollBar::onMouseLeave() {
    const int normals[] = {look::UpNormal, look::DownNormal, look::ThumbNormal};
    for (PartId id : {kUp, kDown, kThumb}) {
        if (!parts_[id].hot) continue;
        parts_[id].look = normals[id];
        parts_[id].hot = false;
    }
    repaint();
}

void SFVScrollBar::onWheel(int delta) {
    // A notch away from the user moves towards Min, on inverted bars too.
    if (delta > 0)
        moveBack(largeChange_);
    else
        moveForward(largeChange_);
    RecalcThumb(false, true);
    repaint();
    if (Scroll) Scroll();
}

}  // namespace fluvane::controls
