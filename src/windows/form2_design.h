#pragma once

#include "platform/ui.h"

#include <string>
#include <vector>

namespace fluvane::windows {

// A pop-up menu as designed: a caption the user never sees, and its items
// from top to bottom.
struct MenuDesign {
    std::string caption;
    std::vector<platform::MenuItem*> items;
};

// The menu form as designed: it is never shown and only carries the
// client's pop-up menus. An item's id tells which one was chosen; the
// separators have none.
class Form2Design {
public:
    Form2Design();
    Form2Design(const Form2Design&) = delete;
    Form2Design& operator=(const Form2Design&) = delete;

    // The tray menu's items.
    platform::MenuItem close;    // "退出程序": the exit sequence
    platform::MenuItem df;       // separator
    platform::MenuItem dddd;     // "检测升级": the update check
    platform::MenuItem shouye;   // "访问首页": the portal in the user's browser
    platform::MenuItem hnn;      // separator
    platform::MenuItem dddde;    // "关于我们": the about window
    platform::MenuItem shnhhy;   // "软件设置": the settings window
    platform::MenuItem dddecc;   // separator
    platform::MenuItem display;  // "显示或隐藏": shows or hides the main window

    // The library page's items.
    platform::MenuItem houtui;   // "后退一页": back
    platform::MenuItem vgg;      // separator
    platform::MenuItem qianjin;  // "前进一页": forward
    platform::MenuItem SSE;      // separator
    platform::MenuItem shuaxin;  // "刷新一下": reload
    platform::MenuItem DES;      // separator
    platform::MenuItem O;        // "返回首页": the portal's index page; checked once chosen

    // The main menu's items.
    platform::MenuItem gyyy;    // "关于我们": the about window
    platform::MenuItem djeu;    // "检测升级": the update check
    platform::MenuItem dheyw;   // "软件设置": the settings window
    platform::MenuItem ddd;     // separator
    platform::MenuItem sssssw;  // "退出程序": the exit sequence

    MenuDesign menu;    // the tray menu, popped up from the tray icon
    MenuDesign MyMenu;  // the page menu, popped up from the library page
    MenuDesign caidan;  // the main menu, popped up from the title bar's menu button
};

}  // namespace fluvane::windows
