#pragma once

#include "platform/messages.h"

#include <QObject>
#include <QPoint>
#include <QRect>

class QEventLoop;
class QWidget;

namespace fluvane::platform::qt {

// The move and size loops of a borderless window, run by the platform because
// the window manager's own loops would tell the window procedures nothing. As
// on the original platform the loop is modal: the window takes the mouse and
// `run` returns only when the left button is released, every pointer move
// meanwhile proposing a rectangle through Moving (or Sizing, with the edge
// being dragged) that the procedures may rewrite. Other events, timers among
// them, go on meanwhile.
class QtMoveLoop : public QObject {
public:
    QtMoveLoop(QWidget& window, platform::WindowProcedure send);
    ~QtMoveLoop() override;

    // EnterSizeMove, the moves, ExitSizeMove; nothing unless the left button
    // is held. `edge`: one of platform::sizing to resize by that edge, 0 to move.
    void run(std::uintptr_t edge = 0);
    // The window is going: the loop ends at once, telling the procedures nothing more.
    void abandon();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void moveTo(const QPoint& cursor);
    void stop();

    QWidget& window_;
    platform::WindowProcedure send_;
    bool active_ = false;
    bool abandoned_ = false;
    bool takingRelease_ = false;    // the release that ended the loop is on its way to a widget
    QEventLoop* events_ = nullptr;  // the nested loop while one runs
    std::uintptr_t edge_ = 0;
    QPoint startCursor_;
    QRect startGeometry_;
};

}  // namespace fluvane::platform::qt
