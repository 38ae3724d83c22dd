#pragma once

namespace fluvane::mainwindow {

// What the tip window says after the desktop-shortcut command.
inline constexpr const char* kShortcutMade = "放入桌面成功，下次从桌面打开即可观看";
inline constexpr const char* kShortcutFailed = "放入桌面失败，无法在桌面上创建快捷方式";

}  // namespace fluvane::mainwindow
