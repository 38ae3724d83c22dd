#include "mainwindow/edge_resize.h"

#include "platform/shared/twips.h"

namespace fluvane::mainwindow {

namespace {

constexpr float kBand = 75;         // 5 pixels
constexpr float kMinWidth = 14700;  // 980 pixels
constexpr float kMinHeight = 6000;  // 400 pixels

// The window's place on the screen, in twips, as the system reasons about it.
struct TwipsPlace {
    float left, top, width, height;
};

TwipsPlace placeOf(const platform::Form& window) {
    const platform::Rect r = window.geometry();
    return {platform::shared::pixelsToTwips(r.left), platform::shared::pixelsToTwips(r.top),
            platform::shared::pixelsToTwips(r.width()), platform::shared::pixelsToTwips(r.height())};
}

void moveTo(platform::Form& window, TwipsPlace place) {
    window.setGeometry(platform::shared::twipsRect(place.left, place.top, place.width, place.height));
}

// Later rules win: a corner shows the diagonal pointer.
platform::Cursor pointerFor(const EdgeDragState& s) {
    platform::Cursor pointer = platform::Cursor::Default;
    if (s.left || s.right) pointer = platform::Cursor::SizeWE;
    if (s.top || s.bottom) pointer = platform::Cursor::SizeNS;
    if ((s.left && s.top) || (s.right && s.bottom)) pointer = platform::Cursor::SizeNWSE;
    if ((s.left && s.bottom) || (s.right && s.top)) pointer = platform::Cursor::SizeNESW;
    return pointer;
}

// A window too small for two bands keeps the bottom or right one.
void pickEdges(platform::Form& window, EdgeDragState& s, float x, float y) {
    const TwipsPlace w = placeOf(window);
    s.top = y <= kBand;
    s.bottom = w.height - y <= kBand;
    s.left = x <= kBand;
    s.right = w.width - x <= kBand;
    if (s.top && s.bottom) s.top = false;
    if (s.left && s.right) s.left = false;
    s.move = !(s.top || s.bottom || s.left || s.right);
    s.anchorX = x;
    s.anchorY = y;
    window.setCursor(pointerFor(s));
}

// The top and left edges move the window under the pointer, so their anchor
// holds; the bottom and right ones follow it and take the pointer as the new
// anchor. A step that would go below the minimum is skipped, anchor and all.
void dragEdges(platform::Form& window, EdgeDragState& s, float x, float y) {
    if (s.move) {
        const TwipsPlace w = placeOf(window);
        moveTo(window, {w.left + x - s.anchorX, w.top + y - s.anchorY, w.width, w.height});
    }
    if (s.top) {
        const TwipsPlace w = placeOf(window);
        if (w.height - y + s.anchorY >= kMinHeight)
            moveTo(window, {w.left, w.top + y - s.anchorY, w.width, w.height - y + s.anchorY});
    }
    if (s.left) {
        const TwipsPlace w = placeOf(window);
        if (w.width - x + s.anchorX >= kMinWidth)
            moveTo(window, {w.left + x - s.anchorX, w.top, w.width - x + s.anchorX, w.height});
    }
    if (s.bottom) {
        const TwipsPlace w = placeOf(window);
        if (w.height + y - s.anchorY >= kMinHeight) {
            moveTo(window, {w.left, w.top, w.width, w.height + y - s.anchorY});
            s.anchorY = y;
        }
    }
    if (s.right) {
        const TwipsPlace w = placeOf(window);
        if (w.width + x - s.anchorX >= kMinWidth) {
            moveTo(window, {w.left, w.top, w.width + x - s.anchorX, w.height});
            s.anchorX = x;
        }
    }
}

}  // namespace

void EdgeResize(platform::Form& window, EdgeDragState& state, int button, int x, int y) {
    if (button == platform::button::None)
        pickEdges(window, state, platform::shared::pixelsToTwips(x), platform::shared::pixelsToTwips(y));
    else
        dragEdges(window, state, platform::shared::pixelsToTwips(x), platform::shared::pixelsToTwips(y));
}

}  // namespace fluvane::mainwindow
