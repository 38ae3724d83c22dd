#include "guestbook.hpp"

#include <algorithm>

#include "text.hpp"

namespace portal {

const std::vector<std::string>& Guestbook::kinds() {
    static const std::vector<std::string> names{"求片", "播放问题", "意见建议"};
    return names;
}

PostOutcome Guestbook::add(GuestbookEntry entry) {
    std::erase(entry.text, '\r');
    const auto& names = kinds();
    if (std::find(names.begin(), names.end(), entry.kind) == names.end()) return PostOutcome::Malformed;
    const auto title = utf8_length(entry.title, false);
    const auto text = utf8_length(entry.text, true);
    if (!title || !text) return PostOutcome::Malformed;
    if (entry.title.find_first_not_of(' ') == std::string::npos) return PostOutcome::MissingTitle;
    if (*title > kMaxTitleChars || *text > kMaxTextChars) return PostOutcome::TooLong;
    const std::lock_guard lock(mutex_);
    entries_.push_back(std::move(entry));
    if (entries_.size() > kMaxEntries) entries_.pop_front();
    return PostOutcome::Added;
}

std::vector<GuestbookEntry> Guestbook::newest_first() const {
    const std::lock_guard lock(mutex_);
    return {entries_.rbegin(), entries_.rend()};
}

}  // namespace portal
