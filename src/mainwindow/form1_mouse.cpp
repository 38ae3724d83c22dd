#include "mainwindow/form1.h"

namespace fluvane::mainwindow {

void Form1::connectMouse() {
    form_->events.mouseMove = [this](const platform::MouseEvent& e) { Form_MouseMove(e); };
    form_->events.doubleClick = [this] { Form_DblClick(); };
    bj->events.doubleClick = [this] { bj_DblClick(); };
    Picture9->events.mouseMove = [this](const platform::MouseEvent&) { Picture9_MouseMove(); };
}

// The bare surface: buttons and tabs go back to rest, and the frame the
// window lacks is simulated, except while it is maximised.
void Form1::Form_MouseMove(const platform::MouseEvent& e) {
    titleBar_.paintTitleButtons();
    if (form_->windowState() != platform::WindowState::Maximized) EdgeResize(*form_, edgeDrag_, e.button, e.x, e.y);
}

void Form1::Form_DblClick() { toggleMaximised(); }

void Form1::bj_DblClick() { toggleMaximised(); }

// The maximised size is bounded by the maximise hook.
void Form1::toggleMaximised() {
    form_->setWindowState(form_->windowState() == platform::WindowState::Normal ? platform::WindowState::Maximized
                                                                                : platform::WindowState::Normal);
}

// Any movement over the strip hands the window to the system's move loop,
// which moves it while a button is held.
void Form1::Picture9_MouseMove() {
    Picture9->releaseCapture();
    form_->sendMessage(platform::msg::SysCommand, platform::syscmd::DragMove, 0);
    resetPointer();
}

void Form1::resetPointer() { form_->setCursor(platform::Cursor::Default); }

}  // namespace fluvane::mainwindow
