#include "startup/update.h"

#include "startup/config_files.h"
#include "support/app_fixture.h"

#include <iostream>
#include <sstream>

namespace fluvane::startup {

using namespace testsupport;
namespace {

using platform::MessageBoxResult;

class UpdateTest : public AppTest {
protected:
    void installUpdater() { writeBytes(appDir() / "update", "#!/bin/sh\n"); }
    std::size_t offers() { return sim.ui().messageBoxes().size(); }
};

TEST_F(UpdateTest, VersionsCompareAsTextNotAsNumbers) {
    EXPECT_EQ(CheckForUpdate(platform, "1.9", "1.10"), UpdateDecision::Continue);
    EXPECT_EQ(offers(), 0u);

    EXPECT_EQ(CheckForUpdate(platform, "1.10", "1.9"), UpdateDecision::Continue);
    ASSERT_EQ(offers(), 1u);
    const auto& box = sim.ui().messageBoxes().front();
    EXPECT_EQ(box.title, "检测到更新");
    EXPECT_EQ(box.text, "是否立即升级新版本新版版本号：1.9");
    EXPECT_EQ(box.icon, platform::MessageBoxIcon::Information);
    EXPECT_EQ(box.buttons, platform::MessageBoxButtons::YesNo);
}

TEST_F(UpdateTest, AnEmptyLocalVersionIsOfferedAnUpdateAndAnEmptyServerVersionNever) {
    CheckForUpdate(platform, "", "1.0");
    EXPECT_EQ(offers(), 1u);
    CheckForUpdate(platform, "1.0", "");
    CheckForUpdate(platform, "", "");
    EXPECT_EQ(offers(), 1u);
}

TEST_F(UpdateTest, EqualVersionsStartNothingAtStartUp) {
    installUpdater();
    EXPECT_EQ(CheckForUpdate(platform, "1.0", "1.0"), UpdateDecision::Continue);
    EXPECT_EQ(offers(), 0u);
    EXPECT_TRUE(sim.processes().starts().empty());
}

TEST_F(UpdateTest, AcceptingStartsTheUpdaterAndEndsTheProcess) {
    installUpdater();
    sim.ui().queueMessageBoxAnswer(MessageBoxResult::Yes);
    EXPECT_EQ(CheckForUpdate(platform, "1.0", "2.0 beta"), UpdateDecision::ProcessEnded);

    ASSERT_EQ(sim.processes().starts().size(), 1u);
    const auto& start = sim.processes().starts().front();
    EXPECT_EQ(start.program, appDir() / "update");
    EXPECT_EQ(start.arguments, std::vector<std::string>{"2.0 beta###shengji###"});
    EXPECT_EQ(start.style, platform::WindowStyle::NormalFocus);
    EXPECT_TRUE(sim.application().ended());
}

TEST_F(UpdateTest, DecliningOrAMissingUpdaterGoesOn) {
    sim.ui().queueMessageBoxAnswer(MessageBoxResult::No);
    installUpdater();
    EXPECT_EQ(CheckForUpdate(platform, "1.0", "2.0"), UpdateDecision::Continue);

    std::filesystem::remove(appDir() / "update");
    sim.ui().queueMessageBoxAnswer(MessageBoxResult::Yes);
    EXPECT_EQ(CheckForUpdate(platform, "1.0", "2.0"), UpdateDecision::Continue);
    EXPECT_TRUE(sim.processes().starts().empty());
    EXPECT_FALSE(sim.application().ended());
}

TEST_F(UpdateTest, AnUpdaterThatFailsToStartLetsTheClientGoOn) {
    installUpdater();
    sim.processes().setFailsToStart(appDir() / "update");
    sim.ui().queueMessageBoxAnswer(MessageBoxResult::Yes);
    EXPECT_EQ(CheckForUpdate(platform, "1.0", "2.0"), UpdateDecision::Continue);
    EXPECT_FALSE(sim.application().ended());
}

TEST_F(UpdateTest, ShengjiFetchesAndTellsTheUpdaterWhetherTheVersionIsNew) {
    installUpdater();
    writeSettings("False", "1.0");
    serveGbk("/zel/zel.txt", serverConfig("1.0"));

    const VersionPair versions = shengji(platform);
    EXPECT_EQ(versions.server, "1.0");
    EXPECT_EQ(versions.local, "1.0");
    ASSERT_EQ(sim.processes().starts().size(), 1u);
    EXPECT_EQ(sim.processes().starts().back().arguments, std::vector<std::string>{"1.0###wu###"});

    serveGbk("/zel/zel.txt", serverConfig("1.1"));
    shengji(platform);
    ASSERT_EQ(sim.processes().starts().size(), 2u);
    EXPECT_EQ(sim.processes().starts().back().arguments, std::vector<std::string>{"1.1###shengji###"});
    EXPECT_EQ(offers(), 0u);
    EXPECT_FALSE(sim.application().ended());
}

TEST_F(UpdateTest, ShengjiWithoutUpdaterDoesNothing) {
    serveGbk("/zel/zel.txt", serverConfig("9.9"));
    shengji(platform);
    EXPECT_TRUE(sim.processes().starts().empty());
    EXPECT_FALSE(sim.application().ended());
}

// Only an answer that is a server configuration replaces zelhe.db: not an
// empty or redirected answer, not an error page, not the page of a login
// portal that a hotel network returns for every address.
TEST_F(UpdateTest, OnlyAServerConfigurationReplacesTheLocalOne) {
    const std::string before = codePage.toGbk(serverConfig("1.5"));
    writeBytes(appDir() / "zelhe.db", before);
    const std::string url = std::string(kPortal) + "/zel/zel.txt";
    const std::string config = codePage.toGbk(serverConfig("2.0"));
    struct Case {
        const char* what;
        platform::sim::SimNetwork::Response response;
    };
    const Case cases[] = {
        {"broken transfer", {config, 500, true, 200}},
        {"204 No Content", {config, 0, false, 204}},
        {"302 without Location", {"", 0, false, 302}},
        {"500", {config, 0, false, 500}},
        {"login page", {"<html><body>Please log in</body></html>", 0, false, 200}},
        {"no address", {codePage.toGbk("[软件更新配置]\r\n版本=9.9\r\n"), 0, false, 200}},
        {"script address", {codePage.toGbk("[澜映软件配置]\r\n域名=javascript:alert(1)\r\n"), 0, false, 200}},
    };
    FetchServerConfig(platform);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        sim.network().serve(url, c.response);
        FetchServerConfig(platform);
        EXPECT_EQ(readBytes(appDir() / "zelhe.db"), before);
        EXPECT_EQ(ReadServerConfig(platform, "软件更新配置", "版本"), "1.5");
        EXPECT_FALSE(std::filesystem::exists(appDir() / "zelhe.db.download"));
    }
    EXPECT_EQ(sim.network().downloads().size(), std::size(cases) + 1);

