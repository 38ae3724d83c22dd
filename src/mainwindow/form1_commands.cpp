#include "mainwindow/form1.h"
#include "platform/shared/url.h"

#include "mainwindow/command_url.h"
#include "mainwindow/page_commands.h"
#include "mainwindow/playlist_caps.h"
#include "mainwindow/shortcut_tips.h"
#include "startup/arguments.h"
#include "startup/process_utils.h"
#include "startup/web_url.h"

#include <algorithm>
#include <cctype>

namespace fluvane::mainwindow {

namespace {

constexpr const char* kPlayerAppFailed = "播放程序无法启动，请重新安装本软件";

bool blank(std::string_view text) {
    return std::all_of(text.begin(), text.end(), [](unsigned char c) { return std::isspace(c); });
}

}  // namespace

void Form1::connectCommands() {
    // No pane ever shows a script-error dialog.
    for (platform::BrowserPane* pane : {ListWeb, W2, W3, qvod, tj})
        pane->browserEvents.downloadBegin = [pane] { pane->setSilent(true); };
    ListWeb->browserEvents.beforeNavigate2 = [this](const std::string& url, const platform::NavigationSource& source,
                                                    bool& cancel) { ListWeb_BeforeNavigate2(url, source, cancel); };
    W3->browserEvents.beforeNavigate2 = [this](const std::string& url, const platform::NavigationSource& source,
                                               bool& cancel) { W3_BeforeNavigate2(url, source, cancel); };
    ListWeb->browserEvents.contextMenu = [this](platform::Point screen) { windows_.showPageMenu(screen); };
}

// Only the portal's own pages command the client, never a frame of another
// site inside them (an advertisement). The checks follow one another rather
// than exclude each other: a URL holding several commands runs each of them.
void Form1::ListWeb_BeforeNavigate2(const std::string& url, const platform::NavigationSource& source, bool& cancel) {
    if (!isTrustedCommandSource(source, values_.dizhi)) return;
    if (isCommandUrl(url, scheme::dddisk)) {
        cancel = true;
        makeDesktopShortcut(url);
    }
    if (isCommandUrl(url, scheme::gbook)) {
        cancel = true;
        windows_.showFeedback();
    }
    if (IsPlayUrl(url)) {
        cancel = true;
        if (play(MapPlayUrl(url, values_.dizhi), true)) switchView(View::Player);
    }
    addEpisodeGroup(url);
}

// The player page closes itself.
void Form1::W3_BeforeNavigate2(const std::string& url, const platform::NavigationSource& source, bool& cancel) {
    if (!isTrustedCommandSource(source, values_.dizhi) || !isCommandUrl(url, scheme::colse)) return;
    cancel = true;
    startup::KillExternalPlayers(platform_.processes);
    W3->setVisible(false);
    bj->setVisible(true);
    ListWeb->refresh();
}

// No window ever opens from W2: its new windows are titles for the player
// program, which a second request ends instead of starting again. Only the
// portal's own documents start it, not a frame of another site in its page.
void Form1::W2_NewWindow(const std::string& url, const platform::NavigationSource& source, bool& processed) {
    processed = true;
    if (!isTrustedCommandSource(source, values_.dizhi)) return;
    const std::string arguments = PlayerArguments(url, playerFields_);
    if (startup::IsProcessRunning(platform_.processes, startup::kPlayerApp)) {
        startup::KillPlayerApp(platform_.processes);
        return;
    }
    const std::filesystem::path program = platform_.application.directory() / "app" / "fluvaneapp";
    if (!platform_.processes.start(program, {arguments}, platform::WindowStyle::NormalFocus))
        windows_.ShowTip(kPlayerAppFailed);
}

// Stops the external players, then plays `url` in the player pane, after the
// buffering countdown when it is on. Only web pages play: false for others.
bool Form1::play(const std::string& url, bool withListAd) {
    if (!platform::shared::isWebUrl(url)) return false;
    startup::KillExternalPlayers(platform_.processes);
    bj->setVisible(false);
    if (withListAd)
        广告倒计时();
    else
        buffering_.start();
    W3->navigate(url);
    W3->setVisible(true);
    return true;
}

// "dddisk://" title "@@@" path: a desktop shortcut that starts the client on
// `dizhi` + path. It shows the skin icon as PNG, the format every desktop
// reads. The platform names the file safely whatever the title.
void Form1::makeDesktopShortcut(const std::string& url) {
    auto request = parseShortcutUrl(url, values_.dizhi);
    if (request && blank(request->title)) {
        const auto page = ListWeb->document();
        request->title = page && !blank(page->title) ? page->title : form_->caption();
    }
    const std::filesystem::path appDir = platform_.application.directory();
    const bool made =
        request && platform_.shell.createShortcut(
                       {request->title,
                        platform_.application.executable(),
                        {startup::EncodeArguments(platform_.codePage,
                                                  startup::composeShortcutArgument(request->title, request->pageUrl))},
                        form_->caption(),
                        appDir / "zelskin" / "icon.png"});
    windows_.ShowTip(made ? kShortcutMade : kShortcutFailed);
}

// A play link followed on a page adds the page's episodes as a new group,
// once per page title. Episodes that are no web pages are left out.
void Form1::addEpisodeGroup(const std::string& url) {
    const auto page = ListWeb->document();
    if (!page || !IsPlayUrl(url) || SFPlayList1->IsNodeExist(keptName(page->title))) return;
    auto group = collectEpisodes(*page, url, values_.dizhi);
    if (!group) return;
    std::erase_if(group->episodes, [](const Episode& episode) { return !platform::shared::isWebUrl(episode.url); });
    addCappedGroup(*SFPlayList1, group->name, group->episodes);
}

}  // namespace fluvane::mainwindow
