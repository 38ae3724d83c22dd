#include "playerapp/termination_signals.h"

#include "platform/posix/termination_signals.h"

#include <QCoreApplication>
#include <QSocketNotifier>

#include <cstdio>

namespace fluvane::playerapp {

void quitOnTerminationSignals() {
    const std::optional<int> pipe = platform::posix::terminationSignalPipe();
    if (!pipe) {
        std::perror("fluvaneapp: no clean shutdown on signals");
        return;
    }
    auto* notifier = new QSocketNotifier(*pipe, QSocketNotifier::Read, QCoreApplication::instance());
    QObject::connect(notifier, &QSocketNotifier::activated, [fd = *pipe] {
        platform::posix::drainTerminationSignals(fd);
        QCoreApplication::quit();
    });
}

}  // namespace fluvane::playerapp
