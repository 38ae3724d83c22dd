#pragma once

#include "platform/platform.h"
#include "windows/yijian_design.h"

#include <memory>
#include <string>

namespace fluvane::windows {

// The feedback window: a local page first, the portal's guestbook six
// seconds later. Each opening starts again from the local page.
class yijian : public yijianDesign {
public:
    static constexpr int kTitleHeight = 45;
    static constexpr int kGuestbookDelay = 6000;  // ms

    // `dizhi`: the portal base URL the main window holds.
    yijian(platform::Platform& platform, std::string dizhi);

    // Requests the local page and arms T1.
    void Form_Load();
    void Form_Resize();
    void Form_Paint();
    void Form_MouseMove(const platform::MouseEvent& e);
    void Form_MouseDown(const platform::MouseEvent& e);
    void P1_Resize();
    void Button1_MouseMove(int Index, const platform::MouseEvent& e);
    void Button1_MouseDown(int Index, const platform::MouseEvent& e);
    void Button1_Click(int Index);
    void WebBrowser1_DownloadBegin();
    void T1_Timer();

    // Modeless, centred on its owner.
    void Show(platform::Form& owner);

    std::unique_ptr<platform::Timer> T1;  // switches to the guestbook, once

private:
    enum class CloseLook { Normal = 0, Hover = 32, Pressed = 64 };  // frame x in Image4
    void paintCloseButton(CloseLook look);
    bool minimised() const;

    platform::Platform& platform_;
    std::string dizhi_;
    bool placed_ = false;  // it has shown once
};

}  // namespace fluvane::windows
