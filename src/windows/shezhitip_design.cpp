#include "windows/shezhitip_design.h"

namespace fluvane::windows {

namespace {

constexpr platform::Color kCard = platform::Color::rgb(46, 46, 46);
constexpr platform::Color kCaptionText = platform::Color::rgb(236, 236, 238);
constexpr int kSwitchLeft = 88;  // pixels
constexpr int kCaptionLeft = 128;
constexpr int kFirstRowTop = 64;
constexpr int kRowPitch = 32;

}  // namespace

shezhitipDesign::shezhitipDesign(platform::Ui& ui) : DialogDesign(ui, "软件设置", kPictures, 196) {
    const std::pair<std::unique_ptr<controls::an>*, platform::Label**> rows[] = {
        {&an1, &Label3}, {&an2, &Label2}, {&an3, &Label4}, {&an4, &Label5}, {&an5, &Label6}};
    int top = kFirstRowTop;
    for (const auto& [button, caption] : rows) {
        platform::Surface& place = form_->addSurface();
        place.setGeometry(platform::Rect::fromSize(kSwitchLeft, top, controls::an::kWidth, controls::an::kHeight));
        *button = std::make_unique<controls::an>(place, ui);
        *caption = &form_->addLabel();
        (*caption)->setGeometry(platform::Rect::fromSize(kCaptionLeft, top, 121, 17));
        (*caption)->setBackColor(kCard, true);
        (*caption)->setForeColor(kCaptionText);
        (*caption)->setFont({"微软雅黑", 9});
        top += kRowPitch;
    }
}

}  // namespace fluvane::windows
