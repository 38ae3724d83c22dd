#include "platform/qt/qt_line.h"

#include <QPainter>

#include <algorithm>

namespace fluvane::platform::qt {

class LineWidget : public QWidget {
public:
    explicit LineWidget(QWidget& parent) : QWidget(&parent) {
        setAttribute(Qt::WA_TransparentForMouseEvents);
    }

    QPoint from, to;  // relative to the widget
    QColor color = Qt::black;

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setPen(QPen(color, 0));
        painter.drawLine(from, to);
    }
};

QtLine::QtLine(QWidget& parent) : QtControl(new LineWidget(parent), false) {
    line().setGeometry(0, 0, 0, 0);
    line().show();
}

LineWidget& QtLine::line() const { return static_cast<LineWidget&>(*widget()); }

void QtLine::setEnds(platform::Point from, platform::Point to) {
    const QPoint origin(std::min(from.x, to.x), std::min(from.y, to.y));
    line().from = toQPoint(from) - origin;
    line().to = toQPoint(to) - origin;
    setGeometry({origin.x(), origin.y(), std::max(from.x, to.x) + 1, std::max(from.y, to.y) + 1});
    line().update();
}

void QtLine::setColor(platform::Color color) {
    line().color = toQColor(color);
    line().update();
}

}  // namespace fluvane::platform::qt
