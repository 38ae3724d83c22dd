#include "mainwindow/notice_list.h"

#include "startup/process_utils.h"

#include <algorithm>
#include <chrono>
#include <fstream>
#include <random>
#include <system_error>

namespace fluvane::mainwindow {

namespace {
constexpr std::uintmax_t kMaxBytes = 4 * 1024 * 1024;
constexpr std::string_view kSeparator = "###";
constexpr int kTickMs = 1000;
constexpr int kSecondsToNextNotice = 5;
}  // namespace

std::vector<std::string> readNoticeLines(const std::filesystem::path& file, const platform::CodePage& codePage) {
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(file, error);
    if (error) return {};
    std::ifstream in(file, std::ios::binary);
    std::string content(static_cast<std::size_t>(std::min<std::uintmax_t>(size, kMaxBytes)), '\0');
    in.read(content.data(), static_cast<std::streamsize>(content.size()));
    content.resize(static_cast<std::size_t>(in.gcount()));

    std::vector<std::string> lines;
    std::size_t start = 0;
    // A line ends at CR, LF or CR LF, as the system's line input reads text.
    while (start < content.size()) {
        std::size_t end = content.find_first_of("\r\n", start);
        if (end == std::string::npos) end = content.size();
        const std::string_view line(content.data() + start, end - start);
        if (!line.empty()) lines.push_back(codePage.fromGbk(line));
        start = content.compare(end, 2, "\r\n") == 0 ? end + 2 : end + 1;
    }
    return lines;
}

Notice splitNotice(std::string_view line) {
    const std::size_t first = line.find(kSeparator);
    if (first == std::string_view::npos) return {std::string(line), std::nullopt};
    const std::string_view rest = line.substr(first + kSeparator.size());
    return {std::string(line.substr(0, first)), std::string(rest.substr(0, rest.find(kSeparator)))};
}

NoticeLine::NoticeLine(platform::Platform& platform, platform::Form& window, platform::Label& label,
                       std::filesystem::path file)
    : platform_(platform),
      Label2(label),
      file_(std::move(file)),
      gun(platform.ui.createTimer(window)),
      gun2(platform.ui.createTimer(window)) {
    gun->setInterval(kTickMs);
    gun->tick = [this] { gun_Timer(); };
    gun2->setInterval(kTickMs);
    gun2->tick = [this] { gun2_Timer(); };
    Label2.events.click = [this] { Label2_Click(); };
}

void NoticeLine::start() { gun->setEnabled(true); }

void NoticeLine::stop() { gun->setEnabled(false); }

void NoticeLine::gun_Timer() {
    gun->setEnabled(false);
    std::error_code error;
    if (!std::filesystem::exists(file_, error)) return;

    gun2->setEnabled(true);
    noticeCountdown_ = kSecondsToNextNotice;

    const std::vector<std::string> lines = readNoticeLines(file_, platform_.codePage);
    if (lines.empty()) return;
    std::mt19937 random(static_cast<std::uint32_t>(std::chrono::steady_clock::now().time_since_epoch().count()));
    std::uniform_int_distribution<std::size_t> pick(0, lines.size() - 1);
    const Notice notice = splitNotice(lines[pick(random)]);
    Label2.setCaption(notice.text);
    if (notice.link) noticeLink = *notice.link;
}

// Once link.txt is gone nothing resets the countdown; the timer then stops at 0.
void NoticeLine::gun2_Timer() {
    if (noticeCountdown_ <= 0) {
        gun2->setEnabled(false);
        return;
    }
    if (--noticeCountdown_ == 0) gun->setEnabled(true);
}

void NoticeLine::Label2_Click() { startup::OpenLink(platform_.shell, noticeLink); }

}  // namespace fluvane::mainwindow
