#include "windows/form2.h"

#include "startup/process_utils.h"
#include "startup/update.h"
#include "startup/web_url.h"

#include <utility>
#include <vector>

namespace fluvane::windows {

Form2::Form2(platform::Platform& platform, LoadedMainWindow mainWindow, std::function<void()> showAbout,
             std::function<void()> showSettings)
    : platform_(platform),
      mainWindow_(std::move(mainWindow)),
      showAbout_(std::move(showAbout)),
      showSettings_(std::move(showSettings)),
      clicks_{{close.id, [this] { close_Click(); }},     {dddd.id, [this] { dddd_Click(); }},
              {shouye.id, [this] { shouye_Click(); }},   {dddde.id, [this] { dddde_Click(); }},
              {shnhhy.id, [this] { shnhhy_Click(); }},   {display.id, [this] { display_Click(); }},
              {houtui.id, [this] { houtui_Click(); }},   {qianjin.id, [this] { qianjin_Click(); }},
              {shuaxin.id, [this] { shuaxin_Click(); }}, {O.id, [this] { O_Click(); }},
              {gyyy.id, [this] { gyyy_Click(); }},       {djeu.id, [this] { djeu_Click(); }},
              {dheyw.id, [this] { dheyw_Click(); }},     {sssssw.id, [this] { sssssw_Click(); }}} {}

void Form2::popupMenu(const MenuDesign& which, platform::Point screen) {
    mainwindow::MainWindow* main = mainWindow_();
    if (!main) return;
    std::vector<platform::MenuItem> items;
    for (const platform::MenuItem* item : which.items) items.push_back(*item);
    const auto chosen = clicks_.find(platform_.ui.popupMenu(main->form(), items, screen));
    if (chosen != clicks_.end()) chosen->second();
}

void Form2::shengji() {
    const startup::VersionPair versions = startup::shengji(platform_);
    Text1 = versions.local;
    Text2 = versions.server;
}

// The menus' exit does not ask the "form" setting; only the close button does.
void Form2::close_Click() {
    if (mainwindow::MainWindow* main = mainWindow_()) main->exitSequence();
}

void Form2::dddd_Click() { shengji(); }

void Form2::shouye_Click() {
    if (mainwindow::MainWindow* main = mainWindow_()) startup::OpenInBrowser(platform_.shell, main->portalAddress());
}

void Form2::dddde_Click() { showAbout_(); }

void Form2::shnhhy_Click() { showSettings_(); }

// Hidden only when the tray icon can bring it back, as a click on the icon does.
void Form2::display_Click() {
    mainwindow::MainWindow* main = mainWindow_();
    if (!main) return;
    if (main->form().visible())
        main->hideToTray();
    else
        main->form().show();
}

// The pane does nothing without history, or while no page is ready.
void Form2::houtui_Click() {
    if (mainwindow::MainWindow* main = mainWindow_()) main->libraryBack();
}

void Form2::qianjin_Click() {
    if (mainwindow::MainWindow* main = mainWindow_()) main->libraryForward();
}

void Form2::shuaxin_Click() {
    if (mainwindow::MainWindow* main = mainWindow_()) main->libraryRefresh();
}

// Nothing clears the mark again.
void Form2::O_Click() {
    O.checked = true;
    mainwindow::MainWindow* main = mainWindow_();
    if (!main) return;
    if (const auto page = startup::portalPage(main->portalAddress(), "/index.asp")) main->showLibraryPage(*page);
}

void Form2::gyyy_Click() { dddde_Click(); }

void Form2::djeu_Click() { dddd_Click(); }

void Form2::dheyw_Click() { shnhhy_Click(); }

void Form2::sssssw_Click() { close_Click(); }

}  // namespace fluvane::windows
