#include "winsvc/magnetic_wnd.h"

#include "platform/messages.h"

#include <algorithm>
#include <cstdlib>

namespace fluvane::winsvc {

namespace {

namespace sizing = platform::sizing;

bool dragsLeft(std::uintptr_t e) { return e == sizing::Left || e == sizing::TopLeft || e == sizing::BottomLeft; }
bool dragsRight(std::uintptr_t e) { return e == sizing::Right || e == sizing::TopRight || e == sizing::BottomRight; }
bool dragsTop(std::uintptr_t e) { return e == sizing::Top || e == sizing::TopLeft || e == sizing::TopRight; }
bool dragsBottom(std::uintptr_t e) {
    return e == sizing::Bottom || e == sizing::BottomLeft || e == sizing::BottomRight;
}

platform::Rect shifted(const platform::Rect& r, int dx, int dy) {
    return {r.left + dx, r.top + dy, r.right + dx, r.bottom + dy};
}

}  // namespace

bool cMagneticWnd::AddWindow(platform::Form& hwnd, platform::Form* hWndParent) {
    if (FindWindowIndex(&hwnd) != kNotFound || hWndParent == &hwnd) return false;
    windows_.push_back({&hwnd, hWndParent, false, {}, false, {}});
    UpdateGlueing();
    windows_.back().hook.install(
        hwnd, [this, window = &hwnd](std::uint32_t message, std::uintptr_t wParam, std::intptr_t lParam,
                                     const platform::WindowProcedure& next) {
            return zSubclass_Proc(*window, message, wParam, lParam, next);
        });
    return true;
}

bool cMagneticWnd::RemoveWindow(platform::Form& hwnd) {
    const std::size_t index = FindWindowIndex(&hwnd);
    if (index == kNotFound) return false;
    Entry removed = std::move(windows_[index]);
    windows_.erase(windows_.begin() + static_cast<std::ptrdiff_t>(index));
    for (Entry& entry : windows_)
        if (entry.parent == &hwnd) entry.parent = nullptr;
    removed.hook.remove();
    UpdateGlueing();
    return true;
}

std::intptr_t cMagneticWnd::zSubclass_Proc(platform::Form& window, std::uint32_t message, std::uintptr_t wParam,
                                           std::intptr_t lParam, const platform::WindowProcedure& next) {
    namespace msg = platform::msg;
    const std::size_t index = FindWindowIndex(&window);
    if ((message == msg::Moving || message == msg::Sizing) && lParam != 0 && index != kNotFound) {
        auto& proposed = *reinterpret_cast<platform::Rect*>(lParam);
        if (message == msg::Moving)
            SnapMovingRect(index, proposed);
        else
            SnapSizingRect(index, proposed, wParam);
        return 1;
    }
    const std::intptr_t result = next(message, wParam, lParam);
    switch (message) {
        case msg::EnterSizeMove:
            captureRects();
            break;
        case msg::ExitSizeMove:
        case msg::Command:
            UpdateGlueing();
            break;
        case msg::SysCommand:
            if (wParam == platform::syscmd::Restore || wParam == platform::syscmd::Minimize) UpdateGlueing();
            break;
        case msg::Destroy:
            RemoveWindow(window);
            break;
        default:
            break;
    }
    return result;
}

void cMagneticWnd::captureRects() {
    workArea_ = ui_.workArea();
    for (Entry& entry : windows_) {
        const platform::WindowState state = entry.window->windowState();
        entry.rect = state == platform::WindowState::Maximized ? workArea_ : entry.window->geometry();
        entry.onScreen = entry.window->visible() && state != platform::WindowState::Minimized;
    }
}

void cMagneticWnd::SnapMovingRect(std::size_t moving, platform::Rect& r) {
    const platform::Form* const window = windows_[moving].window;
    const platform::Rect start = windows_[moving].rect;
    const auto gluedToMoving = [window](const Entry& entry) { return entry.glued && entry.parent == window; };

    int dx = 0;
    int dy = 0;
    snapTo(r, workArea_, dx, dy);
    for (std::size_t c = 0; c < windows_.size(); ++c)
        if (c != moving && windows_[c].onScreen && !gluedToMoving(windows_[c])) snapTo(r, windows_[c].rect, dx, dy);

    // A glued window can pull the whole group into place.
    for (std::size_t k = 0; k < windows_.size(); ++k) {
        if (!gluedToMoving(windows_[k])) continue;
        const platform::Rect carried = shifted(windows_[k].rect, r.left - start.left, r.top - start.top);
        snapTo(carried, workArea_, dx, dy);
        for (std::size_t h = 0; h < windows_.size(); ++h)
            if (h != k && h != moving && !windows_[h].glued && windows_[h].onScreen)
                snapTo(carried, windows_[h].rect, dx, dy);
    }

    r = shifted(r, dx, dy);
    for (const Entry& entry : windows_) {
        if (!gluedToMoving(entry)) continue;
        const platform::Rect now = entry.window->geometry();
        entry.window->setGeometry(platform::Rect::fromSize(
            entry.rect.left + r.left - start.left, entry.rect.top + r.top - start.top, now.width(), now.height()));
    }
}

void cMagneticWnd::SnapSizingRect(std::size_t sizing, platform::Rect& r, std::uintptr_t edge) const {
    // Distances count from the proposed edges; overlaps from the edges as snapped so far.
    const platform::Rect proposed = r;
    const auto snapEdges = [&](const platform::Rect& t) {
        if (overlapsVertically(r, t)) {
            if (dragsLeft(edge)) {
                if (isClose(proposed.left, t.left))
                    r.left = t.left;
                else if (isClose(proposed.left, t.right))
                    r.left = t.right;
            } else if (dragsRight(edge)) {
                if (isClose(proposed.right, t.left))
                    r.right = t.left;
                else if (isClose(proposed.right, t.right))
                    r.right = t.right;
            }
        }
        if (overlapsHorizontally(r, t)) {
            if (dragsBottom(edge)) {
                if (isClose(proposed.bottom, t.top))
                    r.bottom = t.top;
                else if (isClose(proposed.bottom, t.bottom))
                    r.bottom = t.bottom;
            } else if (dragsTop(edge)) {
                if (isClose(proposed.top, t.top))
                    r.top = t.top;
                else if (isClose(proposed.top, t.bottom))
                    r.top = t.bottom;
            }
        }
    };
    snapEdges(workArea_);
    for (std::size_t i = 0; i < windows_.size(); ++i)
        if (i != sizing && windows_[i].onScreen) snapEdges(windows_[i].rect);
}

void cMagneticWnd::UpdateGlueing() {
    for (Entry& entry : windows_) {
        entry.rect = entry.window->geometry();
        entry.onScreen = entry.window->visible() && entry.window->windowState() != platform::WindowState::Minimized;
        entry.glued = false;
    }
    // A window whose parent is not registered has nothing to stick to.
    for (Entry& entry : windows_) {
        if (!entry.parent) continue;
        const std::size_t parent = FindWindowIndex(entry.parent);
        entry.glued = parent != kNotFound && RectsTouch(windows_[parent].rect, entry.rect);
    }
    // Touching a glued sibling glues a window too, through chains of any length.
    for (std::size_t pass = 0; pass < windows_.size(); ++pass) {
        bool changed = false;
        for (const Entry& glued : windows_) {
            if (!glued.glued) continue;
            for (Entry& other : windows_) {
                if (&other == &glued || other.glued || other.parent != glued.parent) continue;
                other.glued = RectsTouch(glued.rect, other.rect);
                changed = changed || other.glued;
            }
        }
        if (!changed) break;
    }
}

std::size_t cMagneticWnd::FindWindowIndex(const platform::Form* window) const {
    for (std::size_t i = 0; i < windows_.size(); ++i)
        if (windows_[i].window == window) return i;
    return kNotFound;
}

bool cMagneticWnd::RectsTouch(const platform::Rect& a, const platform::Rect& b) {
    const std::int64_t unionWidth = std::int64_t{std::max(a.right, b.right)} - std::min(a.left, b.left);
    const std::int64_t unionHeight = std::int64_t{std::max(a.bottom, b.bottom)} - std::min(a.top, b.top);
    const bool near =
        std::int64_t{a.width()} + b.width() >= unionWidth && std::int64_t{a.height()} + b.height() >= unionHeight;
    const bool sharedEdge = b.left == a.left || b.right == a.left || b.left == a.right || b.right == a.right ||
                            a.top == b.top || a.top == b.bottom || b.top == a.bottom || b.bottom == a.bottom;
    return near && sharedEdge;
}

bool cMagneticWnd::isClose(int a, int b) const { return std::llabs(std::int64_t{a} - b) < snapWidth_; }

bool cMagneticWnd::overlapsVertically(const platform::Rect& r, const platform::Rect& target) const {
    return r.top < std::int64_t{target.bottom} + snapWidth_ && std::int64_t{target.top} - snapWidth_ < r.bottom;
}

bool cMagneticWnd::overlapsHorizontally(const platform::Rect& r, const platform::Rect& target) const {
    return r.left < std::int64_t{target.right} + snapWidth_ && std::int64_t{target.left} - snapWidth_ < r.right;
}

void cMagneticWnd::snapTo(const platform::Rect& r, const platform::Rect& target, int& dx, int& dy) const {
    if (overlapsVertically(r, target)) {
        if (isClose(r.left, target.left))
            dx = target.left - r.left;
        else if (isClose(r.left, target.right))
            dx = target.right - r.left;
        else if (isClose(r.right, target.left))
            dx = target.left - r.right;
        else if (isClose(r.right, target.right))
            dx = target.right - r.right;
    }
    if (overlapsHorizontally(r, target)) {
        if (isClose(r.top, target.top))
            dy = target.top - r.top;
        else if (isClose(r.top, target.bottom))
            dy = target.bottom - r.top;
        else if (isClose(r.bottom, target.top))
            dy = target.top - r.bottom;
        else if (isClose(r.bottom, target.bottom))
            dy = target.bottom - r.bottom;
    }
}

}  // namespace fluvane::winsvc
