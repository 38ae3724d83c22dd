#include "platform/qt/qt_readable_url.h"

#include <QByteArray>
#include <QRegularExpression>
#include <QStringDecoder>

namespace fluvane::platform::qt {

namespace {

int hexValue(QChar c) {
    const char16_t u = c.unicode();
    if (u >= '0' && u <= '9') return u - '0';
    if (u >= 'a' && u <= 'f') return u - 'a' + 10;
    if (u >= 'A' && u <= 'F') return u - 'A' + 10;
    return -1;
}

// The byte of the escape at `at`, or -1.
int escapedByte(const QString& text, qsizetype at) {
    if (at + 2 >= text.size() || text[at] != u'%') return -1;
    const int high = hexValue(text[at + 1]), low = hexValue(text[at + 2]);
    return high < 0 || low < 0 ? -1 : high * 16 + low;
}

}  // namespace

QString readableUrl(const QString& encoded) {
    QString result;
    result.reserve(encoded.size());
    qsizetype i = 0;
    while (i < encoded.size()) {
        QByteArray bytes;
        qsizetype end = i;
        for (int byte; (byte = escapedByte(encoded, end)) >= 0x80; end += 3) bytes.append(char(byte));
        if (bytes.isEmpty()) {
            result.append(encoded[i++]);
            continue;
        }
        QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        const QString decoded = decoder.decode(bytes);
        result.append(decoder.hasError() ? encoded.mid(i, end - i) : decoded);
        i = end;
    }
    return result;
}

QString urlText(const QUrl& url) {
    if (url.isValid()) return readableUrl(url.toString(QUrl::FullyEncoded));
    static const QRegularExpression source(
        QStringLiteral(R"re(source was "(.*?)"(?:; scheme = |;?$))re"));
    return readableUrl(source.match(url.errorString()).captured(1));
}

}  // namespace fluvane::platform::qt
