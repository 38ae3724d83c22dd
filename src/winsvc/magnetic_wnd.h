#pragma once

#include "platform/form.h"
#include "platform/geometry.h"
#include "platform/ui.h"
#include "winsvc/procedure_hook.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace fluvane::winsvc {

// `cMagneticWnd`: while the user moves or sizes a registered window, its
// edges jump to the work area's edges and to the other registered windows'
// edges within `SnapWidth` pixels; windows registered with a parent and
// touching it (or a glued sibling) are glued and travel with the parent.
//
// All coordinates are screen pixels. A move's proposed rectangle is taken as
// both platforms give it: the rectangle at the start of the move shifted by
// the pointer's displacement, so a window leaves a snapped place as soon as
// the pointer is `SnapWidth` away. Hidden and minimised windows are no
// snapping targets. A registered window that is destroyed leaves the
// registry; one that is deleted without being closed must be removed first.
class cMagneticWnd {
public:
    explicit cMagneticWnd(platform::Ui& ui) : ui_(ui) {}
    // Every window still registered gets its procedure back.
    ~cMagneticWnd() = default;
    cMagneticWnd(const cMagneticWnd&) = delete;
    cMagneticWnd& operator=(const cMagneticWnd&) = delete;

    // `AddWindow`: registers `hwnd`, glued to `hWndParent` (none when null)
    // while they touch, and starts watching its messages. False, and nothing
    // changes, when `hwnd` is registered already or is its own parent.
    bool AddWindow(platform::Form& hwnd, platform::Form* hWndParent = nullptr);
    // `RemoveWindow`: unregisters `hwnd`; its children lose their parent.
    // False when it is not registered.
    bool RemoveWindow(platform::Form& hwnd);
    // `CheckGlueing`: recomputes which windows are glued, as after a move.
    void CheckGlueing() { UpdateGlueing(); }

    // `SnapWidth`: the snapping distance in pixels, 10 at first; any value.
    int SnapWidth() const { return snapWidth_; }
    void setSnapWidth(int New_SnapWidth) { snapWidth_ = New_SnapWidth; }

    // `RectsTouch`: the rectangles overlap or abut in both directions and
    // share an edge coordinate.
    static bool RectsTouch(const platform::Rect& a, const platform::Rect& b);

private:
    static constexpr std::size_t kNotFound = static_cast<std::size_t>(-1);

    struct Entry {
        platform::Form* window = nullptr;
        platform::Form* parent = nullptr;
        bool glued = false;
        // As captured at the last refresh: the start of a move or UpdateGlueing.
        platform::Rect rect;
        bool onScreen = false;
        ProcedureHook hook;
    };

    // `zSubclass_Proc`: a registered window's messages. Moving and Sizing are
    // snapped and consumed (result 1); EnterSizeMove, ExitSizeMove,
    // SysCommand, Command and Destroy are handled after the procedures below.
    std::intptr_t zSubclass_Proc(platform::Form& window, std::uint32_t message, std::uintptr_t wParam,
                                 std::intptr_t lParam, const platform::WindowProcedure& next);
    // The start of a move or resize: the work area and every window's place,
    // a maximised window's being the work area.
    void captureRects();
    // `SnapMovingRect`: snaps the moving window's rectangle `r` and moves the
    // windows glued to it by the same displacement.
    void SnapMovingRect(std::size_t moving, platform::Rect& r);
    // `SnapSizingRect`: snaps the dragged edges of `r`; glued windows stay.
    void SnapSizingRect(std::size_t sizing, platform::Rect& r, std::uintptr_t edge) const;
    // `UpdateGlueing`: every window's place now, and which are glued.
    void UpdateGlueing();
    // `FindWindowIndex`: the registry position of a window, or kNotFound.
    std::size_t FindWindowIndex(const platform::Form* window) const;

    bool isClose(int a, int b) const;
    bool overlapsVertically(const platform::Rect& r, const platform::Rect& target) const;
    bool overlapsHorizontally(const platform::Rect& r, const platform::Rect& target) const;
    // The shift (dx, dy) that puts an edge of `r` on a close edge of `target`,
    // replacing the one found for an earlier target.
    void snapTo(const platform::Rect& r, const platform::Rect& target, int& dx, int& dy) const;

    platform::Ui& ui_;
    int snapWidth_ = 10;
    platform::Rect workArea_;
    std::vector<Entry> windows_;
};

}  // namespace fluvane::winsvc
