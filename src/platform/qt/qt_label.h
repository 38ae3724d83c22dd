#pragma once

#include "platform/controls.h"
#include "platform/qt/qt_control.h"

class QLabel;

namespace fluvane::platform::qt {

class QtLabel : public QtControl<platform::Label> {
public:
    explicit QtLabel(QWidget& parent);

    std::string caption() const override;
    void setCaption(const std::string& text) override;
    void setForeColor(platform::Color color) override;
    void setBackColor(platform::Color color, bool transparent) override;
    void setFont(const platform::Font& font) override;

private:
    QLabel& label() const;
};

}  // namespace fluvane::platform::qt
