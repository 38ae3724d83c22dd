// Downloads and checks against a server of the test's own on 127.0.0.1.
#include "temp_dir.h"

#include "platform/posix/curl_network.h"

#include <gtest/gtest.h>
#include <httplib.h>

#include <netinet/in.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <thread>

namespace fluvane::test {
namespace {

using namespace std::chrono_literals;
using platform::posix::CurlNetwork;
using platform::posix::NetworkLimits;

class NetworkTest : public ::testing::Test {
protected:
    void SetUp() override {
        server.Get("/ok", [](const httplib::Request&, httplib::Response& res) {
            res.set_content("new content", "text/plain");
        });
        server.Get("/missing", [](const httplib::Request&, httplib::Response& res) {
            res.status = 404;
            res.set_content("not here", "text/plain");
        });
        server.Get("/broken", [](const httplib::Request&, httplib::Response& res) {
            res.status = 500;
            res.set_content("error page", "text/plain");
        });
        server.Get("/endless", [](const httplib::Request&, httplib::Response& res) {
            res.set_chunked_content_provider("text/plain", [](std::size_t, httplib::DataSink& sink) {
                std::this_thread::sleep_for(10ms);
                return sink.write("more ", 5);
            });
        });
        server.Get("/flood", [](const httplib::Request&, httplib::Response& res) {
            res.set_chunked_content_provider("text/plain", [](std::size_t, httplib::DataSink& sink) {
                static const std::string block(1 << 16, 'x');
                return sink.write(block.data(), block.size());
            });
        });
        server.Get("/redirect", [](const httplib::Request&, httplib::Response& res) { res.set_redirect("/ok"); });
        server.Get("/empty", [](const httplib::Request&, httplib::Response& res) { res.status = 204; });
        server.Get("/blank", [](const httplib::Request&, httplib::Response& res) { res.status = 200; });
        server.Get("/nowhere", [](const httplib::Request&, httplib::Response& res) {
            res.status = 302;
            res.set_content("moved", "text/plain");
        });
        // Bound and listening here already; connections queue until the thread accepts them.
        port = server.bind_to_any_port("127.0.0.1");
        thread = std::thread([this] { server.listen_after_bind(); });
        writeBytes(file, "old content");
    }
    void TearDown() override {
        server.stop();
        thread.join();
    }
    std::string url(std::string_view path) const {
        return "http://127.0.0.1:" + std::to_string(port) + std::string(path);
    }

    httplib::Server server;
    std::thread thread;
    int port = 0;
    TempDir dir;
    std::filesystem::path file = dir / "zelhe.db";
    CurlNetwork network{NetworkLimits{1000ms, 1500ms, 1s, 1, 1u << 20}};
};

// A socket that accepts connections (the kernel does) and never answers.
class SilentListener {
public:
    SilentListener() {
        fd_ = socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t length = sizeof address;
        bind(fd_, reinterpret_cast<sockaddr*>(&address), sizeof address);
        listen(fd_, 4);
        getsockname(fd_, reinterpret_cast<sockaddr*>(&address), &length);
        port_ = ntohs(address.sin_port);
    }
    ~SilentListener() { close(fd_); }
    std::string url() const { return "http://127.0.0.1:" + std::to_string(port_) + "/"; }

private:
    int fd_ = -1;
    int port_ = 0;
};

TEST_F(NetworkTest, ASuccessfulDownloadReplacesTheFile) {
    EXPECT_TRUE(network.downloadToFile(url("/ok"), file));
    EXPECT_EQ(readBytes(file), "new content");
    EXPECT_TRUE(network.downloadToFile(url("/redirect"), dir / "fresh.txt"));
    EXPECT_EQ(readBytes(dir / "fresh.txt"), "new content");
}

TEST_F(NetworkTest, FailedDownloadsLeaveTheOldFileAndNoLitter) {
    SilentListener silent;
    for (const std::string& failing :
         {url("/missing"), url("/broken"), url("/empty"), url("/blank"), url("/nowhere"), url("/endless"), silent.url(),
          std::string("http://127.0.0.1:1/"), std::string("file:///etc/passwd")}) {
        SCOPED_TRACE(failing);
        EXPECT_FALSE(network.downloadToFile(failing, file));
        EXPECT_EQ(readBytes(file), "old content");
    }
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), std::filesystem::directory_iterator()), 1);
}

// A crash mid-download leaves its temporary behind; the next download of the
// same file clears it, and keeps those of a writer that still runs.
TEST_F(NetworkTest, ADownloadRemovesTemporariesLeftByADeadWriter) {
    const pid_t dead = fork();
    if (dead == 0) _exit(0);
    ASSERT_EQ(waitpid(dead, nullptr, 0), dead);
    const std::string stale = ".zelhe.db." + std::to_string(dead) + ".0.tmp";
    const std::string live = ".zelhe.db." + std::to_string(getppid()) + ".0.tmp";
    for (const std::string& name : {stale, live, std::string(".link.txt.") + std::to_string(dead) + ".0.tmp"}) {
        writeBytes(dir / name, "partial");
    }
    EXPECT_TRUE(network.downloadToFile(url("/ok"), file));
    EXPECT_FALSE(std::filesystem::exists(dir / stale));
    EXPECT_TRUE(std::filesystem::exists(dir / live));
    EXPECT_TRUE(std::filesystem::exists(dir / (".link.txt." + std::to_string(dead) + ".0.tmp")));
}

TEST_F(NetworkTest, AnEndlessBodyStopsAtTheSizeLimit) {
    CurlNetwork patient{NetworkLimits{1000ms, 60000ms, 5s, 1, 1u << 20}};
    EXPECT_FALSE(patient.downloadToFile(url("/flood"), file));
    EXPECT_EQ(readBytes(file), "old content");
}

TEST_F(NetworkTest, AnyHttpAnswerCountsAsConnected) {
    EXPECT_TRUE(network.checkConnection(url("/ok")));
    EXPECT_TRUE(network.checkConnection(url("/missing")));
    EXPECT_TRUE(network.checkConnection(url("/broken")));
    SilentListener silent;
    EXPECT_FALSE(network.checkConnection(silent.url()));
    EXPECT_FALSE(network.checkConnection("http://127.0.0.1:1/"));
}

}  // namespace
}  // namespace fluvane::test
