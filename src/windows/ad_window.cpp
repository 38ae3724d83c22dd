#include "windows/ad_window.h"

#include "mainwindow/command_url.h"
#include "platform/shared/numbers.h"
#include "platform/shared/twips.h"

#include <algorithm>

namespace fluvane::windows {

namespace {

// The strips are 2 twips, less than a pixel: they take the one pixel a window can show.
constexpr int kStripPixels = 1;

}  // namespace

std::optional<double> advertisementExtent(std::string_view text, int screenPixels) {
    const auto value = platform::shared::decimalNumber(text);
    if (!value || *value <= 0) return std::nullopt;
    return std::min(*value, static_cast<double>(screenPixels));
}

void sizeAdWindow(AdWindowDesign& window, platform::Ui& ui, double widthTwipsPerPixel) {
    const platform::Size screen = ui.screenSize();
    platform::Rect frame = window.form().geometry();
    platform::Rect page = window.w->geometry();
    if (const auto width = advertisementExtent(window.L1->caption(), screen.width)) {
        frame.right = frame.left + platform::shared::twipsToPixels(*width * widthTwipsPerPixel);
        page.right = page.left + platform::shared::twipsToPixels(*width * platform::shared::kTwipsPerPixel);
    }
    if (const auto height = advertisementExtent(window.l2->caption(), screen.height)) {
        frame.bottom = frame.top + platform::shared::twipsToPixels(*height * kAdHeightTwipsPerPixel);
        page.bottom = page.top + platform::shared::twipsToPixels(*height * platform::shared::kTwipsPerPixel);
    }
    window.form().setGeometry(frame);
    window.w->setGeometry(page);
}

void layOutFrameStrips(AdWindowDesign& window) {
    const platform::Rect frame = window.form().geometry();
    const int width = frame.width();
    const int height = frame.height();
    window.P1->setGeometry(platform::Rect::fromSize(0, 0, kStripPixels, height));
    window.P2->setGeometry(platform::Rect::fromSize(0, 0, width, kStripPixels));
    window.P3->setGeometry(platform::Rect::fromSize(width - kStripPixels, 0, kStripPixels, height));
    window.P4->setGeometry(platform::Rect::fromSize(0, height - kStripPixels, width, kStripPixels));
}

bool isCloseCommand(std::string_view url) { return mainwindow::isCommandUrl(url, mainwindow::scheme::close); }

}  // namespace fluvane::windows
