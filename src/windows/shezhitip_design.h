#pragma once

#include "controls/an.h"
#include "windows/dialog_design.h"

#include <memory>

namespace fluvane::windows {

// The settings window as designed: five switches, each with the caption
// that states its current choice.
class shezhitipDesign : public DialogDesign {
public:
    // Pictures stored with the program.
    static constexpr DialogPictures kPictures{321, 322, 323, 327, 328};

    explicit shezhitipDesign(platform::Ui& ui);

    std::unique_ptr<controls::an> an1;  // close button hides to the tray
    std::unique_ptr<controls::an> an2;  // start with the desktop session
    std::unique_ptr<controls::an> an3;  // minimise to the taskbar
    std::unique_ptr<controls::an> an4;  // open on the library
    std::unique_ptr<controls::an> an5;  // update automatically
    platform::Label* Label3;            // caption of an1
    platform::Label* Label2;            // caption of an2
    platform::Label* Label4;            // caption of an3
    platform::Label* Label5;            // caption of an4
    platform::Label* Label6;            // caption of an5
};

}  // namespace fluvane::windows