    // The configuration is replaced by the files service, which makes it durable.
    sim.network().serve(url, {config, 0, false, 200});
    sim.files().setFailing(true);
    std::ostringstream log;
    std::streambuf* const previous = std::clog.rdbuf(log.rdbuf());
    FetchServerConfig(platform);
    std::clog.rdbuf(previous);
    EXPECT_EQ(readBytes(appDir() / "zelhe.db"), before);
    EXPECT_NE(log.str().find("could not be written"), std::string::npos) << log.str();
    sim.files().setFailing(false);
    FetchServerConfig(platform);
    EXPECT_EQ(ReadServerConfig(platform, "软件更新配置", "版本"), "2.0");
    EXPECT_EQ(sim.files().replacements(), 2);
    EXPECT_FALSE(std::filesystem::exists(appDir() / "zelhe.db.download"));
}

// The version is the server's text and leads the updater's argument.
TEST_F(UpdateTest, AVersionThatLooksLikeAnOptionNeverReachesTheUpdater) {
    installUpdater();
    sim.ui().queueMessageBoxAnswer(MessageBoxResult::Yes);
    EXPECT_EQ(CheckForUpdate(platform, "", "--help"), UpdateDecision::Continue);
    EXPECT_EQ(offers(), 0u);
    serveGbk("/zel/zel.txt", serverConfig("-rf"));
    shengji(platform);
    EXPECT_TRUE(sim.processes().starts().empty());
}

}  // namespace
}  // namespace fluvane::startup
