#include "controls/property_bag.h"

#include <charconv>
#include <cstdio>
#include <limits>

namespace fluvane::controls {

namespace {

// Booleans are stored as the system writes them: -1 for true, 0 for false.
constexpr int kTrue = -1;

template <typename Number>
bool parse(const std::string& text, Number& out) {
    const char* end = text.data() + text.size();
    auto [rest, error] = std::from_chars(text.data(), end, out);
    return error == std::errc() && rest == end;
}

}  // namespace

std::string PropertyBag::read(const std::string& name, const std::string& fallback) const {
    auto found = values_.find(name);
    return found == values_.end() ? fallback : found->second;
}

int PropertyBag::readInt(const std::string& name, int fallback) const {
    int value = 0;
    return parse(read(name, ""), value) ? value : fallback;
}

bool PropertyBag::readBool(const std::string& name, bool fallback) const {
    int value = 0;
    return parse(read(name, ""), value) ? value != 0 : fallback;
}

platform::Font PropertyBag::readFont(const std::string& name, const platform::Font& fallback) const {
    if (!contains(name + ".Name")) return fallback;
    platform::Font font;
    font.name = read(name + ".Name", fallback.name);
    double size = 0;
    // The size is used as a whole number of points: it must fit one.
    const bool usable = parse(read(name + ".Size", ""), size) && size > 0 && size <= std::numeric_limits<int>::max();
    font.size = usable ? size : fallback.size;
    font.bold = readBool(name + ".Bold", fallback.bold);
    font.italic = readBool(name + ".Italic", fallback.italic);
    font.underline = readBool(name + ".Underline", fallback.underline);
    font.strikethrough = readBool(name + ".Strikethrough", fallback.strikethrough);
    font.weight = readInt(name + ".Weight", fallback.weight);
    font.charset = readInt(name + ".Charset", fallback.charset);
    return font;
}

void PropertyBag::write(const std::string& name, const std::string& value, const std::string& fallback) {
    if (value == fallback)
        values_.erase(name);
    else
        values_[name] = value;
}

void PropertyBag::writeInt(const std::string& name, int value, int fallback) {
    write(name, std::to_string(value), std::to_string(fallback));
}

void PropertyBag::writeBool(const std::string& name, bool value, bool fallback) {
    writeInt(name, value ? kTrue : 0, fallback ? kTrue : 0);
}

void PropertyBag::writeFont(const std::string& name, const platform::Font& value, const platform::Font& fallback) {
    const std::string keys[] = {".Name",      ".Size",          ".Bold",   ".Italic",
                                ".Underline", ".Strikethrough", ".Weight", ".Charset"};
    for (const auto& key : keys) values_.erase(name + key);
    if (value == fallback) return;
    char size[32];
    std::snprintf(size, sizeof size, "%g", value.size);
    values_[name + ".Name"] = value.name;
    values_[name + ".Size"] = size;
    values_[name + ".Bold"] = std::to_string(value.bold ? kTrue : 0);
    values_[name + ".Italic"] = std::to_string(value.italic ? kTrue : 0);
    values_[name + ".Underline"] = std::to_string(value.underline ? kTrue : 0);
    values_[name + ".Strikethrough"] = std::to_string(value.strikethrough ? kTrue : 0);
    values_[name + ".Weight"] = std::to_string(value.weight);
    values_[name + ".Charset"] = std::to_string(value.charset);
}

}  // namespace fluvane::controls
