#include "platform/qt/qt_convert.h"

#include <QTextDocument>

#include <algorithm>
#include <cmath>

namespace fluvane::platform::qt {

QString shownAsWritten(const QString& text) {
    return Qt::mightBeRichText(text) ? Qt::convertFromPlainText(text, Qt::WhiteSpaceNormal) : text;
}

QFont toQFont(const platform::Font& font) {
    QFont result(toQString(font.name));
    result.setPixelSize(std::max(1, static_cast<int>(std::lround(font.size * 96.0 / 72.0))));
    result.setBold(font.bold || font.weight >= 700);
    result.setItalic(font.italic);
    result.setUnderline(font.underline);
    result.setStrikeOut(font.strikethrough);
    return result;
}

Qt::CursorShape toCursorShape(platform::Cursor cursor) {
    using platform::Cursor;
    switch (cursor) {
        case Cursor::Default:
        case Cursor::Arrow:
            return Qt::ArrowCursor;
        case Cursor::Hand:
            return Qt::PointingHandCursor;
        case Cursor::SizeAll:
            return Qt::SizeAllCursor;
        case Cursor::SizeNS:
            return Qt::SizeVerCursor;
        case Cursor::SizeWE:
            return Qt::SizeHorCursor;
        case Cursor::SizeNWSE:
            return Qt::SizeFDiagCursor;
        case Cursor::SizeNESW:
            return Qt::SizeBDiagCursor;
    }
    return Qt::ArrowCursor;
}

}  // namespace fluvane::platform::qt
