#include "platform/qt/qt_document_script.h"

#include "platform/qt/qt_browser.h"
#include "platform/qt/qt_convert.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace fluvane::platform::qt {

namespace {

// SVG anchors carry their target as an animated string.
constexpr char kSnapshotFunction[] = R"JS(
function fluvaneSnapshot() {
  var links = [];
  var anchors = document.getElementsByTagName('a');
  for (var i = 0; i < anchors.length; ++i) {
    var a = anchors[i];
    var href = typeof a.href === 'string' ? a.href : (a.href && a.href.baseVal) || '';
    var text = typeof a.innerText === 'string' ? a.innerText : a.textContent || '';
    links.push({href: String(href), innerText: String(text)});
  }
  return JSON.stringify({title: String(document.title), links: links});
}
)JS";

// Changes are gathered for a moment so that a page building its list reports once.
constexpr char kReporter[] = R"JS(
(function () {
  var last = '';
  var pending = 0;
  function report() {
    pending = 0;
    var now = fluvaneSnapshot();
    if (now !== last) {
      last = now;
      console.log(PREFIX + now);
    }
  }
  report();
  new MutationObserver(function () {
    if (!pending) pending = setTimeout(report, 50);
  }).observe(document, {subtree: true, childList: true, characterData: true,
                        attributes: true, attributeFilter: ['href']});
})();
)JS";

}  // namespace

QString documentSnapshotScript() {
    return QString::fromLatin1(kSnapshotFunction) + QStringLiteral("fluvaneSnapshot();");
}

QWebEngineScript documentReportingScript(const QString& prefix) {
    QString source = QString::fromLatin1(kReporter);
    source.replace(QStringLiteral("PREFIX"), QLatin1Char('\'') + prefix + QLatin1Char('\''));
    QWebEngineScript script;
    script.setName(QStringLiteral("fluvane-document"));
    script.setSourceCode(QString::fromLatin1(kSnapshotFunction) + source);
    script.setInjectionPoint(QWebEngineScript::DocumentReady);
    script.setWorldId(QWebEngineScript::ApplicationWorld);
    script.setRunsOnSubFrames(false);
    return script;
}

std::optional<platform::Document> parseDocument(const QString& json) {
    QJsonParseError error;
    const QJsonDocument parsed = QJsonDocument::fromJson(json.toUtf8(), &error);
    if (error.error != QJsonParseError::NoError || !parsed.isObject()) return std::nullopt;
    const QJsonObject root = parsed.object();
    platform::Document document;
    document.title = toStdString(root.value(QStringLiteral("title")).toString());
    for (const QJsonValue& entry : root.value(QStringLiteral("links")).toArray()) {
        const QJsonObject link = entry.toObject();
        document.links.push_back({toStdString(readableUrl(link.value(QStringLiteral("href")).toString())),
                                  toStdString(link.value(QStringLiteral("innerText")).toString())});
    }
    return document;
}

}  // namespace fluvane::platform::qt
