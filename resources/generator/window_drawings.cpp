#include "window_drawings.h"

#include "glyphs.h"
#include "look.h"
#include "palette.h"
#include "shapes.h"

namespace fluvane::resources::generator {

namespace {

// --- Main window: playlist panel, splitter, bottom bar ---------------------

// The panel header; the clear button (31 x 31 at x 219) shows the top-left
// 21 x 31 of its cells over it, so both centre their content on row 22.
constexpr double kHeaderMiddle = 22;

Image panelHeader(const Typeface& typeface, int scale) {
    Image image(261, 45, kPanelBack, scale);
    roundRect(image, 12, kHeaderMiddle - 7, 3, 14, 1.5, kAccent);
    typeface.draw(image, "播放列表", {14, rgb(214, 214, 218)}, 22, kHeaderMiddle);
    image.fill(0, 44, 261, 1, rgb(40, 40, 42));
    return image;
}

Image clearButtonCell(Look look, int scale) {
    Image cell(21, 45, kPanelBack, scale);
    if (look == Look::Hover) roundRect(cell, 0.5, kHeaderMiddle - 9.5, 20, 19, 4, rgb(50, 50, 54));
    if (look == Look::Pressed) roundRect(cell, 0.5, kHeaderMiddle - 9.5, 20, 19, 4, rgb(36, 36, 39));
    const std::uint32_t color = look == Look::Normal ? rgb(150, 150, 154) : look == Look::Hover ? kWhite : kAccent;
    trashGlyph(cell, 10.5, kHeaderMiddle, color);
    return cell;
}

// The splitter's columns; the handle repeats them so its corners blend in.
Image splitterColumns(int height, int scale) {
    Image image(10, height, rgb(36, 36, 39), scale);
    image.fill(0, 0, 1, height, kSeparator);
    image.fill(9, 0, 1, height, kSeparator);
    return image;
}

// Handle cells, normal then hover. The arrow points where a click moves the
// panel: right (away) while it is shown, left (back) while it is hidden.
Image handle(bool panelShown, int scale) {
    return buttonStrip({Look::Normal, Look::Hover}, [&](Look look) {
        Image cell = splitterColumns(128, scale);
        const bool hover = look == Look::Hover;
        roundRect(cell, 1, 0.5, 8, 127, 3, hover ? rgb(82, 82, 88) : rgb(62, 62, 68));
        for (double y : {50.0, 78.0})
            stroke(cell, {3.5, y}, {6.5, y}, 1.0, hover ? rgb(130, 130, 136) : rgb(96, 96, 102));
        arrowGlyph(cell, 5, 64, panelShown, hover ? kAccent : rgb(206, 206, 210));
        return cell;
    });
}

// The update icon sits at (4, 16) on the bottom bar.
Image updateIcon(bool hover, int scale) {
    Image image = rowsOf(bottomBarRow, 16, 12, 12, scale);
    smoothDisc(image, 6, 6, 6, hover ? kAccent : rgb(92, 92, 97));
    upArrowGlyph(image, 6, 6, 7, kWhite);
    return image;
}

// --- Side float window -------------------------------------------------------

Image floatClose(bool hover, int scale) {
    Image image(24, 24, kDialogTitle, scale);
    if (hover) roundRect(image, 1, 1, 22, 22, 4, kCloseRed);
    crossGlyph(image, 12, 12, 8, hover ? kWhite : kGlyph);
    return image;
}

// --- Settings and about windows ---------------------------------------------
// Both are 391 x 271 with the background at (0, 0): a 40-row title bar (the
// title itself is the window's label at (16, 8)) over a body with a card. The
// close picture belongs at (348, 7). The settings window's switches, captions
// and save button (picture at (256, 196)) lie on its card; the about window's
// card holds the product's name, and its link row and OK button (picture at
// (256, 204)) lie on the body below.

constexpr int kDialogWidth = 390;
constexpr int kDialogHeight = 270;
constexpr int kDialogTitleRows = 40;
constexpr double kButtonMiddle = 43;  // of the visible button in its picture

Image dialogBackground(int cardHeight, int scale) {
    Image image(kDialogWidth, kDialogHeight, kDialogBody, scale);
    image.fill(0, 0, kDialogWidth, kDialogTitleRows, kDialogTitle);
    image.fill(0, kDialogTitleRows, kDialogWidth, 1, kSeparator);
    roundRect(image, 12, 52, 366, cardHeight, 6, kCard);
    roundFrame(image, 12, 52, 366, cardHeight, 6, 1, kCardEdge);
    return image;
}

Image settingsBackground(const Typeface& typeface, int scale) {
    Image image = dialogBackground(210, scale);
    // Each switch lies at (88, 64 + 32 n), 19 high; its caption label follows at x 128.
    const char* rows[] = {"关闭按钮", "开机启动", "最小化时", "启动显示", "软件升级"};
    const TextStyle style{13, kTextDim};
    for (int n = 0; n < 5; ++n)
        typeface.draw(image, rows[n], style, 76 - typeface.width(rows[n], style), 64 + 32 * n + 9.5);
    typeface.draw(image, "更改即时保存，下次启动生效", {12, kTextFaint}, 28, 196 + kButtonMiddle);
    return image;
}

Image aboutBackground(const Typeface& typeface, int scale) {
    Image image = dialogBackground(118, scale);
    brandMark(image, 52, 97, 24);
    typeface.draw(image, "澜映影视", {22, kTextBright, true}, 90, 85);
    typeface.draw(image, "在线视频客户端", {13, kTextDim}, 90, 111);
    typeface.draw(image, "浏览片库 · 在线播放 · 播放列表 · 桌面快捷方式", {12, kTextFaint}, 28, 148);
    // The link label (blue, at (176, 184), 169 x 17) reads on a light field.
    const TextStyle site{13, kTextDim};
    typeface.draw(image, "官方网站：", site, 168 - typeface.width("官方网站：", site), 192.5);
    roundRect(image, 172, 182, 178, 21, 3, rgb(226, 226, 230));
    typeface.draw(image, "版权所有 © 澜映软件", {12, kTextFaint}, 24, 204 + kButtonMiddle);
    return image;
}

// A button picture: an accent button with its label, on the colour it lies on.
Image dialogButton(const Typeface& typeface, const char* label, std::uint32_t background, bool hover, int scale) {
    Image image(118, 64, background, scale);
    roundRect(image, 11, kButtonMiddle - 13.5, 96, 30, 5, withOpacity(kBlack, 0.35));
    roundRect(image, 11, kButtonMiddle - 15, 96, 30, 5, hover ? kAccentLight : kAccentDeep);
    typeface.drawCentred(image, label, {14, kWhite, true}, 59, kButtonMiddle);
    return image;
}

Image dialogClose(bool hover, int scale) {
    Image image(38, 26, kDialogTitle, scale);
    if (hover) roundRect(image, 2, 1, 34, 24, 4, kCloseRed);
    crossGlyph(image, 19, 13, 9, hover ? kWhite : kGlyph);
    return image;
}

// --- Feedback window ---------------------------------------------------------
// The title strip is copied from (0, 0); the window prints its caption at
// (26, 12) and copies a close frame to (width - 32, 6).

Image feedbackTitle(int scale) {
    Image image = rowsOf(titleRow, 0, 3000, 45, scale);
    brandMark(image, 13.5, 20, 7.5);
    return image;
}

Image feedbackClose(int scale) {
    return buttonStrip(kThreeLooks, [scale](Look look) {
        Image cell = rowsOf(titleRow, 6, 32, 25, scale);
        if (look != Look::Normal) roundRect(cell, 3, 2, 26, 22, 4, look == Look::Hover ? kCloseRed : kCloseRedDeep);
        crossGlyph(cell, 16, 13.5, 9, look == Look::Normal ? kGlyph : kWhite);
        return cell;
    });
}

}  // namespace

std::vector<StoredPicture> windowPictures(const Typeface& typeface, int scale) {
    std::vector<StoredPicture> pictures;
    auto add = [&](int id, Image image) { pictures.push_back({id, std::move(image)}); };
    add(301, panelHeader(typeface, scale));
    add(302, buttonStrip(kThreeLooks, [scale](Look look) { return clearButtonCell(look, scale); }));
    add(303, splitterColumns(148, scale));
    add(304, handle(true, scale));
    add(305, handle(false, scale));
    add(306, updateIcon(false, scale));
    add(307, updateIcon(true, scale));
    add(311, floatClose(false, scale));
    add(312, floatClose(true, scale));
    add(321, settingsBackground(typeface, scale));
    add(322, dialogButton(typeface, "保存设置", kCard, false, scale));
    add(323, dialogButton(typeface, "保存设置", kCard, true, scale));
    add(324, aboutBackground(typeface, scale));
    add(325, dialogButton(typeface, "确定", kDialogBody, false, scale));
    add(326, dialogButton(typeface, "确定", kDialogBody, true, scale));
    add(327, dialogClose(false, scale));
    add(328, dialogClose(true, scale));
    add(331, feedbackTitle(scale));
    add(332, feedbackClose(scale));
    return pictures;
}

}  // namespace fluvane::resources::generator
