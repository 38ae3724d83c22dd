// The player program as the client starts it: one argument, ended by a signal.
#include <QElapsedTimer>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

#include <csignal>

namespace {

constexpr int kPatience = 30000;  // ms; the engine starts slowly on a loaded machine
constexpr int kShutdown = 10000;  // ms for an orderly exit after SIGTERM

// Home and XDG folders in a temporary directory, so nothing reaches the real desktop.
QProcessEnvironment isolatedEnvironment(const QString& home) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("HOME", home);
    environment.insert("XDG_CONFIG_HOME", home + "/config");
    environment.insert("XDG_DATA_HOME", home + "/data");
    environment.insert("XDG_CACHE_HOME", home + "/cache");
    environment.insert("XDG_RUNTIME_DIR", home);
    environment.insert("QT_QPA_PLATFORM", "xcb");
    return environment;
}

// The demo portal on a free port; its log tells which pages were asked for.
class Portal {
public:
    Portal() {
        process_.setProgram(QStringLiteral(FLUVANE_PORTAL_BINARY));
        process_.setArguments({"--port", "0", "--root", QStringLiteral(FLUVANE_PORTAL_SITE)});
        process_.start();
        const QRegularExpression listening(QStringLiteral("listening on ([0-9.:]+)"));
        if (waitForLog(listening)) base_ = "http://" + listening.match(log_).captured(1);
    }
    ~Portal() {
        process_.terminate();
        process_.waitForFinished();
    }
    const QString& base() const { return base_; }

    bool waitForLog(const QRegularExpression& line) {
        while (!line.match(log_).hasMatch()) {
            if (!process_.waitForReadyRead(kPatience)) return false;
            log_ += QString::fromUtf8(process_.readAllStandardOutput());
        }
        return true;
    }

private:
    QProcess process_;
    QString log_;
    QString base_;
};

// Whether the process shows a window of exactly this title before patience runs out.
bool waitForWindow(qint64 pid, const QString& title) {
    QElapsedTimer elapsed;
    elapsed.start();
    while (elapsed.elapsed() < kPatience) {
        QProcess search;
        search.start("xdotool", {"search", "--all", "--pid", QString::number(pid), "--name", "^" + title + "$"});
        if (search.waitForFinished() && search.exitCode() == 0 && !search.readAllStandardOutput().trimmed().isEmpty()) {
            return true;
        }
        QThread::msleep(100);
    }
    return false;
}

TEST(PlayerAppTest, ShowsThePageUnderItsTitleAndEndsCleanlyOnSigterm) {
    QTemporaryDir home;
    ASSERT_TRUE(home.isValid());
    Portal portal;
    ASSERT_FALSE(portal.base().isEmpty()) << "the demo portal did not start";

    const QString url = portal.base() + "/tcab/app/?id=1001#星际快递###game###1001";
    QProcess player;
    player.setProcessEnvironment(isolatedEnvironment(home.path()));
    player.setProcessChannelMode(QProcess::ForwardedChannels);
    player.start(QStringLiteral(FLUVANE_PLAYERAPP), {"星际快递###game###1001###" + url + "###"});
    ASSERT_TRUE(player.waitForStarted());

    EXPECT_TRUE(portal.waitForLog(QRegularExpression(QStringLiteral("GET /tcab/app/\\?id=1001 200"))));
    EXPECT_TRUE(waitForWindow(player.processId(), QStringLiteral("星际快递")));

    ::kill(static_cast<pid_t>(player.processId()), SIGTERM);
    ASSERT_TRUE(player.waitForFinished(kShutdown));
    EXPECT_EQ(player.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(player.exitCode(), 0);
}

TEST(PlayerAppTest, WithoutItsArgumentItSaysHowToCallIt) {
    QProcess player;
    player.start(QStringLiteral(FLUVANE_PLAYERAPP), {});
    ASSERT_TRUE(player.waitForFinished(kPatience));
    EXPECT_EQ(player.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(player.exitCode(), 2);
    EXPECT_TRUE(player.readAllStandardError().contains("usage"));
}

}  // namespace
