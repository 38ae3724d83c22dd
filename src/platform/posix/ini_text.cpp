#include "platform/posix/ini_text.h"
#include "platform/shared/text.h"

namespace fluvane::platform::posix::ini {
namespace {

// The blanks the profile functions strip; 0x1A is the old end-of-file mark.
bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f' || c == '\x1a';
}

std::string_view trim(std::string_view text) {
    while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
    return text;
}

std::size_t lengthAt(std::string_view text, std::size_t at, Encoding encoding) {
    return encoding == Encoding::Gbk ? characterLength(text, at) : 1;
}

// Letter case is ignored for ASCII letters only; double-byte characters
// compare byte for byte.
bool sameName(std::string_view a, std::string_view b, Encoding encoding) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size();) {
        const std::size_t length = lengthAt(a, i, encoding);
        if (length == 1) {
            if (shared::lowerAscii(a[i]) != shared::lowerAscii(b[i])) return false;
        } else if (a.compare(i, length, b, i, length) != 0) {
            return false;
        }
        i += length;
    }
    return true;
}

struct Line {
    std::size_t begin = 0;    // first byte after leading blanks
    std::size_t end = 0;      // past the last byte before trailing blanks
    std::size_t next = 0;     // first byte of the following line
    bool terminated = false;  // ends with a line break
};

class Lines {
public:
    explicit Lines(std::string_view text) : text_(text) {}

    bool next(Line& line) {
        if (pos_ >= text_.size()) return false;
        const std::size_t lineBreak = text_.find_first_of("\r\n", pos_);
        line.terminated = lineBreak != std::string_view::npos;
        line.next = !line.terminated                       ? text_.size()
                    : text_.substr(lineBreak, 2) == "\r\n" ? lineBreak + 2
                                                           : lineBreak + 1;
        line.begin = pos_;
        line.end = line.next;
        while (line.begin < line.end && isBlank(text_[line.begin])) ++line.begin;
        while (line.end > line.begin && isBlank(text_[line.end - 1])) --line.end;
        pos_ = line.next;
        return true;
    }

private:
    std::string_view text_;
    std::size_t pos_ = 0;
};

// The name of a section header line ("[ name ]" up to its last ']'), or nullopt.
std::optional<std::string_view> sectionName(std::string_view content, Encoding encoding) {
    if (content.empty() || content.front() != '[') return std::nullopt;
    std::size_t close = 0;
    for (std::size_t i = 1; i < content.size(); i += lengthAt(content, i, encoding)) {
        if (content[i] == ']') close = i;
    }
    if (close == 0) return std::nullopt;
    return trim(content.substr(1, close - 1));
}

struct Entry {
    std::string_view name;
    std::optional<std::string_view> value;
};

Entry parseEntry(std::string_view content) {
    // '=' (0x3D) is never a trail byte, so a plain search is safe.
    const std::size_t equals = content.find('=');
    if (equals == std::string_view::npos) return {content, std::nullopt};
    return {trim(content.substr(0, equals)), trim(content.substr(equals + 1))};
}

struct Location {
    bool sectionFound = false;
    std::optional<Line> keyLine;
    Line lastLineOfSection;  // the header when the section holds nothing else
};

Location locate(std::string_view text, std::string_view section, std::string_view key, Encoding encoding) {
    section = trim(section);
    key = trim(key);
    Location found;
    Lines lines(text);
    Line line;
    bool inSection = false;
    while (lines.next(line)) {
        if (line.begin == line.end) continue;
        const std::string_view content = text.substr(line.begin, line.end - line.begin);
        if (const auto name = sectionName(content, encoding)) {
            // Only the first section of a name counts; later duplicates are never searched.
            if (found.sectionFound) break;
            inSection = sameName(*name, section, encoding);
            if (inSection) {
                found.sectionFound = true;
                found.lastLineOfSection = line;
            }
            continue;
        }
        if (!inSection) continue;
        found.lastLineOfSection = line;
        if (sameName(parseEntry(content).name, key, encoding)) {
            found.keyLine = line;
            break;
        }
    }
    return found;
}

std::string_view lineEnding(std::string_view text) {
    const std::size_t lineBreak = text.find_first_of("\r\n");
    if (lineBreak == std::string_view::npos || text.substr(lineBreak, 2) == "\r\n") return "\r\n";
    return text.substr(lineBreak, 1);
}

bool storable(std::string_view section, std::string_view key, std::string_view value, Encoding encoding) {
    const auto hasBreak = [](std::string_view s) { return s.find_first_of("\r\n") != std::string_view::npos; };
    if (hasBreak(section) || hasBreak(key) || hasBreak(value)) return false;
    key = trim(key);
    if (key.find('=') != std::string_view::npos || (!key.empty() && key.front() == '[')) return false;
    // A section ending in a lead byte would take the closing ']' as its trail byte.
    section = trim(section);
    const std::string header = "[" + std::string(section) + "]";
    return sectionName(header, encoding) == section;
}

}  // namespace

std::size_t characterLength(std::string_view text, std::size_t at) {
    const auto lead = static_cast<unsigned char>(text[at]);
    if (lead < 0x81 || lead == 0xFF || at + 1 >= text.size()) return 1;
    const auto trail = static_cast<unsigned char>(text[at + 1]);
    return trail >= 0x40 && trail <= 0xFE && trail != 0x7F ? 2 : 1;
}

std::optional<std::string_view> findValue(std::string_view text, std::string_view section, std::string_view key,
                                          Encoding encoding) {
    const Location found = locate(text, section, key, encoding);
    if (!found.keyLine) return std::nullopt;
    const Line& line = *found.keyLine;
    return parseEntry(text.substr(line.begin, line.end - line.begin)).value;
}

std::string copyOut(std::string_view value, std::size_t bufferSize) {
    value = value.substr(0, value.find('\0'));
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front()) {
        value = value.substr(1, value.size() - 2);
    }
    const std::size_t limit = bufferSize == 0 ? 0 : bufferSize - 1;
    std::size_t cut = 0;
    while (cut < value.size()) {
        const std::size_t length = characterLength(value, cut);
        if (cut + length > limit) break;
        cut += length;
    }
    return std::string(value.substr(0, cut));
}

std::optional<std::string> withValue(std::string_view text, std::string_view section, std::string_view key,
                                     std::string_view value, Encoding encoding) {
    if (!storable(section, key, value, encoding)) return std::nullopt;
    while (!value.empty() && isBlank(value.front())) value.remove_prefix(1);
    const Location found = locate(text, section, key, encoding);
    const std::string_view eol = lineEnding(text);
    std::string result(text);
    if (found.keyLine) {
        const Line& line = *found.keyLine;
        const Entry entry = parseEntry(text.substr(line.begin, line.end - line.begin));
        if (entry.value == value) return result;
        std::string replacement = std::string(entry.name) + "=" + std::string(value);
        result.replace(line.begin, line.end - line.begin, replacement);
        return result;
    }
    const std::string entry = std::string(trim(key)) + "=" + std::string(value) + std::string(eol);
    if (found.sectionFound) {
        const Line& last = found.lastLineOfSection;
        result.insert(last.next, last.terminated ? entry : std::string(eol) + entry);
        return result;
    }
    if (!result.empty() && result.back() != '\n' && result.back() != '\r') result += eol;
    result += "[" + std::string(trim(section)) + "]" + std::string(eol) + entry;
    return result;
}

}  // namespace fluvane::platform::posix::ini
