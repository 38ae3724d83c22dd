#pragma once

#include "windows/dialog_window.h"
#include "windows/shezhigy_design.h"

namespace fluvane::windows {

// The about window: the product, and a link to the portal's home page.
class shezhigy : public DialogWindow<shezhigyDesign> {
public:
    explicit shezhigy(platform::Platform& platform);

    void Image1_MouseMove(const platform::MouseEvent& e) override;
    // OK closes.
    void Image2_Click() override;
    void Label18_MouseMove(const platform::MouseEvent& e);
    // Opens the link in the user's browser.
    void Label18_Click();
};

}  // namespace fluvane::windows
