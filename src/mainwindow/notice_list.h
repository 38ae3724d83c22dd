#pragma once

#include "platform/platform.h"
#include "platform/services.h"

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace fluvane::mainwindow {

// The non-empty lines of link.txt (code page 936 on disk) as UTF-8. Only the
// first few megabytes are read, so a runaway file cannot stall the rotation.
std::vector<std::string> readNoticeLines(const std::filesystem::path& file, const platform::CodePage& codePage);

struct Notice {
    std::string text;
    std::optional<std::string> link;  // nothing when the line has no "###"
};

// notice text + "###" + link URL; further "###" parts are ignored.
Notice splitNotice(std::string_view line);

// The notice line of the bottom bar: a notice picked at random from link.txt
// about every six seconds while the file is there; a click opens its link.
class NoticeLine {
public:
    // `Label2` shows the notice; `file` is link.txt; the timers die with `window`.
    NoticeLine(platform::Platform& platform, platform::Form& window, platform::Label& Label2,
               std::filesystem::path file);
    NoticeLine(const NoticeLine&) = delete;
    NoticeLine& operator=(const NoticeLine&) = delete;

    void start();  // the first notice a second from now
    void stop();

private:
    friend struct Form1Inside;

    void gun_Timer();     // picks the next notice, and starts the countdown to the one after
    void gun2_Timer();    // one second less to the next notice
    void Label2_Click();  // opens the notice's link

    platform::Platform& platform_;
    platform::Label& Label2;  // the notice text
    std::filesystem::path file_;
    std::unique_ptr<platform::Timer> gun;   // picks the next notice
    std::unique_ptr<platform::Timer> gun2;  // notice countdown
    std::int16_t noticeCountdown_ = 0;      // gun2 ticks to the next notice
    std::string noticeLink;                 // the link of the notice on show
};

}  // namespace fluvane::mainwindow
