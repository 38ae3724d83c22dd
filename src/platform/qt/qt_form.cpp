#include "platform/qt/qt_form.h"

#include "platform/qt/qt_browser.h"
#include "platform/qt/qt_icon.h"
#include "platform/qt/qt_move_loop.h"
#include "platform/qt/qt_trace.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QIcon>
#include <QPixmap>
#include <QRegion>
#include <QScreen>
#include <QWindow>

#include <algorithm>
#include <cmath>
#include <functional>
#include <utility>

namespace fluvane::platform::qt {

namespace {

platform::WindowHandle nextHandle() {
    static platform::WindowHandle last = 0;
    return ++last;
}

// The region of a rounded rectangle, row by row: each row of a corner is
// inset to where the corner's ellipse crosses the row's middle. Rows of equal
// inset go in as one rectangle.
QRegion roundedRegion(const platform::RoundedRect& shape) {
    const QRect rect = toQRect(shape.rect);
    const double rx = std::max(shape.corner.width, 0) / 2.0;
    const double ry = std::max(shape.corner.height, 0) / 2.0;
    if (rx <= 0 || ry <= 0) return QRegion(rect);
    const auto insetOf = [&](int y) {
        const double middle = y + 0.5;
        const double fromEdge = std::min(middle - rect.top(), rect.bottom() + 1 - middle);
        if (fromEdge >= ry) return 0;
        const double dy = (ry - fromEdge) / ry;
        return static_cast<int>(std::lround(rx - rx * std::sqrt(1.0 - dy * dy)));
    };
    QRegion region;
    int bandTop = rect.top();
    for (int y = rect.top(); y <= rect.bottom(); ++y) {
        if (y < rect.bottom() && insetOf(y + 1) == insetOf(bandTop)) continue;
        const int inset = insetOf(bandTop);
        region += QRect(rect.left() + inset, bandTop, rect.width() - 2 * inset, y - bandTop + 1);
        bandTop = y + 1;
    }
    return region;
}

constexpr std::uintptr_t kCommandMask = 0xFFF0;
// A size command carries the edge being dragged in its low bits.
constexpr std::uintptr_t kEdgeMask = 0x000F;

}  // namespace

void QtOpenForms::closed() {
    if (--open_ == 0) QCoreApplication::quit();
}

// The top-level widget of a form: frameless, children at absolute positions.
class FormWidget : public SurfaceWidget {
public:
    FormWidget();

    // The window manager asks the window to close.
    std::function<void()> closeRequested;
    std::function<void()> stateChanged;

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    bool painted_ = false;
};

// Tooltips show over an inactive window too, as the original platform's do.
FormWidget::FormWidget() : SurfaceWidget(nullptr, Qt::Window | Qt::FramelessWindowHint) {
    setAttribute(Qt::WA_AlwaysShowToolTips);
}

// The form decides through its window procedures; a close goes the same way
// as one the logic asks for.
void FormWidget::closeEvent(QCloseEvent* event) {
    event->ignore();
    if (closeRequested) closeRequested();
}

void FormWidget::changeEvent(QEvent* event) {
    SurfaceWidget::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange && stateChanged) stateChanged();
}

void FormWidget::paintEvent(QPaintEvent* event) {
    SurfaceWidget::paintEvent(event);
    if (!painted_) {
        painted_ = true;
        if (const auto& hook = traceHooks().firstPaint) hook(toStdString(windowTitle()));
    }
}

QtForm::QtForm(QtWebContext& web, QtOpenForms& openForms)
    : QtSurfaceBase(new FormWidget, web),
      handle_(nextHandle()),
      procedure_([this](std::uint32_t message, std::uintptr_t wParam, std::intptr_t lParam) {
          return defaultProcedure(message, wParam, lParam);
      }),
      moveLoop_(new QtMoveLoop(form(), [this](std::uint32_t message, std::uintptr_t wParam,
                                              std::intptr_t lParam) { return sendMessage(message, wParam, lParam); })),
      openForms_(openForms) {
    openForms_.opened();
    form().closeRequested = [this] { sendMessage(platform::msg::SysCommand, platform::syscmd::Close, 0); };
    form().stateChanged = [this] { noticeWindowManagerState(); };
}

