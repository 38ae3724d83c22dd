#pragma once

#include "platform/form.h"
#include "platform/qt/qt_controls.h"

namespace fluvane::platform::qt {

// A program ends when the last of its forms has been closed, as programs of
// the system's original platform do: hidden forms still count as open.
class QtOpenForms {
public:
    void opened() { ++open_; }
    void closed();
    // A form destroyed without being closed leaves without ending anything.
    void forgotten() { --open_; }

private:
    int open_ = 0;
};

class FormWidget;
class QtMoveLoop;

class QtForm : public QtSurfaceBase<platform::Form> {
public:
    QtForm(QtWebContext& web, QtOpenForms& openForms);
    ~QtForm() override;

    platform::WindowHandle handle() const override { return handle_; }
    std::string caption() const override;
    void setCaption(const std::string& text) override;
    void setIcon(std::shared_ptr<platform::Picture> icon) override;
    void setOwner(platform::Form* owner) override;
    void setTopmost(bool topmost) override;
    void setShowInTaskbar(bool show) override;
    void setRegion(std::optional<platform::RoundedRect> region) override;
    void setAlpha(int alpha) override;
    platform::WindowState windowState() const override { return state_; }
    void setWindowState(platform::WindowState state) override;
    void setForeground() override;

    bool visible() const override;
    void setVisible(bool visible) override;
    void show() override;
    void hide() override;
    void close() override;

    platform::WindowProcedure replaceProcedure(platform::WindowProcedure procedure) override;
    std::intptr_t sendMessage(std::uint32_t message, std::uintptr_t wParam, std::intptr_t lParam) override;

    // True from the close on, for the window's timers, which may outlive it.
    std::shared_ptr<const bool> closedFlag() const { return closedFlag_; }

private:
    FormWidget& form() const;
    std::intptr_t defaultProcedure(std::uint32_t message, std::uintptr_t wParam, std::intptr_t lParam);
    void systemCommand(std::uintptr_t command);
    void applyState(platform::WindowState state);
    void maximize();
    void restore();
    void setWindowFlag(Qt::WindowType flag, bool on);
    void noticeWindowManagerState();

    platform::WindowHandle handle_;
    platform::WindowProcedure procedure_;
    platform::WindowState state_ = platform::WindowState::Normal;
    platform::WindowState stateBeforeMinimize_ = platform::WindowState::Normal;
    QRect normalGeometry_;
    QtMoveLoop* moveLoop_;
    QtOpenForms& openForms_;
    bool closed_ = false;
    std::shared_ptr<bool> closedFlag_ = std::make_shared<bool>(false);
    // The form changes its own state: what the window system reports meanwhile is its echo.
    bool changingState_ = false;
    int alpha_ = 255;
    // Shown while fully transparent: kept off the screen, since without a
    // compositor an X server would draw it opaque.
    bool shownTransparent_ = false;
};

}  // namespace fluvane::platform::qt
