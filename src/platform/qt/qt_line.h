#pragma once

#include "platform/controls.h"
#include "platform/qt/qt_control.h"

namespace fluvane::platform::qt {

class LineWidget;

// A line control: a mouse-transparent widget spanning the line's two ends.
class QtLine : public QtControl<platform::Line> {
public:
    explicit QtLine(QWidget& parent);

    void setEnds(platform::Point from, platform::Point to) override;
    void setColor(platform::Color color) override;

private:
    LineWidget& line() const;
};

}  // namespace fluvane::platform::qt
