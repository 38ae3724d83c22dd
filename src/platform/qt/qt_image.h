#pragma once

#include "platform/controls.h"
#include "platform/qt/qt_control.h"

class QLabel;

namespace fluvane::platform::qt {

class QtImage : public QtControl<platform::Image> {
public:
    explicit QtImage(QWidget& parent);

    std::shared_ptr<platform::Picture> picture() const override { return picture_; }
    void setPicture(std::shared_ptr<platform::Picture> picture, bool stretch) override;

private:
    QLabel& label() const;

    std::shared_ptr<platform::Picture> picture_;
};

}  // namespace fluvane::platform::qt
