#pragma once

#include "mainwindow/main_window_services.h"
#include "platform/platform.h"

#include <array>
#include <cstdint>
#include <map>
#include <memory>
#include <string>

namespace fluvane::mainwindow {

// The four "form" keys of the local settings file, kept as read at start-up.
struct StartupSettings {
    std::string form;
    std::string run;
    std::string renwulan;
    std::string shipinku;
};

// The main window. Other windows read its panes, labels and fields directly.
class Form1 {
public:
    static constexpr int kDesignWidth = 980;
    static constexpr int kDesignHeight = 661;
    static constexpr int kTitleHeight = 45;

    Form1(platform::Platform& platform, MainWindowServices& services);
    Form1(const Form1&) = delete;
    Form1& operator=(const Form1&) = delete;

    platform::Form& form() { return *form_; }

    void Form_Load();
    void Form_Resize();
    void show();

    void T4_Timer();
    void T6_Timer();
    void hit2_Timer();
    void gun_Timer();
    void gun2_Timer();
    void Label2_Click();

    // The server configuration values, as texts.
    std::string dizhi, ad, L1, l2, tuichu, huangchong, da, hit1;
    StartupSettings settings;
    std::string noticeLink;

    platform::Line *Line1, *Line2, *Line3, *Line4;
    platform::Image *Image1, *Image4, *Image5, *Image6, *Image7, *Image8, *Image9, *Image10;
    platform::Image *cai, *zb, *tv, *logo;
    std::map<int, platform::Label*> Button1;  // indices 0-4 and 7
    std::array<platform::Label*, 5> Button2;

    platform::Surface* Picture1;
    platform::BrowserPane *ListWeb, *W2;

    platform::Surface* Picture2;
    platform::Surface* bj;
    platform::Image* bjimg;
    platform::Surface* Picture6;
    platform::Image* Image15;
    platform::Surface* Picture7;
    platform::Image* Image16;
    platform::Surface* SFPlayList1;
    platform::Surface* listad1;
    platform::Surface *vip, *vip3;
    platform::Label *Label5, *tip;
    platform::BrowserPane* qvod;
    platform::Surface* Picture5;
    platform::Image* Image14;
    platform::Surface* Picture9;
    platform::Label* Label2;
    platform::Surface* Picture8;
    platform::Image *Image17, *Image2, *Image3, *Image18;
    platform::Label* Label1;
    platform::Surface* Picture3;
    platform::Image* Image11;
    platform::Surface* Picture4;
    platform::Image *Image12, *Image13;
    platform::BrowserPane* W3;
    platform::BrowserPane* tj;

    std::unique_ptr<platform::Timer> T4, T6, hit2, gun, gun2;

private:
    void paintViewTabs(bool libraryView);

    platform::Platform& platform_;
    MainWindowServices& services_;
    std::unique_ptr<platform::Form> form_;
    std::int16_t noticeCountdown_ = 0;
};

}  // namespace fluvane::mainwindow
