#include "startup/config_files.h"

#include "support/app_fixture.h"

#include <unistd.h>

#include <algorithm>
#include <iostream>
#include <sstream>

namespace fluvane::startup {

using namespace testsupport;
namespace {

using ConfigFilesTest = AppTest;

TEST_F(ConfigFilesTest, ServerValuesAreCutTo255BytesAndLookedUpByGbkNames) {
    const std::string longValue(300, 'v');
    writeGbk("zelhe.db", "[软件更新配置]\r\n版本=2.1\r\n[澜映软件配置]\r\n名称=" + longValue + "\r\n空=\r\n");

    EXPECT_EQ(ReadServerConfig(platform, "软件更新配置", "版本"), "2.1");
    EXPECT_EQ(ReadServerConfig(platform, "澜映软件配置", "名称"), longValue.substr(0, 255));
    EXPECT_EQ(ReadServerConfig(platform, "澜映软件配置", "空"), "");
    EXPECT_EQ(ReadServerConfig(platform, "澜映软件配置", "域名"), "");
}

TEST_F(ConfigFilesTest, ThePortalBaseIsTheServersWebAddressOrTheBuiltInOne) {
    struct Case {
        std::string configured;
        std::string base;
    };
    const Case cases[] = {
        {"http://portal.example:8090", "http://portal.example:8090"},
        {"HTTPS://portal.example/", "HTTPS://portal.example/"},
        {"", kPortal},
        {"javascript:alert(1)", kPortal},
        {"file:///etc/passwd", kPortal},
        {"http://", kPortal},
        {"/tcab", kPortal},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.configured);
        writeGbk("zelhe.db", "[澜映软件配置]\r\n域名=" + c.configured + "\r\n");
        std::ostringstream log;
        std::streambuf* const previous = std::clog.rdbuf(log.rdbuf());
        const std::string base = readPortalBase(platform, BuiltInPortalNotice::Log);
        const std::string quietBase = readPortalBase(platform, BuiltInPortalNotice::Silent);
        std::clog.rdbuf(previous);
        EXPECT_EQ(base, c.base);
        EXPECT_EQ(quietBase, c.base);
        const std::string said = log.str();
        EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), c.base == kPortal ? 1 : 0) << said;
    }
}

TEST_F(ConfigFilesTest, TheCutNeverSplitsATwoByteCharacter) {
    const std::string ascii(254, 'a');
    writeGbk("zelhe.db", "[澜映软件配置]\r\n名称=" + ascii + "中文\r\n");
    EXPECT_EQ(ReadServerConfig(platform, "澜映软件配置", "名称"), ascii);
}

TEST_F(ConfigFilesTest, MissingOrGarbageFilesReadAsEmpty) {
    EXPECT_EQ(ReadServerConfig(platform, "软件更新配置", "版本"), "");
    EXPECT_EQ(ReadConfig(platform, "Version", "Version", ""), "");
    EXPECT_FALSE(readConfigBoolean(platform, "form", "update"));

    std::string garbage;
    for (unsigned i = 0; i < 2'000'000; ++i) garbage += static_cast<char>((i * 7919u) % 256u);
    writeBytes(appDir() / "zelhe.db", garbage);
    writeBytes(appDir() / "zelskin" / "Config.ini", garbage);
    EXPECT_LE(ReadServerConfig(platform, "软件更新配置", "版本").size(), 255u);
    EXPECT_FALSE(readConfigBoolean(platform, "form", "update"));
}

TEST_F(ConfigFilesTest, BooleanSettingsFollowTheTextAndNumberRules) {
    writeGbk("zelskin/Config.ini",
             "[form]\r\nform=True\r\nrun=fALSE\r\nrenwulan=0\r\nshipinku=-1\r\nupdate=yes\r\n"
             "a=2.5\r\nb=\r\nc= TRUE \r\nd=1e\r\n");
    EXPECT_TRUE(readConfigBoolean(platform, "form", "form"));
    EXPECT_FALSE(readConfigBoolean(platform, "form", "run"));
    EXPECT_FALSE(readConfigBoolean(platform, "form", "renwulan"));
    EXPECT_TRUE(readConfigBoolean(platform, "form", "shipinku"));
    EXPECT_FALSE(readConfigBoolean(platform, "form", "update"));
    EXPECT_TRUE(readConfigBoolean(platform, "form", "a"));
    EXPECT_FALSE(readConfigBoolean(platform, "form", "b"));
    EXPECT_TRUE(readConfigBoolean(platform, "form", "c"));
    EXPECT_FALSE(readConfigBoolean(platform, "form", "d"));
    EXPECT_FALSE(readConfigBoolean(platform, "form", "absent"));

    EXPECT_EQ(parseBoolean("yes"), std::nullopt);
    EXPECT_EQ(parseBoolean("+-1"), std::nullopt);
    EXPECT_EQ(parseBoolean("+0"), false);
}

TEST_F(ConfigFilesTest, WrittenSettingsStayGbkAndKeepTheRestOfTheFile) {
    writeGbk("zelskin/Config.ini", "; 注释\r\n[form]\r\nform=True\r\n[Version]\r\nVersion=1.0\r\n");
    WriteConfig(platform, "form", "form", "False");
    WriteConfig(platform, "标签", "名字", "值");

    EXPECT_EQ(ReadConfig(platform, "form", "form", ""), "False");
    EXPECT_EQ(ReadConfig(platform, "Version", "Version", ""), "1.0");
    EXPECT_EQ(ReadConfig(platform, "标签", "名字", ""), "值");
    const std::string onDisk = readBytes(appDir() / "zelskin" / "Config.ini");
    EXPECT_NE(onDisk.find(codePage.toGbk("; 注释")), std::string::npos);
    EXPECT_NE(onDisk.find(codePage.toGbk("名字=值")), std::string::npos);
}

TEST_F(ConfigFilesTest, AMissingSettingsFolderIsCreatedOnWrite) {
    std::filesystem::remove_all(appDir() / "zelskin");
    WriteConfig(platform, "form", "update", "True");
    EXPECT_TRUE(readConfigBoolean(platform, "form", "update"));
}

TEST_F(ConfigFilesTest, AnUnwritableSettingsPathIsNotKeptAndNothingElseFails) {
    std::filesystem::remove_all(appDir() / "zelskin");
    writeBytes(appDir() / "zelskin", "a file where the folder belongs");
    WriteConfig(platform, "form", "update", "True");
    EXPECT_FALSE(readConfigBoolean(platform, "form", "update"));
    EXPECT_EQ(readBytes(appDir() / "zelskin"), "a file where the folder belongs");
}

TEST_F(ConfigFilesTest, AReadOnlyApplicationDirectoryKeepsTheOldSetting) {
    if (::geteuid() == 0) GTEST_SKIP() << "permissions do not bind the superuser";
    writeGbk("zelskin/Config.ini", "[form]\r\nupdate=True\r\n");
    std::filesystem::permissions(appDir() / "zelskin",
                                 std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
    std::filesystem::permissions(appDir() / "zelskin" / "Config.ini", std::filesystem::perms::owner_read);
    WriteConfig(platform, "form", "update", "False");
    std::filesystem::permissions(appDir() / "zelskin", std::filesystem::perms::owner_all);
    EXPECT_TRUE(readConfigBoolean(platform, "form", "update"));
}

}  // namespace
}  // namespace fluvane::startup
