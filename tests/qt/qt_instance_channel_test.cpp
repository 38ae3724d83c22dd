#include "platform/qt/qt_instance_channel.h"
#include "qt_test_application.h"

#include <QLocalSocket>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <fstream>
#include <memory>
#include <string>
#include <vector>

namespace fluvane::platform::qt {
namespace {

constexpr int kWaitMs = 5000;

class QtInstanceChannelTest : public ::testing::Test {
protected:
    QtInstanceChannelTest() {
        testing::testApplication("offscreen");
        running.pageReceived = [this](const std::string& page) { received.push_back(page); };
    }

    // A peer that writes the bytes it is given and stays connected.
    std::unique_ptr<QLocalSocket> rawPeer(const QByteArray& bytes) {
        auto peer = std::make_unique<QLocalSocket>();
        peer->connectToServer(QString::fromStdString(socketFile()));
        EXPECT_TRUE(peer->waitForConnected(kWaitMs));
        peer->write(bytes);
        EXPECT_TRUE(bytes.isEmpty() || peer->waitForBytesWritten(kWaitMs));
        return peer;
    }
    std::string socketFile() const { return (folder / "test.socket").string(); }

    QTemporaryDir dir;
    std::filesystem::path folder = dir.path().toStdString();
    QtInstanceChannel running{folder, "test.socket"};
    QtInstanceChannel later{folder, "test.socket"};
    std::vector<std::string> received;
};

TEST_F(QtInstanceChannelTest, APageCrossesToTheListeningInstanceOverASocketOnlyTheUserCanReach) {
    const std::string page = "http://portal.test/tcab/show/?id=7&t=神探";
    EXPECT_FALSE(later.sendPage(page)) << "nobody listens";
    std::ofstream(socketFile()) << "left by an instance that died";

    ASSERT_TRUE(running.listen());
    struct stat info {};
    ASSERT_EQ(::stat(socketFile().c_str(), &info), 0);
    EXPECT_TRUE(S_ISSOCK(info.st_mode));
    EXPECT_EQ(info.st_mode & (S_IRWXG | S_IRWXO), 0u);

    EXPECT_TRUE(later.sendPage(page));
    EXPECT_TRUE(QTest::qWaitFor([&] { return !received.empty(); }, kWaitMs));
    EXPECT_EQ(received, std::vector<std::string>{page});
}

// Each bad peer is cut off, the stuck one after the time-out, and raises
// nothing; the next page still crosses.
TEST_F(QtInstanceChannelTest, BadMessagesAndStuckPeersAreDroppedAndTheNextPageStillCrosses) {
    ASSERT_TRUE(running.listen());
    const QByteArray tooLong = "http://portal.test/" + QByteArray(QtInstanceChannel::kMaxMessageBytes, 'a') + "\n";
    std::vector<std::unique_ptr<QLocalSocket>> peers;
    for (const QByteArray& bytes :
         {tooLong, QByteArray("http://portal.test/a\nhttp://portal.test/b\n"), QByteArray("http://portal.test/\x01\n"),
          QByteArray("http://portal.test/\xff\n"), QByteArray("\n"), QByteArray("http://portal.test/stuck")}) {
        peers.push_back(rawPeer(bytes));
    }
    for (const auto& peer : peers) {
        EXPECT_TRUE(QTest::qWaitFor([&] { return peer->state() == QLocalSocket::UnconnectedState; },
                                    QtInstanceChannel::kPeerTimeoutMs + kWaitMs));
    }
    EXPECT_TRUE(received.empty());

    EXPECT_FALSE(later.sendPage("http://portal.test/\x01")) << "refused before it leaves";
    EXPECT_TRUE(later.sendPage("http://portal.test/tcab/"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return !received.empty(); }, kWaitMs));
    EXPECT_EQ(received, std::vector<std::string>{"http://portal.test/tcab/"});
}

}  // namespace
}  // namespace fluvane::platform::qt
