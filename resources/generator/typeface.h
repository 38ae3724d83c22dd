#pragma once

#include "image.h"

#include <memory>
#include <string>
#include <string_view>

namespace fluvane::resources::generator {

struct TextStyle {
    int size;  // pixels per em
    std::uint32_t color;
    bool bold = false;
};

// A scalable font read with FreeType. Text is UTF-8.
class Typeface {
public:
    // Throws std::runtime_error when the file cannot be read as a font.
    explicit Typeface(const std::string& fontFile);
    ~Typeface();
    Typeface(const Typeface&) = delete;
    Typeface& operator=(const Typeface&) = delete;

    // The advance width of `text` in whole pixels at scale 1: layouts use it
    // at every scale, so a finer image places its text where a plain one does.
    int width(std::string_view text, const TextStyle& style) const;
    // Draws `text` from `left`, centring the height of a full CJK glyph on
    // `centreY`, so strings of one size share a baseline whatever their letters.
    void draw(Image& image, std::string_view text, const TextStyle& style, double left, double centreY) const;
    // The same, centred horizontally on `centreX`.
    void drawCentred(Image& image, std::string_view text, const TextStyle& style, double centreX, double centreY) const;

private:
    struct Face;
    std::unique_ptr<Face> face_;
};

}  // namespace fluvane::resources::generator
