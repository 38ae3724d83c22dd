#include "mainwindow/form1.h"

#include <algorithm>

namespace fluvane::mainwindow {

namespace {

constexpr int kTabWidth = 116;

}  // namespace

void Form1::Form_Resize() {
    const platform::Rect window = form_->geometry();
    const int width = window.width();
    const int height = window.height();
    Line1->setEnds({0, 0}, {width, 0});
    Line2->setEnds({0, 0}, {0, height});
    Line3->setEnds({width - 1, 0}, {width - 1, height});
    Line4->setEnds({0, height - 1}, {width, height - 1});

    const int paneHeight = std::max(0, height - kTitleHeight);
    const platform::Rect pane = platform::Rect::fromSize(0, kTitleHeight, width, paneHeight);
    const platform::Rect inside = platform::Rect::fromSize(0, 0, width, paneHeight);
    Picture1->setGeometry(pane);
    ListWeb->setGeometry(inside);
    W2->setGeometry(inside);
    Picture2->setGeometry(pane);
    W3->setGeometry(inside);
}

void Form1::paintViewTabs(bool libraryView) {
    const auto paint = [this](platform::Image& strip, int sourceX, int destinationX) {
        if (const auto picture = strip.picture()) {
            form_->canvas().copy(*picture, platform::Rect::fromSize(sourceX, 0, kTabWidth, kTitleHeight),
                                 {destinationX, 1});
        }
    };
    paint(*Image9, libraryView ? 0 : 2 * kTabWidth, kTabWidth);
    paint(*Image10, libraryView ? 2 * kTabWidth : 0, 2 * kTabWidth);
}

}  // namespace fluvane::mainwindow