QtForm::~QtForm() {
    *closedFlag_ = true;
    delete moveLoop_;
    if (!closed_) openForms_.forgotten();
}

FormWidget& QtForm::form() const { return static_cast<FormWidget&>(surface()); }

std::string QtForm::caption() const { return toStdString(form().windowTitle()); }

void QtForm::setCaption(const std::string& text) { form().setWindowTitle(toQString(text)); }

void QtForm::setIcon(std::shared_ptr<platform::Picture> icon) { form().setWindowIcon(icon ? iconOf(*icon) : QIcon()); }

void QtForm::setOwner(platform::Form* owner) {
    auto* ownerForm = dynamic_cast<QtForm*>(owner);
    form().winId();
    if (ownerForm) ownerForm->form().winId();
    form().windowHandle()->setTransientParent(ownerForm ? ownerForm->form().windowHandle() : nullptr);
}

// Changing a window's flags hides it; a shown window is shown again.
void QtForm::setWindowFlag(Qt::WindowType flag, bool on) {
    const bool shown = form().isVisible();
    form().setWindowFlag(flag, on);
    if (shown) form().show();
}

void QtForm::setTopmost(bool topmost) { setWindowFlag(Qt::WindowStaysOnTopHint, topmost); }

void QtForm::setShowInTaskbar(bool show) { setWindowFlag(Qt::Tool, !show); }

void QtForm::setRegion(std::optional<platform::RoundedRect> region) {
    if (region) {
        form().setMask(roundedRegion(*region));
    } else {
        form().clearMask();
    }
}

void QtForm::setAlpha(int alpha) {
    const bool wasShown = visible();
    alpha_ = std::clamp(alpha, 0, 255);
    form().setWindowOpacity(alpha_ / 255.0);
    setVisible(wasShown);
}

void QtForm::setWindowState(platform::WindowState state) {
    if (closed_ || state == state_) return;
    const auto alive = lifetime();
    const QSize before = form().size();
    changingState_ = true;
    applyState(state);
    // A new size raised it already, and its handler may have destroyed the form.
    if (alive.expired()) return;
    changingState_ = false;
    if (form().size() == before) raiseEvent(events.resize);
}

void QtForm::applyState(platform::WindowState state) {
    using platform::WindowState;
    // Whatever the way out of the normal state, restoring comes back here.
    if (state_ == WindowState::Normal) normalGeometry_ = form().geometry();
    switch (state) {
        case WindowState::Minimized:
            stateBeforeMinimize_ = state_;
            state_ = WindowState::Minimized;
            form().showMinimized();
            break;
        case WindowState::Maximized:
            maximize();
            break;
        case WindowState::Normal: {
            const bool minimized = state_ == WindowState::Minimized;
            const bool zoomed =
                state_ == WindowState::Maximized || (minimized && stateBeforeMinimize_ == WindowState::Maximized);
            // The resize handlers read the state the window is going to.
            state_ = WindowState::Normal;
            if (minimized) form().showNormal();
            if (zoomed) setGeometry(fromQRect(normalGeometry_));
            break;
        }
    }
}

// The procedures decide the maximised place; the proposal is the whole
// screen, as the original platform's is for a window without a frame.
void QtForm::maximize() {
    if (state_ == platform::WindowState::Minimized) form().showNormal();
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    platform::MinMaxInfo info;
    info.maxSize = {screen.width(), screen.height()};
    info.maxPosition = {screen.x(), screen.y()};
    info.maxTrackSize = info.maxSize;
    const auto alive = lifetime();
    sendMessage(platform::msg::GetMinMaxInfo, 0, reinterpret_cast<std::intptr_t>(&info));
    if (alive.expired()) return;
    state_ = platform::WindowState::Maximized;
    setGeometry(platform::Rect::fromSize(info.maxPosition.x, info.maxPosition.y, info.maxSize.x, info.maxSize.y));
}

