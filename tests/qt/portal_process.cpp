#include "portal_process.h"

#include <QRegularExpression>
#include <QTest>

namespace fluvane::platform::qt::testing {

PortalProcess::PortalProcess(const QString& binary, const QStringList& arguments, int patienceMs) {
    QObject::connect(&process_, &QProcess::readyReadStandardOutput, &process_,
                     [this] { log_ += process_.readAllStandardOutput(); });
    process_.setProgram(binary);
    process_.setArguments(QStringList{"--port", "0"} + arguments);
    process_.start();
    const QRegularExpression listening(QStringLiteral("listening on [0-9.]+:([0-9]+)"));
    QRegularExpressionMatch match;
    const auto listens = [&] {
        match = listening.match(QString::fromUtf8(log_));
        return match.hasMatch() || process_.state() == QProcess::NotRunning;
    };
    if (QTest::qWaitFor(listens, patienceMs)) port_ = match.captured(1).toStdString();
}

PortalProcess::~PortalProcess() {
    process_.kill();
    process_.waitForFinished();
}

}  // namespace fluvane::platform::qt::testing
