#include "windows/ad_window_design.h"

#include "platform/shared/twips.h"

namespace fluvane::windows {

namespace {

constexpr platform::Color kFrame = platform::Color::rgb(90, 90, 94);
constexpr int kPageWidth = 350;  // the pane at design, pixels
constexpr int kPageHeight = 250;

}  // namespace

AdWindowDesign::AdWindowDesign(platform::Ui& ui, platform::Point browserOffset) : form_(ui.createForm()) {
    platform::Form& f = *form_;
    f.setShowInTaskbar(false);
    f.setGeometry(platform::Rect::fromSize(0, 0, kDesignWidth, kDesignHeight));

    w = &f.addBrowser();
    w->setGeometry(platform::Rect::fromSize(platform::shared::twipsToPixels(browserOffset.x),
                                            platform::shared::twipsToPixels(browserOffset.y), kPageWidth, kPageHeight));
    L1 = &f.addLabel();
    L1->setVisible(false);
    l2 = &f.addLabel();
    l2->setVisible(false);
    for (platform::Surface** strip : {&P1, &P2, &P3, &P4}) {
        *strip = &f.addSurface();
        (*strip)->setBackColor(kFrame);
    }
}

}  // namespace fluvane::windows