// Restoring a minimised window brings back the state it had before.
void QtForm::restore() {
    using platform::WindowState;
    const bool wasZoomed = state_ == WindowState::Minimized && stateBeforeMinimize_ == WindowState::Maximized;
    setWindowState(wasZoomed ? WindowState::Maximized : WindowState::Normal);
}

// The window manager minimised or restored the window: the form follows,
// and is told as it is when the logic changes the state.
void QtForm::noticeWindowManagerState() {
    using platform::WindowState;
    if (changingState_) return;
    if (form().isMinimized() && state_ != WindowState::Minimized) {
        if (state_ == WindowState::Normal) normalGeometry_ = form().geometry();
        stateBeforeMinimize_ = state_;
        state_ = WindowState::Minimized;
    } else if (!form().isMinimized() && state_ == WindowState::Minimized) {
        state_ = stateBeforeMinimize_;
    } else {
        return;
    }
    raiseEvent(events.resize);
}

void QtForm::setForeground() {
    form().raise();
    form().activateWindow();
}

bool QtForm::visible() const { return shownTransparent_ || !form().isHidden(); }

void QtForm::setVisible(bool visible) {
    shownTransparent_ = visible && alpha_ == 0;
    form().setVisible(visible && alpha_ > 0);
}

// A destroyed window never comes back.
void QtForm::show() {
    if (!closed_) setVisible(true);
}

void QtForm::hide() { setVisible(false); }

void QtForm::close() {
    if (closed_) return;
    const auto alive = lifetime();
    raiseEvent(formEvents.unload);
    // The unload handler may have destroyed or closed the form already.
    if (alive.expired() || closed_) return;
    sendMessage(platform::msg::Destroy, 0, 0);
    if (alive.expired() || closed_) return;
    // Capture held by any control of the window ends with it.
    if (QWidget* grabber = QWidget::mouseGrabber(); grabber && (grabber == &form() || form().isAncestorOf(grabber))) {
        grabber->releaseMouse();
    }
    setVisible(false);
    releaseBrowserPanes(form());
    closed_ = true;
    *closedFlag_ = true;
    moveLoop_->abandon();
    openForms_.closed();
}

platform::WindowProcedure QtForm::replaceProcedure(platform::WindowProcedure procedure) {
    return std::exchange(procedure_, std::move(procedure));
}

std::intptr_t QtForm::sendMessage(std::uint32_t message, std::uintptr_t wParam, std::intptr_t lParam) {
    // A destroyed window gets no messages.
    if (closed_) return 0;
    // A procedure may replace itself while it runs.
    const platform::WindowProcedure current = procedure_;
    return current ? current(message, wParam, lParam) : 0;
}

std::intptr_t QtForm::defaultProcedure(std::uint32_t message, std::uintptr_t wParam, std::intptr_t) {
    switch (message) {
        case platform::msg::SysCommand:
            systemCommand(wParam);
            return 0;
        case platform::msg::Moving:
        case platform::msg::Sizing:
            return 1;
        default:
            return 0;
    }
}

void QtForm::systemCommand(std::uintptr_t command) {
    // The loops return when they end; the form may be gone by then.
    switch (command & kCommandMask) {
        case platform::syscmd::Move:
            moveLoop_->run();
            break;  // DragMove too: 0xF012 & 0xFFF0
        case platform::syscmd::Size:
            if (command & kEdgeMask) moveLoop_->run(command & kEdgeMask);
            break;
        case platform::syscmd::Close:
            close();
            break;
        case platform::syscmd::Minimize:
            setWindowState(platform::WindowState::Minimized);
            break;
        case platform::syscmd::Maximize:
            setWindowState(platform::WindowState::Maximized);
            break;
        case platform::syscmd::Restore:
            restore();
            break;
        default:
            break;
    }
}

}  // namespace fluvane::platform::qt
