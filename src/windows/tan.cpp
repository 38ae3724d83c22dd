#include "windows/tan.h"
#include "platform/shared/url.h"

#include "mainwindow/command_url.h"
#include "platform/shared/twips.h"
#include "startup/config_files.h"
#include "startup/web_url.h"
#include "windows/ad_window.h"

#include <algorithm>

namespace fluvane::windows {

namespace {

constexpr double kWidthTwipsPerPixel = 14.8;
// The corner keeps clear of the screen's right edge and of the taskbar.
constexpr int kRightMarginTwips = 140;
constexpr int kBottomMarginTwips = 650;

}  // namespace

tan::tan(platform::Platform& platform) : tanDesign(platform.ui), platform_(platform) {
    form_->events.resize = [this] { Form_Resize(); };
    w->browserEvents.downloadBegin = [this] { w_DownloadBegin(); };
    w->browserEvents.beforeNavigate2 = [this](const std::string& url, const platform::NavigationSource& source,
                                              bool& cancel) { w_BeforeNavigate2(url, source, cancel); };
    w->browserEvents.newWindow2 = [this](bool& cancel) { w_NewWindow2(cancel); };
    Form_Resize();
}

void tan::Form_Load() {
    L1->setCaption(startup::ReadServerConfig(platform_, "弹窗广告设置项", "广告宽"));
    l2->setCaption(startup::ReadServerConfig(platform_, "弹窗广告设置项", "广告高"));
    sizeAdWindow(*this, platform_.ui, kWidthTwipsPerPixel);

    const platform::Size screen = platform_.ui.screenSize();
    const platform::Rect window = form_->geometry();
    const int left = screen.width * platform::shared::kTwipsPerPixel -
                     window.width() * platform::shared::kTwipsPerPixel - kRightMarginTwips;
    const int top = screen.height * platform::shared::kTwipsPerPixel -
                    (window.height() * platform::shared::kTwipsPerPixel + kBottomMarginTwips);
    form_->setGeometry(platform::Rect::fromSize(std::max(0, platform::shared::twipsToPixels(left)),
                                                std::max(0, platform::shared::twipsToPixels(top)), window.width(),
                                                window.height()));
}

void tan::Form_Resize() { layOutFrameStrips(*this); }

void tan::Show(const std::string& url, platform::Form* owner) {
    if (!platform::shared::isWebUrl(url)) return;
    page_ = url;
    w->navigate(url);
    form_->setOwner(owner);
    form_->show();
}

void tan::w_DownloadBegin() { w->setSilent(true); }

// Frames of other sites inside the page cannot close the window.
void tan::w_BeforeNavigate2(const std::string& url, const platform::NavigationSource& source, bool& cancel) {
    if (!mainwindow::isTrustedCommandSource(source, page_) || !isCloseCommand(url)) return;
    cancel = true;
    form_->close();
}

void tan::w_NewWindow2(bool&) { form_->close(); }

}  // namespace fluvane::windows
