#pragma once

#include "controls/property_bag.h"
#include "platform/controls.h"
#include "platform/ui.h"

#include <functional>
#include <memory>
#include <string>

namespace fluvane::controls {

// The skinned on/off switch of the settings window, 33 x 19 pixels, its faces
// cut from the switch sprite (bitmap 104): columns normal, hover, pressed;
// row 0 on, row 19 off. A click flips `Valve` and raises `Click`.
class an {
public:
    static constexpr int kWidth = 33;
    static constexpr int kHeight = 19;
    static constexpr int kSpriteBitmap = 104;

    // A new instance, switched on; `window` keeps the fixed size and holds the face.
    an(platform::Surface& window, platform::Ui& ui);
    ~an();
    an(const an&) = delete;
    an& operator=(const an&) = delete;

    bool Valve() const { return valve_; }
    void setValve(bool value);

    void readProperties(const PropertyBag& bag);
    void writeProperties(PropertyBag& bag) const;

    // The visible face, which receives the mouse.
    platform::Surface& ButtonMain() { return buttonMain_; }

    // Events in their numbering: 1 Click, 2 MouseDown, 3 MouseMove, 4 MouseUp.
    std::function<void()> Click;
    std::function<void(int& Button, int& Shift, float& X, float& Y)> MouseDown;
    std::function<void(int& Button, int& Shift, float& X, float& Y)> MouseMove;
    std::function<void(int& Button, int& Shift, float& X, float& Y)> MouseUp;
    std::function<void(const std::string&)> PropertyChanged;

private:
    enum Face { kNormal = 0, kHover = 33, kPressed = 66 };  // sprite columns

    void Redraw();
    void fixSize();
    void onPaint();
    void onMouseMove(const platform::MouseEvent& e);
    void onMouseDown(const platform::MouseEvent& e);
    void onClick();
    static void raise(const std::function<void(int&, int&, float&, float&)>& event, const platform::MouseEvent& e);

    platform::Surface& window_;
    platform::Surface& buttonMain_;
    std::shared_ptr<platform::Picture> pic_;
    bool valve_ = true;
    Face face_ = kNormal;
};

}  // namespace fluvane::controls
