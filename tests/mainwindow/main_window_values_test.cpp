#include "mainwindow/main_window_values.h"

#include "support/app_fixture.h"

#include <gtest/gtest.h>

namespace fluvane::mainwindow {
namespace {

class MainWindowValuesTest : public testsupport::AppTest {};

// Only "1" switches on; a time is a positive whole number of seconds, which a
// server may write with spaces or a leading "+", or nothing.
TEST_F(MainWindowValuesTest, SwitchesAreOnlyOneAndTimesOnlyPositiveWholeSeconds) {
    struct Case {
        const char* text;
        bool on;
        std::optional<std::int32_t> seconds;
    };
    for (const Case c :
         {Case{"1", true, 1}, Case{"+75", false, 75}, Case{" 300 ", false, 300}, Case{"0", false, {}},
          Case{"", false, {}}, Case{"True", false, {}}, Case{"01", false, 1}, Case{"abc", false, {}},
          Case{"-3", false, {}}, Case{"1.5", false, {}}, Case{"15s", false, {}}, Case{"2147483648", false, {}}}) {
        writeGbk("zelhe.db", std::string("[澜映软件配置]\r\n域名=http://portal.test\r\n[弹窗广告设置项]\r\n开关=") +
                                 c.text + "\r\n广告初始时间=" + c.text + "\r\n广告循环时间=" + c.text +
                                 "\r\n[退窗广告设置项]\r\n开关=" + c.text + "\r\n[缓冲广告设置项]\r\n开关=" + c.text +
                                 "\r\n缓冲时间=" + c.text + "\r\n[电影推荐窗口]\r\n开关=" + c.text + "\r\n");
        const ServerValues values = readServerValues(platform);
        EXPECT_EQ(values.dizhi, "http://portal.test") << c.text;
        for (const bool on : {values.ad, values.tuichu, values.huangchong, values.hit1}) EXPECT_EQ(on, c.on) << c.text;
        for (const auto& seconds : {values.L1, values.l2, values.da}) EXPECT_EQ(seconds, c.seconds) << c.text;
    }
}

// A setting that is no Boolean is off.
TEST_F(MainWindowValuesTest, SettingsAreBooleansOffWhenUnreadable) {
    writeGbk("zelskin/Config.ini", "[form]\r\nform=True\r\nrun=1\r\nrenwulan=yes\r\n");
    const StartupSettings settings = readStartupSettings(platform);
    EXPECT_TRUE(settings.form);
    EXPECT_TRUE(settings.run);
    EXPECT_FALSE(settings.renwulan);
    EXPECT_FALSE(settings.shipinku);
}

}  // namespace
}  // namespace fluvane::mainwindow
