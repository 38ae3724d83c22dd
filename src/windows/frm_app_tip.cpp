#include "windows/frm_app_tip.h"

#include "windows/window_placement.h"

namespace fluvane::windows {

FrmAppTip::FrmAppTip(platform::Platform& platform)
    : FrmAppTipDesign(platform.ui), Timer1(platform.ui.createTimer(*form_)), ui_(platform.ui) {
    Timer1->setInterval(kShowFor);
    Timer1->tick = [this] { Timer1_Timer(); };
    Timer1->setEnabled(true);
}

void FrmAppTip::ShowTip(const std::string& text) {
    Label1->setCaption(text);
    centreOnScreen(*form_, ui_);
    form_->show();
    Timer1->setEnabled(false);
    Timer1->setEnabled(true);
}

void FrmAppTip::Timer1_Timer() {
    form_->hide();
    Timer1->setEnabled(false);
}

}  // namespace fluvane::windows
