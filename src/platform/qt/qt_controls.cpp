#include "platform/qt/qt_controls.h"

#include "platform/qt/qt_browser.h"

#include <QLabel>
#include <QPainter>
#include <QPixmap>

#include <algorithm>

namespace fluvane::platform::qt {

SurfaceWidget::SurfaceWidget(QWidget* parent, Qt::WindowFlags flags)
    : QWidget(parent, flags), backColor_(palette().color(QPalette::Button)) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

QImage& SurfaceWidget::backing() {
    const int scale = canvasScale(devicePixelRatio());
    if (backing_.size() != size() * scale || scaleOf(backing_) != scale) {
        const QImage previous = backing_;
        resetBacking();
        QPainter painter(&backing_);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.drawImage(0, 0, previous);
    }
    return backing_;
}

void SurfaceWidget::resetBacking() {
    const int scale = canvasScale(devicePixelRatio());
    backing_ = QImage(size() * scale, QImage::Format_RGB32);
    backing_.setDevicePixelRatio(scale);
    backing_.fill(backColor_);
    if (!picture_.isNull()) {
        QPainter painter(&backing_);
        painter.drawImage(0, 0, picture_);
    }
    needsPaint_ = true;
}

void SurfaceWidget::setBackColor(const QColor& color) {
    backColor_ = color;
    resetBacking();
    update();
}

void SurfaceWidget::setPicture(const QImage& picture) {
    picture_ = picture;
    resetBacking();
    update();
}

void SurfaceWidget::requestPaint() {
    needsPaint_ = true;
    update();
}

void SurfaceWidget::contentChanged() {
    if (!painting_) update();
}

void SurfaceWidget::paintEvent(QPaintEvent*) {
    backing();
    if (needsPaint_) {
        needsPaint_ = false;
        painting_ = true;
        if (paintNeeded) paintNeeded();
        painting_ = false;
    }
    QPainter painter(this);
    // A ratio of 1.5 shrinks the finer store: smoothly, as nearest neighbour
    // would drop every third column.
    if (devicePixelRatio() < scaleOf(backing_)) painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(0, 0, backing_);
}

QtChildren::QtChildren(QWidget& parent, QtWebContext& web) : parent_(parent), web_(web) {}

// Later children first, as a window destroys its children.
QtChildren::~QtChildren() {
    while (!controls_.empty()) controls_.pop_back();
}

template <class Control>
Control& QtChildren::keep(std::unique_ptr<Control> control) {
    Control& result = *control;
    controls_.push_back(std::move(control));
    return result;
}

platform::Surface& QtChildren::addSurface() { return keep(std::make_unique<QtSurface>(parent_, web_)); }
platform::Label& QtChildren::addLabel() { return keep(std::make_unique<QtLabel>(parent_)); }
platform::Image& QtChildren::addImage() { return keep(std::make_unique<QtImage>(parent_)); }
platform::Line& QtChildren::addLine() { return keep(std::make_unique<QtLine>(parent_)); }
platform::BrowserPane& QtChildren::addBrowser() { return keep(std::make_unique<QtBrowserPane>(parent_, web_)); }

QtSurface::QtSurface(QWidget& parent, QtWebContext& web) : QtSurfaceBase(new SurfaceWidget(&parent), web) {
    surface().setGeometry(0, 0, 0, 0);
    surface().show();
}

QtImage::QtImage(QWidget& parent) : QtControl(new QLabel(&parent), true) {
    label().setGeometry(0, 0, 0, 0);
    label().setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label().show();
}

QLabel& QtImage::label() const { return static_cast<QLabel&>(*widget()); }

void QtImage::setPicture(std::shared_ptr<platform::Picture> picture, bool stretch) {
    picture_ = std::move(picture);
    const QImage* image = picture_ ? imageOf(*picture_) : nullptr;
    label().setPixmap(image ? QPixmap::fromImage(*image) : QPixmap());
    label().setScaledContents(stretch);
    if (image && !stretch) {
        const platform::Rect place = geometry();
        const platform::Size size = logicalSize(*image);
        setGeometry(platform::Rect::fromSize(place.left, place.top, size.width, size.height));
    }
}

QtLabel::QtLabel(QWidget& parent) : QtControl(new QLabel(&parent), true) {
    label().setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label().setWordWrap(true);
    label().setGeometry(0, 0, 0, 0);
    setFont(platform::Font{});
    label().show();
}

QLabel& QtLabel::label() const { return static_cast<QLabel&>(*widget()); }

std::string QtLabel::caption() const { return toStdString(label().text()); }

void QtLabel::setCaption(const std::string& text) {
    label().setTextFormat(Qt::PlainText);
    label().setText(toQString(text));
}

void QtLabel::setForeColor(platform::Color color) {
    QPalette palette = label().palette();
    palette.setColor(QPalette::WindowText, toQColor(color));
    label().setPalette(palette);
}

// Transparent or not, the label keeps taking the mouse: hit areas rely on it.
void QtLabel::setBackColor(platform::Color color, bool transparent) {
    QPalette palette = label().palette();
    palette.setColor(QPalette::Window, toQColor(color));
    label().setPalette(palette);
    label().setAutoFillBackground(!transparent);
}

void QtLabel::setFont(const platform::Font& font) { label().setFont(toQFont(font)); }

class LineWidget : public QWidget {
public:
    explicit LineWidget(QWidget& parent) : QWidget(&parent) { setAttribute(Qt::WA_TransparentForMouseEvents); }

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
