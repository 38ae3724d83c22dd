#pragma once

#include "windows/dialog_window.h"
#include "windows/shezhitip_design.h"

#include <array>
#include <functional>
#include <string>

namespace fluvane::windows {

// The settings window. Every switch writes its setting at once; the client
// takes the settings at its next start.
class shezhitip : public DialogWindow<shezhitipDesign> {
public:
    using ShowTip = std::function<void(const std::string& text)>;

    shezhitip(platform::Platform& platform, ShowTip showTip);

    // Reads the five settings afresh; one that is missing or unreadable shows off.
    void Form_Load();
    // Switch n (1 to 5) was flipped.
    void an_Click(int n);
    // Save: confirms and closes; there is nothing left to write.
    void Image2_Click() override;

private:
    struct Switch {
        controls::an* button;
        platform::Label* caption;
        const char* key;  // in section "form"
        const char* on;   // the caption while on
        const char* off;  // the caption while off
    };
    void showChoice(const Switch& row);
    void keep(const char* key, bool on);
    // The one place the start-with-the-session choice is kept and reaches the desktop.
    void startWithSession(bool enabled);

    std::array<Switch, 5> switches_;
    ShowTip showTip_;
};

}  // namespace fluvane::windows
