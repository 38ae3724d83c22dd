#pragma once

#include "platform/geometry.h"

#include <cstdint>
#include <functional>

namespace fluvane::platform {

// Message numbers keep the values the window services reason about, so the
// services read the same on every platform.
namespace msg {
inline constexpr std::uint32_t Destroy = 0x0002;
inline constexpr std::uint32_t GetMinMaxInfo = 0x0024;
inline constexpr std::uint32_t Command = 0x0111;
inline constexpr std::uint32_t SysCommand = 0x0112;
inline constexpr std::uint32_t Sizing = 0x0214;  // lParam: Rect*, may be rewritten
inline constexpr std::uint32_t Moving = 0x0216;  // lParam: Rect*, may be rewritten
inline constexpr std::uint32_t EnterSizeMove = 0x0231;
inline constexpr std::uint32_t ExitSizeMove = 0x0232;
inline constexpr std::uint32_t User = 0x0400;
inline constexpr std::uint32_t TrayCallback = User + 1;  // lParam: the mouse message below
}  // namespace msg

// wParam of msg::SysCommand.
namespace syscmd {
inline constexpr std::uintptr_t Size = 0xF000;
inline constexpr std::uintptr_t Move = 0xF010;
inline constexpr std::uintptr_t DragMove = 0xF012;  // move with the mouse, as from a caption
inline constexpr std::uintptr_t Minimize = 0xF020;
inline constexpr std::uintptr_t Maximize = 0xF030;
inline constexpr std::uintptr_t Close = 0xF060;
inline constexpr std::uintptr_t Restore = 0xF120;
}  // namespace syscmd

// lParam of msg::TrayCallback.
namespace traymsg {
inline constexpr std::intptr_t LeftButtonUp = 0x0202;
inline constexpr std::intptr_t RightButtonUp = 0x0205;
inline constexpr std::intptr_t BalloonClick = 0x0405;
}  // namespace traymsg

// wParam of msg::Sizing: the edge being dragged.
namespace sizing {
inline constexpr std::uintptr_t Left = 1, Right = 2, Top = 3, TopLeft = 4, TopRight = 5, Bottom = 6, BottomLeft = 7,
                                BottomRight = 8;
}

// lParam of msg::GetMinMaxInfo, in pixels.
struct MinMaxInfo {
    Point reserved;
    Point maxSize;
    Point maxPosition;
    Point minTrackSize;
    Point maxTrackSize;
};

// A window procedure. Replacing one hands back the previous procedure, which
// the replacement calls for everything it does not consume; the form's
// original procedure does the platform's default handling.
using WindowProcedure =
    std::function<std::intptr_t(std::uint32_t message, std::uintptr_t wParam, std::intptr_t lParam)>;

}  // namespace fluvane::platform
