#pragma once

#include "platform/platform.h"
#include "windows/frame_lines.h"
#include "windows/window_placement.h"

namespace fluvane::windows {

// What the settings and about windows do alike, over their own designs
// (each derived from DialogDesign): the drag, the hover pictures of the
// window's button and of the close button, the close button and the frame.
template <class Design>
class DialogWindow : public Design {
public:
    // `designArguments` follow the Ui in the design's constructor.
    template <class... DesignArguments>
    explicit DialogWindow(platform::Platform& platform, const DesignArguments&... designArguments)
        : Design(platform.ui, designArguments...), platform_(platform) {
        this->form_->events.resize = [this] { Form_Resize(); };
        this->Image1->events.mouseDown = [this](const platform::MouseEvent& e) { Image1_MouseDown(e); };
        this->Image1->events.mouseMove = [this](const platform::MouseEvent& e) { Image1_MouseMove(e); };
        this->Label1->events.mouseDown = [this](const platform::MouseEvent& e) { Label1_MouseDown(e); };
        this->Image2->events.mouseMove = [this](const platform::MouseEvent& e) { Image2_MouseMove(e); };
        this->Image2->events.click = [this] { Image2_Click(); };
        this->Image5->events.mouseMove = [this](const platform::MouseEvent& e) { Image5_MouseMove(e); };
        this->Image5->events.click = [this] { Image5_Click(); };
        Form_Resize();
    }
    virtual ~DialogWindow() = default;

    // Modeless, owned by `owner` if given; centred on the screen when it
    // first shows, and left where the user put it when shown again.
    void Show(platform::Form* owner) {
        this->form_->setOwner(owner);
        if (!placed_) centreOnScreen(*this->form_, platform_.ui);
        placed_ = true;
        this->form_->show();
    }

    void Form_Resize() {
        const platform::Rect window = this->form_->geometry();
        layOutFrameLines({this->Line1, this->Line2, this->Line3, this->Line4}, {window.width(), window.height()}, 0);
    }
    void Image1_MouseDown(const platform::MouseEvent&) { startWindowDrag(*this->form_); }
    void Label1_MouseDown(const platform::MouseEvent&) { startWindowDrag(*this->form_); }
    // Over the background both buttons show their normal pictures.
    virtual void Image1_MouseMove(const platform::MouseEvent&) {
        this->Image2->setPicture(this->Image3->picture(), false);
        this->Image5->setPicture(this->Image6->picture(), false);
    }
    void Image2_MouseMove(const platform::MouseEvent&) { this->Image2->setPicture(this->Image4->picture(), false); }
    virtual void Image2_Click() = 0;
    void Image5_MouseMove(const platform::MouseEvent&) { this->Image5->setPicture(this->Image7->picture(), false); }
    // Nothing is undone: every change was kept when it was made.
    void Image5_Click() { this->form_->close(); }

protected:
    platform::Platform& platform_;

private:
    bool placed_ = false;
};

}  // namespace fluvane::windows
