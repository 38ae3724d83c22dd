#pragma once

#include "mainwindow/form1_design.h"
#include "mainwindow/secondary_windows.h"
#include "platform/platform.h"

#include <cstdint>
#include <memory>
#include <string>

namespace fluvane::mainwindow {

// The four "form" keys of the local settings file, kept as read at start-up.
struct StartupSettings {
    std::string form;      // close only hides the window
    std::string run;       // start with the desktop session
    std::string renwulan;  // minimise to the taskbar rather than hide
    std::string shipinku;  // open on the library view
};

// The main window: the hub the other windows read and call. Its behaviour is
// split by concern over the form1_*.cpp files.
class Form1 : public Form1Design {
public:
    static constexpr int kTitleHeight = 45;

    Form1(platform::Platform& platform, SecondaryWindows& windows);

    // Load and layout (form1.cpp, form1_layout.cpp).
    void Form_Load();
    void Form_Resize();
    void show();

    // Timers and the notice line (form1_timers.cpp).
    void T4_Timer();
    void T6_Timer();
    void hit2_Timer();
    void gun_Timer();
    void gun2_Timer();
    void Label2_Click();

    // Server configuration values, as texts (hidden labels of the window).
    std::string dizhi;       // portal base URL for every page
    std::string ad;          // pop-up advertisement switch, "1" on
    std::string L1;          // seconds to the first pop-up
    std::string l2;          // seconds between later pop-ups
    std::string tuichu;      // exit advertisement switch
    std::string huangchong;  // buffering countdown switch
    std::string da;          // buffering countdown, seconds
    std::string hit1;        // recommendation window switch
    StartupSettings settings;
    std::string noticeLink;  // the link of the notice on show

    std::unique_ptr<platform::Timer> T4;    // first navigation, once
    std::unique_ptr<platform::Timer> T6;    // pop-up advertisement schedule
    std::unique_ptr<platform::Timer> hit2;  // opens the recommendation window, once
    std::unique_ptr<platform::Timer> gun;   // picks the next notice
    std::unique_ptr<platform::Timer> gun2;  // notice countdown

private:
    void LoadSkin();
    void paintViewTabs(bool libraryView);

    platform::Platform& platform_;
    SecondaryWindows& windows_;
    std::int16_t noticeCountdown_ = 0;
    std::int32_t popupCounter_ = 0;  // T6 ticks since the last pop-up
    bool popupShown_ = false;        // the first pop-up has been shown
};

}  // namespace fluvane::mainwindow
