#include "mainwindow/form1.h"

#include "support/app_fixture.h"
#include "support/recording_windows.h"

namespace fluvane::mainwindow {

using namespace testsupport;
namespace {

using Calls = std::vector<std::string>;

class Form1Test : public AppTest {
protected:
    Form1Test() {
        writeSettings("False", "1.0", "False");
        writeGbk("zelhe.db", serverConfig("1.0", "0", "1"));
    }

    RecordingWindows windows;
};

TEST_F(Form1Test, LoadingKeepsServerValuesAndSettingsAsTexts) {
    Form1 form(platform, windows);
    form.Form_Load();

    EXPECT_EQ(form.ad, "1");
    EXPECT_EQ(form.L1, "30");
    EXPECT_EQ(form.l2, "600");
    EXPECT_EQ(form.tuichu, "1");
    EXPECT_EQ(form.huangchong, "1");
    EXPECT_EQ(form.da, "15");
    EXPECT_EQ(form.hit1, "0");
    EXPECT_EQ(form.settings.form, "True");
    EXPECT_EQ(form.settings.run, "False");
    EXPECT_EQ(form.settings.renwulan, "True");
    EXPECT_EQ(form.settings.shipinku, "False");

    const std::string loadingPage = "file://" + (appDir() / "zelskin" / "html" / "Loading.html").string();
    EXPECT_EQ(platform::sim::as<platform::sim::SimBrowser>(*form.ListWeb).navigations(), Calls{loadingPage});
    EXPECT_EQ(platform::sim::as<platform::sim::SimBrowser>(*form.W2).navigations(), Calls{loadingPage});
}

TEST_F(Form1Test, TheWindowIsCentredWithTheLibraryBelowTheTitleStrip) {
    Form1 form(platform, windows);
    form.Form_Load();
    form.show();

    EXPECT_EQ(form.form().geometry(), platform::Rect::fromSize(193, 53, 980, 661));
    EXPECT_EQ(form.Picture1->geometry(), platform::Rect::fromSize(0, 45, 980, 616));
    EXPECT_EQ(form.ListWeb->geometry(), platform::Rect::fromSize(0, 0, 980, 616));
    EXPECT_EQ(form.Picture2->geometry(), platform::Rect::fromSize(0, 45, 980, 616));
    EXPECT_GT(platform::sim::as<platform::sim::SimSurface>(*form.Picture1).zOrder(), platform::sim::as<platform::sim::SimSurface>(*form.Picture2).zOrder());
    EXPECT_FALSE(form.W2->visible());
    EXPECT_FALSE(form.W3->visible());
    EXPECT_FALSE(form.vip->visible());
    EXPECT_FALSE(form.Button2[4]->visible());
    EXPECT_TRUE(platform::sim::as<platform::sim::SimForm>(form.form()).shown());
}

TEST_F(Form1Test, T4NavigatesTheLibraryAndLoadingPanesOnce) {
    Form1 form(platform, windows);
    form.Form_Load();
    auto& library = platform::sim::as<platform::sim::SimBrowser>(*form.ListWeb);
    auto& buffering = platform::sim::as<platform::sim::SimBrowser>(*form.qvod);

    sim.advance(2999);
    EXPECT_EQ(library.navigations().size(), 1u);
    EXPECT_TRUE(buffering.navigations().empty());
    sim.advance(1);
    EXPECT_EQ(library.navigations().back(), "http://portal.test/tcab/");
    EXPECT_EQ(buffering.navigations(), Calls{"http://portal.test/tcab/zelad/zelloading.html"});
    sim.advance(10000);
    EXPECT_EQ(library.navigations().size(), 2u);
    EXPECT_EQ(buffering.navigations().size(), 1u);
}

TEST_F(Form1Test, PopUpsComeAfterTheFirstDelayThenAtTheInterval) {
    writeGbk("zelhe.db", "[澜映软件配置]\r\n域名=http://portal.test\r\n[弹窗广告设置项]\r\n开关=1\r\n"
                         "广告初始时间=60\r\n广告循环时间=300\r\n[电影推荐窗口]\r\n开关=1\r\n");
    Form1 form(platform, windows);
    form.Form_Load();

    sim.advance(59'000);
    EXPECT_EQ(windows.calls, Calls{"recommendation"});
    sim.advance(1000);
    EXPECT_EQ(windows.calls.back(), "popup http://portal.test/tcab/zelad/tan/?id=2");
    sim.advance(600'000);
    EXPECT_EQ(windows.calls, (Calls{"recommendation", "popup http://portal.test/tcab/zelad/tan/?id=2",
                                    "popup http://portal.test/tcab/zelad/tan/?id=1",
                                    "popup http://portal.test/tcab/zelad/tan/?id=1"}));
}

TEST_F(Form1Test, SwitchesThatAreNotExactlyOneAndUnusableTimesStayOff) {
    for (const char* config : {"[弹窗广告设置项]\r\n开关=01\r\n广告初始时间=1\r\n[电影推荐窗口]\r\n开关=on\r\n",
                               "[弹窗广告设置项]\r\n开关=1\r\n广告初始时间=\r\n",
                               "[弹窗广告设置项]\r\n开关=1\r\n广告初始时间=0\r\n",
                               "[弹窗广告设置项]\r\n开关=1\r\n广告初始时间=-5\r\n",
                               "[弹窗广告设置项]\r\n开关=1\r\n广告初始时间=1.5\r\n",
                               "[弹窗广告设置项]\r\n开关=1\r\n广告初始时间=abc\r\n"}) {
        writeGbk("zelhe.db", config);
        RecordingWindows quiet;
        Form1 form(platform, quiet);
        form.Form_Load();
        sim.advance(12000);
        EXPECT_TRUE(quiet.calls.empty()) << config;
    }
}

}  // namespace
}  // namespace fluvane::mainwindow
