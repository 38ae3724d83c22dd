#pragma once

#include "platform/messages.h"

#include <QObject>
#include <QPoint>
#include <QRect>

class QWidget;

namespace fluvane::platform::qt {

// The move and size loops of a borderless window, run by the platform because
// the window manager's own loops would tell the window procedures nothing: the
// window takes the mouse and, until the button is released, every pointer
// move proposes a rectangle through Moving (or Sizing, with the edge being
// dragged) that the procedures may rewrite.
class QtMoveLoop : public QObject {
public:
    QtMoveLoop(QWidget& window, platform::WindowProcedure send);
    ~QtMoveLoop() override;

    // Nothing happens unless a mouse button is held. `edge`: one of
    // platform::sizing to resize by that edge, 0 to move.
    void start(std::uintptr_t edge = 0);
    bool active() const { return active_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void moveTo(const QPoint& cursor);
    void finish();

    QWidget& window_;
    platform::WindowProcedure send_;
    bool active_ = false;
    std::uintptr_t edge_ = 0;
    QPoint startCursor_;
    QRect startGeometry_;
};

}  // namespace fluvane::platform::qt
