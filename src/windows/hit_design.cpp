#include "windows/hit_design.h"

#include "platform/shared/twips.h"

namespace fluvane::windows {

hitDesign::hitDesign(platform::Ui& ui) : form_(ui.createForm()) {
    platform::Form& f = *form_;
    f.setShowInTaskbar(false);
    f.setGeometry(platform::Rect::fromSize(0, 0, kDesignWidth, kDesignHeight));

    w = &f.addBrowser();
    w->setGeometry(platform::Rect::fromSize(platform::shared::twipsToPixels(-40), platform::shared::twipsToPixels(-40),
                                            platform::shared::twipsToPixels(4455),
                                            platform::shared::twipsToPixels(2775)));
}

}  // namespace fluvane::windows
