#pragma once

#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QStringList>

#include <string>

namespace fluvane::platform::qt::testing {

// A portal server on a free port, ended by its process id with this object.
// It logs every request it answers.
class PortalProcess {
public:
    PortalProcess(const QString& binary, const QStringList& arguments, int patienceMs);
    ~PortalProcess();
    PortalProcess(const PortalProcess&) = delete;
    PortalProcess& operator=(const PortalProcess&) = delete;

    // Empty if the server did not start.
    std::string base() const { return port_.empty() ? "" : "http://127.0.0.1:" + port_; }
    // The same server under another name: another origin.
    std::string otherOrigin() const { return "http://localhost:" + port_; }
    // Whether a request whose target contains `text` has been answered.
    bool answered(const QString& text) const { return answers(text) > 0; }
    int answers(const QString& text) const { return static_cast<int>(QString::fromUtf8(log_).count(text)); }

private:
    QProcess process_;
    QByteArray log_;
    std::string port_;
};

}  // namespace fluvane::platform::qt::testing
