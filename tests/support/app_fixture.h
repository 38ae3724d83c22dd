#pragma once

#include "mainwindow/command_url.h"
#include "platform/posix/posix_code_page.h"
#include "platform/posix/posix_profile.h"
#include "platform/sim/sim_platform.h"
#include "support/skin_files.h"
#include "support/temp_application_directory.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace fluvane::testsupport {

inline constexpr const char* kPortal = "http://portal.test";
inline constexpr const char* kCheckUrl = "http://check.test/";

inline std::vector<std::string> commandSchemes() { return mainwindow::commandSchemeNames(); }

// A complete installation in a temporary directory, on the simulated platform.
class AppTest : public ::testing::Test {
protected:
    AppTest() { InstallSkin(appDir(), sim.ui()); }

    std::filesystem::path appDir() const { return dir.app(); }
    // Files on disk are GBK; tests write their text in UTF-8.
    void writeGbk(const std::filesystem::path& relative, std::string_view utf8) {
        writeBytes(appDir() / relative, codePage.toGbk(utf8));
    }
    void serveGbk(const std::string& path, std::string_view utf8, int durationMs = 0) {
        sim.network().serve(std::string(kPortal) + path, {codePage.toGbk(utf8), durationMs, false});
    }
    void writeSettings(std::string_view update, std::string_view version, std::string_view shipinku = "True") {
        writeGbk("zelskin/Config.ini",
                 "[form]\r\nform=True\r\nrun=False\r\nrenwulan=True\r\nshipinku=" + std::string(shipinku) +
                     "\r\nupdate=" + std::string(update) + "\r\n[Version]\r\nVersion=" + std::string(version) + "\r\n");
    }
    static std::string serverConfig(std::string_view version, std::string_view sideWindow = "0",
                                    std::string_view popups = "0") {
        return "[澜映软件配置]\r\n域名=http://portal.test\r\n名称=澜映影视\r\n"
               "[弹窗广告设置项]\r\n开关=" +
               std::string(popups) +
               "\r\n广告初始时间=30\r\n广告循环时间=600\r\n"
               "[退窗广告设置项]\r\n开关=1\r\n[缓冲广告设置项]\r\n开关=1\r\n缓冲时间=15\r\n"
               "[电影推荐窗口]\r\n开关=0\r\n[软件更新配置]\r\n版本=" +
               std::string(version) + "\r\n[右侧飘窗]\r\n开关=" + std::string(sideWindow) + "\r\n";
    }

    TempApplicationDirectory dir;
    platform::posix::PosixCodePage codePage;
    platform::posix::PosixProfile profile{codePage};
    platform::sim::SimPlatform sim{profile, codePage, dir.app(), commandSchemes(), kPortal, kCheckUrl};
    platform::Platform platform = sim.platform();
};

}  // namespace fluvane::testsupport
