#pragma once

#include "platform/platform.h"
#include "windows/frm_app_tip_design.h"

#include <memory>
#include <string>

namespace fluvane::windows {

// The tip window: a message centred on the screen that hides itself three
// seconds after it was shown, and stays loaded for the next one.
class FrmAppTip : public FrmAppTipDesign {
public:
    static constexpr int kShowFor = 3000;  // ms
    static constexpr const char* kSettingsSaved = "设置成功 下次启动生效";

    explicit FrmAppTip(platform::Platform& platform);

    // Shows `text` in place of the last one; a tip shown while another still
    // shows gets its full three seconds.
    void ShowTip(const std::string& text);
    void Timer1_Timer();

    std::unique_ptr<platform::Timer> Timer1;  // hides the tip; armed at creation

private:
    platform::Ui& ui_;
};

}  // namespace fluvane::windows
