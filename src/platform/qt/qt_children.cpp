#include "platform/qt/qt_children.h"

#include "platform/qt/qt_browser.h"
#include "platform/qt/qt_image.h"
#include "platform/qt/qt_label.h"
#include "platform/qt/qt_line.h"
#include "platform/qt/qt_surface.h"

namespace fluvane::platform::qt {

QtChildren::QtChildren(QWidget& parent, QtWebContext& web) : parent_(parent), web_(web) {}

// Later children first, as a window destroys its children.
QtChildren::~QtChildren() {
    while (!controls_.empty()) controls_.pop_back();
}

template <class Control>
Control& QtChildren::keep(std::unique_ptr<Control> control) {
    Control& result = *control;
    controls_.push_back(std::move(control));
    return result;
}

platform::Surface& QtChildren::addSurface() {
    return keep(std::make_unique<QtSurface>(parent_, web_));
}
platform::Label& QtChildren::addLabel() { return keep(std::make_unique<QtLabel>(parent_)); }
platform::Image& QtChildren::addImage() { return keep(std::make_unique<QtImage>(parent_)); }
platform::Line& QtChildren::addLine() { return keep(std::make_unique<QtLine>(parent_)); }
platform::BrowserPane& QtChildren::addBrowser() {
    return keep(std::make_unique<QtBrowserPane>(parent_, web_));
}

}  // namespace fluvane::platform::qt
