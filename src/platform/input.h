#pragma once

namespace fluvane::platform {

// Button and shift masks as mouse events report them.
namespace button {
inline constexpr int None = 0, Left = 1, Right = 2, Middle = 4;
}
namespace shift {
inline constexpr int None = 0, Shift = 1, Ctrl = 2, Alt = 4;
}

struct MouseEvent {
    int button = button::None;  // the button that changed, or the buttons held on a move
    int shift = shift::None;
    int x = 0;  // pixels, relative to the control
    int y = 0;
};

enum class Cursor { Default, Arrow, Hand, SizeAll, SizeNS, SizeWE, SizeNWSE, SizeNESW };

}  // namespace fluvane::platform
