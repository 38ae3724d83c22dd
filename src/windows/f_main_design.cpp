#include "windows/f_main_design.h"

namespace fluvane::windows {

namespace {

constexpr platform::Color kTitleStrip = platform::Color::rgb(40, 40, 43);
constexpr platform::Color kContent = platform::Color::rgb(30, 30, 32);
constexpr platform::Color kFrame = platform::Color::rgb(90, 90, 94);
constexpr int kCloseSize = 24;
constexpr int kCloseMargin = 8;

platform::Image& addHolder(platform::Form& form, platform::Ui& ui, int picture) {
    platform::Image& image = form.addImage();
    image.setVisible(false);
    image.setPicture(ui.resourcePicture(picture), false);
    return image;
}

}  // namespace

fMainDesign::fMainDesign(platform::Ui& ui) : form_(ui.createForm()) {
    platform::Form& f = *form_;
    f.setShowInTaskbar(false);
    f.setBackColor(kTitleStrip);
    f.setGeometry(platform::Rect::fromSize(0, 0, kDesignWidth, kDesignHeight));

    i2 = &addHolder(f, ui, kCloseNormalPicture);
    i3 = &addHolder(f, ui, kCloseHoverPicture);

    P1 = &f.addSurface();
    P1->setBackColor(kContent);
    w = &P1->addBrowser();

    P = &f.addSurface();
    P->setBackColor(kTitleStrip);
    P->setGeometry(platform::Rect::fromSize(1, 1, kDesignWidth - 2, kTitleHeight));
    I1 = &P->addImage();
    I1->setGeometry(platform::Rect::fromSize(kDesignWidth - 2 - kCloseSize - kCloseMargin,
                                             (kTitleHeight - kCloseSize) / 2, kCloseSize, kCloseSize));
    I1->setPicture(i2->picture(), false);

    for (platform::Line** line : {&Line1, &Line2, &Line3, &Line4}) {
        *line = &f.addLine();
        (*line)->setColor(kFrame);
    }
}

}  // namespace fluvane::windows
