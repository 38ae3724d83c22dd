#include "mainwindow/form1.h"

#include "mainwindow/notice_list.h"
#include "startup/process_utils.h"

#include <chrono>
#include <filesystem>
#include <random>

namespace fluvane::mainwindow {

void Form1::T4_Timer() {
    T4->setEnabled(false);
    ListWeb->navigate(values_.dizhi + "/tcab/");
    qvod->navigate(values_.dizhi + "/tcab/zelad/zelloading.html");
}

void Form1::hit2_Timer() {
    hit2->setEnabled(false);
    windows_.ShowRecommendation();
}

void Form1::gun_Timer() {
    gun->setEnabled(false);
    const std::filesystem::path file = platform_.application.directory() / "link.txt";
    std::error_code error;
    if (!std::filesystem::exists(file, error)) return;

    gun2->setInterval(1000);
    gun2->setEnabled(true);
    noticeCountdown_ = 5;

    const std::vector<std::string> lines = ReadNoticeLines(file, platform_.codePage);
    if (lines.empty()) return;
    std::mt19937 random(static_cast<std::uint32_t>(
        std::chrono::steady_clock::now().time_since_epoch().count()));
    std::uniform_int_distribution<std::size_t> pick(0, lines.size() - 1);
    const Notice notice = SplitNotice(lines[pick(random)]);
    Label2->setCaption(notice.text);
    if (notice.link) noticeLink = *notice.link;
}

// Once link.txt is gone nothing resets the countdown; the timer then stops at 0.
void Form1::gun2_Timer() {
    if (noticeCountdown_ <= 0) {
        gun2->setEnabled(false);
        return;
    }
    if (--noticeCountdown_ == 0) gun->setEnabled(true);
}

void Form1::Label2_Click() { startup::OpenLink(platform_.shell, noticeLink); }

}  // namespace fluvane::mainwindow
