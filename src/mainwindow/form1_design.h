#pragma once

#include "controls/sf_play_list.h"
#include "mainwindow/list_ad.h"
#include "platform/platform.h"

#include <array>
#include <map>
#include <memory>
#include <string>

namespace fluvane::mainwindow {

// The main window's control tree as designed: every control with its
// container, its design-time properties and its place in the stacking order.
// Geometry that depends on the window's size is the layout's business; what
// the controls do is Form1's.
class Form1Design {
protected:
    // First, so that it goes last: the controls below live in it.
    std::unique_ptr<platform::Form> form_;

public:
    static constexpr int kDesignWidth = 980;  // client area, pixels
    static constexpr int kDesignHeight = 661;

    // portalUrl: the portal base URL fixed in the program, for the list advertisement.
    Form1Design(platform::Ui& ui, const std::string& portalUrl);
    Form1Design(const Form1Design&) = delete;
    Form1Design& operator=(const Form1Design&) = delete;

    platform::Form& form() { return *form_; }

    // Title bar: the frame lines, the holders of the skin pictures it is
    // painted from, and the hit areas laid over it.
    platform::Line *Line1, *Line2, *Line3, *Line4;  // frame: top, left, right, bottom
    platform::Image* Image1;                        // title-bar strip
    platform::Image* Image4;                        // close button cells
    platform::Image* Image5;                        // maximise button cells
    platform::Image* Image6;                        // minimise button cells
    platform::Image* Image7;                        // feedback button cells
    platform::Image* Image8;                        // restore button cells
    platform::Image* Image9;                        // tab 0 (player view) cells
    platform::Image* Image10;                       // tab 1 (library home) cells
    platform::Image* cai;                           // menu button cells
    platform::Image* zb;                            // tab 2 (application page) cells
    platform::Image* tv;                            // tab 3 (application page) cells
    platform::Image* logo;                          // logo
    std::map<int, platform::Label*> Button1;        // window buttons 0-4 and the logo area 7
    std::array<platform::Label*, 5> Button2;        // tabs 0-4; 4 is never shown

    // Library pane.
    platform::Surface* Picture1;     // library pane, in front of the player pane when shown
    platform::BrowserPane* ListWeb;  // the portal's library pages; the main command source
    platform::BrowserPane* W2;       // application pages of tabs 2 and 3

    // Player pane.
    platform::Surface* Picture2;                        // player pane
    platform::Surface* bj;                              // backdrop while nothing plays
    platform::Image* bjimg;                             // backdrop picture, centred in bj
    platform::Surface* Picture6;                        // playlist panel
    platform::Image* Image15;                           // playlist panel header
    platform::Surface* Picture7;                        // clear-playlist button
    platform::Image* Image16;                           // clear-button cells
    platform::Surface* SFPlayList1Window;               // the window the playlist lives in
    std::unique_ptr<controls::SFPlayList> SFPlayList1;  // the grouped playlist
    std::unique_ptr<listad> listad1;                    // the list advertisement under the playlist
    platform::Surface* vip;                             // buffering overlay, twips inside
    platform::Surface* vip3;                            // countdown strip of the overlay, twips inside
    platform::Label* Label5;                            // "缓冲倒计时："
    platform::Label* tip;                               // the countdown number
    platform::BrowserPane* qvod;                        // buffering advertisement page
    platform::Surface* Picture5;                        // bottom bar
    platform::Image* Image14;                           // bottom-bar background
    platform::Surface* Picture9;  // bottom-bar centre strip, twips inside: notice line, drags the window
    platform::Label* Label2;      // the notice text
    platform::Surface* Picture8;  // show/hide-playlist button
    platform::Image* Image17;     // playlist-button cells
    platform::Image* Image2;      // update icon
    platform::Image* Image3;      // update icon, normal picture
    platform::Image* Image18;     // update icon, hover picture
    platform::Label* Label1;      // version text
    platform::Surface* Picture3;  // splitter between player and playlist panel
    platform::Image* Image11;     // splitter picture, stretched over the strip
    platform::Surface* Picture4;  // playlist panel handle on the splitter
    platform::Image* Image12;     // handle cells while the panel shows
    platform::Image* Image13;     // handle cells while the panel is hidden
    platform::BrowserPane* W3;    // the player page

    platform::BrowserPane* tj;  // a pane on the window itself that nothing navigates
};

}  // namespace fluvane::mainwindow
