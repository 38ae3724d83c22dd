#pragma once

#include <cstddef>
#include <deque>
#include <mutex>
#include <string>
#include <vector>

namespace portal {

struct GuestbookEntry {
    std::string kind;  // one of Guestbook::kinds()
    std::string title;
    std::string text;  // may hold line breaks ("\n")
};

enum class PostOutcome { Added, MissingTitle, TooLong, Malformed };

// The guestbook's messages, kept in memory only. A message must be UTF-8
// text of bounded length; only the newest kMaxEntries are kept.
class Guestbook {
public:
    static constexpr std::size_t kMaxEntries = 100;
    static constexpr std::size_t kMaxTitleChars = 40;
    static constexpr std::size_t kMaxTextChars = 300;

    static const std::vector<std::string>& kinds();

    // Checks and stores a message; carriage returns in its text are dropped.
    PostOutcome add(GuestbookEntry entry);

    std::vector<GuestbookEntry> newest_first() const;

private:
    mutable std::mutex mutex_;
    std::deque<GuestbookEntry> entries_;
};

}  // namespace portal
