#include "windows/shezhigy_design.h"

namespace fluvane::windows {

shezhigyDesign::shezhigyDesign(platform::Ui& ui, const std::string& homeUrl)
    : DialogDesign(ui, "关于我们", kPictures, 204) {
    Label18 = &form_->addLabel();
    Label18->setGeometry(platform::Rect::fromSize(176, 184, 169, 17));
    Label18->setBackColor(platform::Color::rgb(226, 226, 230), true);
    Label18->setForeColor(kLinkColor);
    Label18->setCursor(platform::Cursor::Hand);
    Label18->setCaption(homeUrl);
}

}  // namespace fluvane::windows
