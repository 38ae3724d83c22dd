#pragma once

#include "platform/platform.h"
#include "windows/form2_design.h"
#include "windows/main_window.h"

#include <functional>
#include <map>
#include <string>

namespace fluvane::windows {

// The menu form: the tray menu, the page menu and the main menu, and the
// commands behind their items. Every menu is owned by the main window and
// acts on it; without a loaded main window none shows.
class Form2 : public Form2Design {
public:
    // `ShowAbout` and `ShowSettings` open `shezhigy` and `shezhitip`, owned by
    // the main window, each closing the other.
    Form2(platform::Platform& platform, LoadedMainWindow mainWindow, std::function<void()> showAbout,
          std::function<void()> showSettings);

    // Pops `which` up at `screen` and runs the command of the item chosen, if any.
    void popupMenu(const MenuDesign& which, platform::Point screen);

    // The update check on request; the versions it read stay in Text1 and Text2.
    void shengji();

    void close_Click();
    void dddd_Click();
    void shouye_Click();
    void dddde_Click();
    void shnhhy_Click();
    void display_Click();
    void houtui_Click();
    void qianjin_Click();
    void shuaxin_Click();
    void O_Click();
    void gyyy_Click();
    void djeu_Click();
    void dheyw_Click();
    void sssssw_Click();

    std::string Text1;  // local version, as the last update check read it
    std::string Text2;  // server version, as the last update check read it

private:
    platform::Platform& platform_;
    LoadedMainWindow mainWindow_;
    std::function<void()> showAbout_;
    std::function<void()> showSettings_;
    std::map<int, std::function<void()>> clicks_;  // by item id
};

}  // namespace fluvane::windows
