#include "gbk_text.hpp"

namespace portal {

std::string replace_in_gbk(std::string_view text, std::string_view placeholder, std::string_view replacement) {
    std::string out;
    out.reserve(text.size());
    std::size_t i = 0;
    while (i < text.size()) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if (byte >= 0x81 && i + 1 < text.size()) {
            out.append(text.substr(i, 2));
            i += 2;
        } else if (!placeholder.empty() && text.substr(i, placeholder.size()) == placeholder) {
            out.append(replacement);
            i += placeholder.size();
        } else {
            out.push_back(text[i]);
            ++i;
        }
    }
    return out;
}

}  // namespace portal
