#pragma once

#include "platform/browser.h"

#include <QString>
#include <QWebEngineScript>

#include <optional>

namespace fluvane::platform::qt {

// Script that evaluates to the page's document as JSON: {title, links:[{href, innerText}]}.
QString documentSnapshotScript();

// Runs in every page of the profile: reports the document once it is ready and
// again whenever its title or links change, as console messages that start
// with `prefix`.
QWebEngineScript documentReportingScript(const QString& prefix);

// The document in the JSON the scripts above produce; nothing if malformed.
std::optional<platform::Document> parseDocument(const QString& json);

}  // namespace fluvane::platform::qt
