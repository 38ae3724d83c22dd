#pragma once

#include "platform/canvas.h"
#include "platform/geometry.h"
#include "platform/input.h"

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>

#include <string>
#include <string_view>

namespace fluvane::platform::qt {

inline QString toQString(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}
// Qt writes U+FFFD for unpaired surrogates, so the result is always valid UTF-8.
inline std::string toStdString(const QString& text) { return text.toUtf8().toStdString(); }

// For the widgets that guess whether a text is rich (tooltips, balloon
// titles): a text that looks like markup comes as escaped markup, so that it
// shows as written and no link in it can be clicked.
QString shownAsWritten(const QString& text);

inline QColor toQColor(platform::Color color) { return QColor(color.red(), color.green(), color.blue()); }
inline platform::Color fromQColor(const QColor& color) {
    return platform::Color::rgb(color.red(), color.green(), color.blue());
}

inline QRect toQRect(platform::Rect rect) { return QRect(rect.left, rect.top, rect.width(), rect.height()); }
inline platform::Rect fromQRect(const QRect& rect) {
    return platform::Rect::fromSize(rect.x(), rect.y(), rect.width(), rect.height());
}
inline QPoint toQPoint(platform::Point point) { return QPoint(point.x, point.y); }
inline platform::Point fromQPoint(const QPoint& point) { return {point.x(), point.y()}; }

// Sizes in points are laid out at 96 pixels per inch, as the skins were designed.
QFont toQFont(const platform::Font& font);
Qt::CursorShape toCursorShape(platform::Cursor cursor);

}  // namespace fluvane::platform::qt
