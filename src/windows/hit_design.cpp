#include "windows/hit_design.h"

#include "windows/twips.h"

namespace fluvane::windows {

hitDesign::hitDesign(platform::Ui& ui) : form_(ui.createForm()) {
    platform::Form& f = *form_;
    f.setShowInTaskbar(false);
    f.setGeometry(platform::Rect::fromSize(0, 0, kDesignWidth, kDesignHeight));

    w = &f.addBrowser();
    w->setGeometry(platform::Rect::fromSize(TwipsToPixels(-40), TwipsToPixels(-40), TwipsToPixels(4455),
                                            TwipsToPixels(2775)));
}

}  // namespace fluvane::windows
