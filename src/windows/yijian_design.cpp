#include "windows/yijian_design.h"

namespace fluvane::windows {

namespace {

constexpr platform::Color kBackColor = platform::Color::rgb(64, 64, 64);
constexpr platform::Color kFrame = platform::Color::rgb(90, 90, 94);

}  // namespace

yijianDesign::yijianDesign(platform::Ui& ui) : form_(ui.createForm()) {
    platform::Form& f = *form_;
    f.setCaption("留言求片");
    f.setBackColor(kBackColor);
    f.setShowInTaskbar(false);
    f.setGeometry(platform::Rect::fromSize(0, 0, kDesignWidth, kDesignHeight));

    Image1 = &f.addImage();
    Image1->setVisible(false);
    Image1->setPicture(ui.resourcePicture(kTitlePicture), false);
    Image4 = &f.addImage();
    Image4->setVisible(false);
    Image4->setPicture(ui.resourcePicture(kCloseButtonPicture), false);

    P1 = &f.addSurface();
    P1->setBackColor(kBackColor);
    P1->setGeometry(platform::Rect::fromSize(2, 42, kDesignWidth - 4, kDesignHeight - 42));
    WebBrowser1 = &P1->addBrowser();

    for (platform::Line** line : {&Line1, &Line2, &Line3, &Line4}) {
        *line = &f.addLine();
        (*line)->setColor(kFrame);
    }
    Line5 = &f.addLine();
    Line5->setColor(kFrame);
    Line5->setEnds({0, 41}, {kDesignWidth, 41});

    Button1[0] = &f.addLabel();
    Button1[0]->setBackColor(kBackColor, true);
    Button1[0]->setToolTip("关闭");
}

}  // namespace fluvane::windows
