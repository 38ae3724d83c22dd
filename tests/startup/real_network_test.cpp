// FetchServerConfig over real HTTP: libcurl against a server of the test's own.
#include "startup/update.h"

#include "platform/posix/curl_network.h"
#include "startup/config_files.h"
#include "support/app_fixture.h"

#include <httplib.h>

#include <thread>

namespace fluvane::startup {

using namespace testsupport;
namespace {

class RealNetworkTest : public AppTest {
protected:
    RealNetworkTest() {
        server.Get("/zel/zel.txt", [this](const httplib::Request&, httplib::Response& res) {
            res.status = status;
            if (!body.empty()) res.set_content(body, contentType);
        });
        port = server.bind_to_any_port("127.0.0.1");
        thread = std::thread([this] { server.listen_after_bind(); });
    }
    ~RealNetworkTest() override {
        server.stop();
        thread.join();
    }
    void fetch() {
        platform::Platform real{platform.ui,
                                platform.profile,
                                platform.codePage,
                                network,
                                platform.processes,
                                platform.shell,
                                platform.files,
                                platform.application,
                                platform.instanceChannel,
                                "http://127.0.0.1:" + std::to_string(port),
                                ""};
        FetchServerConfig(real);
    }

    httplib::Server server;
    std::thread thread;
    int port = 0;
    int status = 200;
    std::string body;
    std::string contentType = "text/plain";
    platform::posix::CurlNetwork network;
};

TEST_F(RealNetworkTest, OnlyAServerConfigurationReplacesTheLocalOne) {
    const std::string before = codePage.toGbk(serverConfig("1.5"));
    writeBytes(appDir() / "zelhe.db", before);
    const std::string config = codePage.toGbk(serverConfig("2.0"));
    struct Case {
        int status;
        std::string body;
        std::string contentType;
    };
    const Case cases[] = {
        {204, "", "text/plain"},
        {302, "moved", "text/plain"},
        {200, "<html><body>Please log in</body></html>", "text/html"},
        {404, config, "text/plain"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.status);
        status = c.status;
        body = c.body;
        contentType = c.contentType;
        fetch();
        EXPECT_EQ(readBytes(appDir() / "zelhe.db"), before);
    }
    status = 200;
    body = config;
    fetch();
    EXPECT_EQ(ReadServerConfig(platform, "软件更新配置", "版本"), "2.0");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(appDir()), std::filesystem::directory_iterator()), 2)
        << "zelskin and zelhe.db, no temporary files";
}

}  // namespace
}  // namespace fluvane::startup
