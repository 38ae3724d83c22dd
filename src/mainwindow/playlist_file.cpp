#include "mainwindow/playlist_file.h"

#include "mainwindow/playlist_caps.h"
#include "platform/shared/utf8.h"

#include <pugixml.hpp>

#include <string>
#include <string_view>

namespace fluvane::mainwindow {

namespace {

constexpr std::string_view kReplacement = "\xEF\xBF\xBD";  // U+FFFD

// Characters XML 1.0 can carry: a file with any other fails to load whole in
// the platform's XML object and in every conforming parser.
bool xmlCharacter(char32_t c) {
    return c == 0x9 || c == 0xA || c == 0xD || (c >= 0x20 && c <= 0xD7FF) || (c >= 0xE000 && c <= 0xFFFD) ||
           (c >= 0x10000 && c <= 0x10FFFF);
}

// Valid UTF-8 that XML can carry: broken bytes become U+FFFD, control
// characters other than tab and line ends are dropped. Nearly every text is
// fit as it stands and comes back uncopied; any other is mended into `mended`.
std::string_view xmlText(std::string_view text, std::string& mended) {
    mended.clear();
    bool changed = false;
    std::size_t fit = 0;  // text[fit, i) is fit and not yet copied
    for (std::size_t i = 0; i < text.size();) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if (byte >= 0x20 && byte < 0x80) {
            ++i;
            continue;
        }
        char32_t code = 0;
        const std::size_t length = platform::shared::utf8::sequenceAt(text, i, code);
        if (length != 0 && xmlCharacter(code)) {
            i += length;
            continue;
        }
        mended.append(text, fit, i - fit);
        if (length == 0 || code >= 0x20) mended += kReplacement;  // broken bytes, U+FFFE, U+FFFF
        i += length == 0 ? 1 : length;
        fit = i;
        changed = true;
    }
    if (!changed) return text;
    return mended.append(text, fit);
}

// A parse that stopped inside an attribute value leaves that value cut short
// on the element it was reading, the last one in document order.
void dropUnfinishedAttribute(pugi::xml_document& document) {
    pugi::xml_node last = document;
    while (last.last_child()) last = last.last_child();
    last.remove_attribute(last.last_attribute());
}

// Fills `document` with the list as the platform's XML object builds it.
void buildPlayList(pugi::xml_document& document, const controls::SFPlayList& list) {
    std::string mended;
    const auto set = [&](pugi::xml_attribute attribute, const std::string& value) {
        const std::string_view text = xmlText(value, mended);
        attribute.set_value(text.data(), text.size());
    };
    pugi::xml_node playlist = document.append_child("playlist");
    for (int group = 0; group < list.NodesCount(); ++group) {
        pugi::xml_node ul = playlist.append_child("ul");
        set(ul.append_child("Class").append_attribute("Name"), list.NodeText(group));
        for (int entry = 0; entry < list.ItemsCount(group); ++entry) {
            pugi::xml_node li = ul.append_child("li");
            set(li.append_attribute("Name"), list.ItemName(group, entry));
            set(li.append_attribute("URL"), list.ItemURL(group, entry));
        }
    }
}

// The document's text straight into the new file, in the library's chunks.
class SinkWriter final : public pugi::xml_writer {
public:
    explicit SinkWriter(const platform::Files::Sink& put) : put_(put) {}
    void write(const void* data, std::size_t size) override {
        ok_ = ok_ && put_({static_cast<const char*>(data), size});
    }
    bool ok() const { return ok_; }

private:
    const platform::Files::Sink& put_;
    bool ok_ = true;
};

}  // namespace

void LoadPlayList(controls::SFPlayList& list, const std::filesystem::path& path) {
    // A folder would be read as a file of absurd size, a pipe would block.
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) return;
    pugi::xml_document document;
    if (document.load_file(path.c_str()).status == pugi::status_bad_attribute) dropUnfinishedAttribute(document);
    std::string mended;
    const auto text = [&](const pugi::xml_attribute attribute) {
        return std::string(xmlText(attribute.value(), mended));
    };
    std::vector<Episode> entries;
    for (const pugi::xml_node ul : document.child("playlist").children("ul")) {
        const pugi::xml_attribute groupName = ul.child("Class").attribute("Name");
        if (!groupName) continue;
        entries.clear();
        for (const pugi::xml_node li : ul.children("li")) {
            const pugi::xml_attribute name = li.attribute("Name");
            const pugi::xml_attribute url = li.attribute("URL");
            if (name && url) entries.push_back({text(name), text(url)});
        }
        // A file of an earlier version, or edited by hand, may hold more.
        addCappedGroup(list, text(groupName), entries);
    }
}

bool SavePlayList(platform::Files& files, const controls::SFPlayList& list, const std::filesystem::path& path) {
    pugi::xml_document document;
    buildPlayList(document, list);
    return files.replace(path, [&](const platform::Files::Sink& put) {
        // The single line the platform's XML object writes: no declaration, no
        // indentation, no byte-order mark; '"', '&' and '<' as entities, '>' as is.
        SinkWriter writer(put);
        document.save(writer, "", pugi::format_raw | pugi::format_no_declaration, pugi::encoding_utf8);
        return writer.ok();
    });
}

}  // namespace fluvane::mainwindow
