#include "platform/qt/qt_label.h"

#include <QLabel>

namespace fluvane::platform::qt {

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

}  // namespace fluvane::platform::qt
