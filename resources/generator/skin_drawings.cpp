#include "skin_drawings.h"

#include "drawings.h"
#include "glyphs.h"
#include "look.h"
#include "palette.h"
#include "shapes.h"

#include <cmath>

namespace fluvane::resources::generator {

namespace {

// Wider than any screen: the window copies the strips unscaled, never stretched.
constexpr int kStripWidth = 8192;
constexpr int kTitleHeight = 45;
constexpr int kBarHeight = 41;

using Glyph = void (*)(Image&, double cx, double cy, std::uint32_t color);

std::uint32_t glyphColor(Look look) {
    switch (look) {
        case Look::Normal:
            return kGlyph;
        case Look::Hover:
            return kGlyphBright;
        case Look::Pressed:
            return rgb(214, 214, 218);
    }
    return kGlyph;
}

// A title-bar button cell. The buttons sit at window row 2, so the cell's rows
// continue the title strip from there and only rows above the separator show.
Image windowButtonCell(int width, Look look, Glyph glyph, bool closes, int scale) {
    Image cell = rowsOf(titleRow, 2, width, kTitleHeight, scale);
    const int shown = kTitleSeparatorRow - 2;
    if (closes && look != Look::Normal) {
        cell.fill(0, 0, width, shown, look == Look::Hover ? kCloseRed : kCloseRedDeep);
        glyph(cell, width / 2.0, 19, look == Look::Hover ? kWhite : rgb(236, 220, 220));
        return cell;
    }
    if (look == Look::Hover) rect(cell, 0, 0, width, shown, withOpacity(kWhite, 0.09));
    if (look == Look::Pressed) rect(cell, 0, 0, width, shown, withOpacity(kBlack, 0.28));
    glyph(cell, width / 2.0, 19, glyphColor(look));
    return cell;
}

Image windowButton(int width, Glyph glyph, int scale, bool closes = false) {
    return buttonStrip(kThreeLooks, [&](Look look) { return windowButtonCell(width, look, glyph, closes, scale); });
}

void closeGlyph(Image& image, double cx, double cy, std::uint32_t color) { crossGlyph(image, cx, cy, 10, color); }

// A tab cell: icon and label centred. The tabs sit at window row 1; the third
// cell is the selected look, lit and underlined in the accent colour.
Image tabCell(const Typeface& typeface, Look look, Glyph icon, const char* label, int scale) {
    constexpr int kWidth = 116;
    constexpr double kMiddle = 19.5;
    Image cell = rowsOf(titleRow, 1, kWidth, kTitleHeight, scale);
    const int shown = kTitleSeparatorRow - 1;
    if (look == Look::Hover) rect(cell, 0, 0, kWidth, shown, withOpacity(kWhite, 0.06));
    if (look == Look::Pressed) {
        cell.gradient(0, 0, kWidth, shown, rgb(58, 58, 62), rgb(50, 50, 54));
        cell.fill(12, shown - 3, kWidth - 24, 3, kAccent);
    }
    const TextStyle style{14, look == Look::Normal ? rgb(178, 178, 182) : kTextBright};
    const int textWidth = typeface.width(label, style);
    const double left = (kWidth - (16 + 7 + textWidth)) / 2.0;
    icon(cell, std::round(left) + 8, kMiddle, look == Look::Pressed ? kAccent : glyphColor(look));
    typeface.draw(cell, label, style, std::round(left) + 23, kMiddle);
    return cell;
}

Image tab(const Typeface& typeface, Glyph icon, const char* label, int scale) {
    return buttonStrip(kThreeLooks, [&](Look look) { return tabCell(typeface, look, icon, label, scale); });
}

// The logo sits at (8, 9) on the title strip.
Image logo(const Typeface& typeface, int scale) {
    Image image = rowsOf(titleRow, 9, 97, 26, scale);
    brandMark(image, 11.5, 13, 10.5);
    const TextStyle name{15, kTextBright, true};
    typeface.draw(image, "澜映", name, 27, 13);
    typeface.draw(image, "影视", {15, kAccent, true}, 27 + typeface.width("澜映", name), 13);
    return image;
}

Image playlistButtonCell(Look look, int scale) {
    Image cell = rowsOf(bottomBarRow, 0, 19, kBarHeight, scale);
    if (look == Look::Hover) roundRect(cell, 1, 11, 17, 19, 3, withOpacity(kWhite, 0.10));
    if (look == Look::Pressed) roundRect(cell, 1, 11, 17, 19, 3, withOpacity(kBlack, 0.30));
    listGlyph(cell, 9.5, 20.5, look == Look::Pressed ? kAccent : glyphColor(look));
    return cell;
}

// The player's backdrop: the mark on a soft glow that fades into the window's
// own grey at the edges, so it sits in the player area without a visible box.
Image backdrop(const Typeface& typeface, int scale) {
    constexpr int kWidth = 420;
    constexpr int kHeight = 280;
    Image image(kWidth, kHeight, kWindowBack, scale);
    // The glow, one stored pixel at a time.
    for (int y = 0; y < image.pixelHeight(); ++y)
        for (int x = 0; x < image.pixelWidth(); ++x) {
            const double dx = ((x + 0.5) / scale - kWidth / 2.0) / 200.0;
            const double dy = ((y + 0.5) / scale - 120.0) / 118.0;
            const double d = std::sqrt(dx * dx + dy * dy);
            if (d < 1.0) image.setPixel(x, y, mix(kWindowBack, rgb(46, 46, 50), (1 - d) * (1 - d)));
        }
    brandMark(image, kWidth / 2.0, 100, 38);
    typeface.drawCentred(image, "澜映影视", {22, rgb(214, 214, 218), true}, kWidth / 2.0, 168);
    typeface.drawCentred(image, "在片库中选择影片，即可在这里观看", {13, kTextFaint}, kWidth / 2.0, 200);
    return image;
}

}  // namespace

std::vector<SkinImage> skinImages(const Typeface& typeface, int scale) {
    std::vector<SkinImage> images;
    auto add = [&](const char* file, Image image) { images.push_back({file, std::move(image)}); };
    add("biaotilan.jpg", rowsOf(titleRow, 0, kStripWidth, kTitleHeight, scale));
    add("Close.jpg", windowButton(32, closeGlyph, scale, true));
    add("max-1.jpg", windowButton(27, maximiseGlyph, scale));
    add("min.jpg", windowButton(27, minimiseGlyph, scale));
    add("hp.jpg", windowButton(27, feedbackGlyph, scale));
    add("max-2.jpg", windowButton(27, restoreGlyph, scale));
    add("menu.jpg", windowButton(27, menuGlyph, scale));
    add("bf.jpg", tab(typeface, playerGlyph, "播放窗口", scale));
    add("pk.jpg", tab(typeface, homeGlyph, "片库首页", scale));
    add("zb.jpg", tab(typeface, appsGlyph, "应用库", scale));
    add("tv.jpg", tab(typeface, tvGlyph, "应用库", scale));
    add("dibulan.jpg", rowsOf(bottomBarRow, 0, kStripWidth, kBarHeight, scale));
    add("logo.jpg", logo(typeface, scale));
    add("list.jpg", buttonStrip(kThreeLooks, [scale](Look look) { return playlistButtonCell(look, scale); }));
    add("bj.jpg", backdrop(typeface, scale));
    return images;
}

std::vector<Image> skinIconImages() {
    std::vector<Image> images;
    for (int size : {16, 24, 32, 48, 64, 128, 256}) images.push_back(programIcon(size, kTransparent, 1));
    return images;
}

}  // namespace fluvane::resources::generator
