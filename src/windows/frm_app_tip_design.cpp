#include "windows/frm_app_tip_design.h"

#include "mainwindow/shortcut_tips.h"

namespace fluvane::windows {

FrmAppTipDesign::FrmAppTipDesign(platform::Ui& ui) : form_(ui.createForm()) {
    platform::Form& f = *form_;
    f.setShowInTaskbar(false);
    f.setBackColor(platform::Color::rgb(128, 128, 128));
    f.setGeometry(platform::Rect::fromSize(0, 0, kDesignWidth, kDesignHeight));

    Label1 = &f.addLabel();
    Label1->setGeometry(platform::Rect::fromSize(8, 5, 337, 25));
    Label1->setForeColor(platform::Color::rgb(255, 255, 255));
    Label1->setBackColor(platform::Color::rgb(255, 192, 128), false);
    Label1->setFont({"微软雅黑", 12});
    Label1->setCaption(mainwindow::kShortcutMade);
}

}  // namespace fluvane::windows
