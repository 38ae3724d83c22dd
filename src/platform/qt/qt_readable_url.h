#pragma once

#include <QString>
#include <QUrl>

namespace fluvane::platform::qt {

// The engine percent-encodes non-ASCII characters of URLs; pages and the logic
// write them as text ("dddisk://星河渡口@@@/tcab/"). Decodes escapes that form
// UTF-8 characters beyond ASCII and keeps every other escape as it is.
QString readableUrl(const QString& encoded);

// The text of a URL as the page wrote it, readable as above. Command URLs need
// not be valid URLs ("…@@@…" has no valid authority), and the engine hands them
// over as invalid QUrls: their text then survives only in QUrl's error report.
QString urlText(const QUrl& url);

}  // namespace fluvane::platform::qt
