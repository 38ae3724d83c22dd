#include "guestbook.hpp"

#include <algorithm>
#include <optional>
#include <string_view>

namespace portal {

namespace {

// Number of characters in strict UTF-8 text, or nothing for text that is not
// UTF-8 or holds a control character other than a line break or tab.
std::optional<std::size_t> text_length(std::string_view text, bool allow_breaks) {
    std::size_t count = 0;
    for (std::size_t i = 0; i < text.size(); ++count) {
        const auto lead = static_cast<unsigned char>(text[i]);
        if (lead < 0x80) {
            const bool control = lead < 0x20 || lead == 0x7F;
            if (control && !(allow_breaks && (lead == '\n' || lead == '\t')))
                return std::nullopt;
            ++i;
            continue;
        }
        const std::size_t trail = lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC2 ? 1 : 0;
        if (trail == 0 || lead > 0xF4 || text.size() - i <= trail)
            return std::nullopt;
        const auto second = static_cast<unsigned char>(text[i + 1]);
        // Overlong forms, UTF-16 surrogates and code points past U+10FFFF.
        if ((lead == 0xE0 && second < 0xA0) || (lead == 0xED && second > 0x9F) ||
            (lead == 0xF0 && second < 0x90) || (lead == 0xF4 && second > 0x8F))
            return std::nullopt;
        for (std::size_t k = 1; k <= trail; ++k)
            if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80)
                return std::nullopt;
        i += trail + 1;
    }
    return count;
}

}  // namespace

const std::vector<std::string>& Guestbook::kinds() {
    static const std::vector<std::string> names{"求片", "播放问题", "意见建议"};
    return names;
}

PostOutcome Guestbook::add(GuestbookEntry entry) {
    std::erase(entry.text, '\r');
    const auto& names = kinds();
    if (std::find(names.begin(), names.end(), entry.kind) == names.end())
        return PostOutcome::Malformed;
    const auto title = text_length(entry.title, false);
    const auto text = text_length(entry.text, true);
    if (!title || !text)
        return PostOutcome::Malformed;
    if (entry.title.find_first_not_of(' ') == std::string::npos)
        return PostOutcome::MissingTitle;
    if (*title > kMaxTitleChars || *text > kMaxTextChars)
        return PostOutcome::TooLong;
    const std::lock_guard lock(mutex_);
    entries_.push_back(std::move(entry));
    if (entries_.size() > kMaxEntries)
        entries_.pop_front();
    return PostOutcome::Added;
}

std::vector<GuestbookEntry> Guestbook::newest_first() const {
    const std::lock_guard lock(mutex_);
    return {entries_.rbegin(), entries_.rend()};
}

}  // namespace portal
