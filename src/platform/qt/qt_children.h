#pragma once

#include "platform/controls.h"

#include <memory>
#include <vector>

class QWidget;

namespace fluvane::platform::qt {

class QtWebContext;

// The controls of a container, created on its widget and owned by it.
class QtChildren {
public:
    QtChildren(QWidget& parent, QtWebContext& web);
    ~QtChildren();
    QtChildren(const QtChildren&) = delete;
    QtChildren& operator=(const QtChildren&) = delete;

    platform::Surface& addSurface();
    platform::Label& addLabel();
    platform::Image& addImage();
    platform::Line& addLine();
    platform::BrowserPane& addBrowser();

private:
    template <class Control>
    Control& keep(std::unique_ptr<Control> control);

    QWidget& parent_;
    QtWebContext& web_;
    std::vector<std::unique_ptr<platform::Control>> controls_;
};

}  // namespace fluvane::platform::qt
