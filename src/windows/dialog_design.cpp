#include "windows/dialog_design.h"

namespace fluvane::windows {

namespace {

constexpr platform::Color kBody = platform::Color::rgb(30, 30, 32);
constexpr platform::Color kFrame = platform::Color::rgb(72, 72, 76);
constexpr platform::Color kTitleText = platform::Color::rgb(255, 255, 255);

platform::Image& addHolder(platform::Form& form, platform::Ui& ui, int picture) {
    platform::Image& image = form.addImage();
    image.setVisible(false);
    image.setPicture(ui.resourcePicture(picture), false);
    return image;
}

platform::Image& addPicture(platform::Form& form, platform::Rect place, std::shared_ptr<platform::Picture> picture) {
    platform::Image& image = form.addImage();
    image.setGeometry(place);
    image.setPicture(std::move(picture), false);
    return image;
}

}  // namespace

DialogDesign::DialogDesign(platform::Ui& ui, const std::string& title, const DialogPictures& pictures, int buttonTop)
    : form_(ui.createForm()) {
    platform::Form& f = *form_;
    f.setCaption(title);
    f.setShowInTaskbar(false);
    f.setBackColor(kBody);
    f.setGeometry(platform::Rect::fromSize(0, 0, kDesignWidth, kDesignHeight));

    Image3 = &addHolder(f, ui, pictures.buttonNormal);
    Image4 = &addHolder(f, ui, pictures.buttonHover);
    Image6 = &addHolder(f, ui, pictures.closeNormal);
    Image7 = &addHolder(f, ui, pictures.closeHover);

    Image1 = &addPicture(f, platform::Rect::fromSize(0, 0, 390, 270), ui.resourcePicture(pictures.background));
    Label1 = &f.addLabel();
    Label1->setGeometry(platform::Rect::fromSize(16, 8, 73, 25));
    Label1->setBackColor(kBody, true);
    Label1->setForeColor(kTitleText);
    Label1->setFont({"微软雅黑", 12});
    Label1->setCaption(title);
    Image2 = &addPicture(f, platform::Rect::fromSize(256, buttonTop, 118, 64), Image3->picture());
    Image5 = &addPicture(f, platform::Rect::fromSize(348, 7, 38, 26), Image6->picture());

    for (platform::Line** line : {&Line1, &Line2, &Line3, &Line4}) {
        *line = &f.addLine();
        (*line)->setColor(kFrame);
    }
}

}  // namespace fluvane::windows
