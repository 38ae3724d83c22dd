#pragma once

#include "platform/form.h"

namespace fluvane::mainwindow {

// What a press on the window's bare surface will do, decided while the
// pointer hovers and kept through the drag. The anchor is in twips.
struct EdgeDragState {
    float anchorX = 0;
    float anchorY = 0;
    bool top = false;
    bool bottom = false;
    bool left = false;
    bool right = false;
    bool move = false;
};

// The frame a borderless window lacks: hovering within 5 pixels of an edge
// picks that edge (and its pointer), pressing and dragging moves it, anywhere
// else drags the whole window. Mouse resizing stops at 980 x 400 pixels.
// `button` and (x, y) are the window's mouse-move event.
void EdgeResize(platform::Form& window, EdgeDragState& state, int button, int x, int y);

}  // namespace fluvane::mainwindow
