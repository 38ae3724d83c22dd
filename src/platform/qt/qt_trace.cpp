#include "platform/qt/qt_trace.h"

#include <QFile>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <optional>
#include <unistd.h>

namespace fluvane::platform::qt {

namespace {

// Fallback origin when the process table cannot tell: the library's load.
const auto loadedAt = std::chrono::steady_clock::now();

bool enabled() {
    const char* value = std::getenv("FLUVANE_TRACE");
    return value && std::string_view(value) == "1";
}

// The process's start in the kernel's boot-time clock, which counts the
// loading of the program and its libraries too.
std::optional<double> millisecondsSinceStart() {
    QFile stat(QStringLiteral("/proc/self/stat"));
    if (!stat.open(QIODevice::ReadOnly)) return std::nullopt;
    const QByteArray line = stat.readAll();
    // Fields after the command name, which may itself hold spaces and brackets.
    const QList<QByteArray> fields = line.mid(line.lastIndexOf(')') + 2).split(' ');
    constexpr int kStartTimeAfterName = 19;
    if (fields.size() <= kStartTimeAfterName) return std::nullopt;
    bool ok = false;
    const double ticks = fields[kStartTimeAfterName].toDouble(&ok);
    timespec now{};
    if (!ok || clock_gettime(CLOCK_BOOTTIME, &now) != 0) return std::nullopt;
    const double startMs = ticks * 1000.0 / static_cast<double>(sysconf(_SC_CLK_TCK));
    return static_cast<double>(now.tv_sec) * 1000.0 + static_cast<double>(now.tv_nsec) / 1e6 -
           startMs;
}

}  // namespace

void traceFirstPaint(const QString& caption) {
    if (!enabled()) return;
    const double ms = millisecondsSinceStart().value_or(
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - loadedAt)
            .count());
    std::fprintf(stderr, "first paint: %s %.0f ms\n", caption.toUtf8().constData(), ms);
}

}  // namespace fluvane::platform::qt
