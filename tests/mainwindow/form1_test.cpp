#include "mainwindow/form1.h"

#include "support/recording_services.h"
#include "support/app_fixture.h"

namespace fluvane::mainwindow {

using namespace testsupport;
namespace {

using mainwindow::Form1;
using Calls = std::vector<std::string>;

class Form1Test : public AppTest {
protected:
    Form1Test() {
        writeSettings("False", "1.0", "False");
        writeGbk("zelhe.db", serverConfig("1.0", "0", "1"));
        services.describe = [this](Form1& form) { return describe(form); };
    }

    std::string describe(Form1& form) {
        const auto pages = [](platform::BrowserPane& pane) {
            return std::to_string(platform::sim::as<platform::sim::SimBrowser>(pane).navigations().size());
        };
        const auto on = [](const std::unique_ptr<platform::Timer>& timer) { return timer->enabled() ? "1" : "0"; };
        return std::string("silent=") + (form.ListWeb->silent() ? "1" : "0") + " pages=" + pages(*form.ListWeb) +
               "/" + pages(*form.W2) + " dizhi=" + form.dizhi + " caption=" + form.form().caption() +
               " T4=" + on(form.T4) + " T6=" + on(form.T6) + " library=" + (form.Picture1->visible() ? "1" : "0") +
               " label=" + form.Label1->caption() +
               " downloads=" + std::to_string(sim.network().downloads().size()) + " gun=" + on(form.gun);
    }

    RecordingServices services;
};

TEST_F(Form1Test, TheLoadHandlerRunsItsSixteenStepsInOrder) {
    serveGbk("/zel/link.txt", "通知###http://portal.test/n", 700);
    Form1 form(platform, services);
    form.Form_Load();

    const std::string initial =
        "silent=0 pages=0/0 dizhi= caption= T4=0 T6=0 library=1 label=正在检测新版本 downloads=0 gun=0";
    const std::string skinned =
        "silent=0 pages=0/0 dizhi= caption= T4=1 T6=0 library=1 label=正在检测新版本 downloads=0 gun=0";
    const std::string loadingPages =
        "silent=1 pages=1/1 dizhi= caption= T4=1 T6=0 library=1 label=正在检测新版本 downloads=0 gun=0";
    const std::string serverValues =
        "silent=1 pages=1/1 dizhi=http://portal.test caption=澜映影视 T4=1 T6=0 library=1 "
        "label=正在检测新版本 downloads=0 gun=0";
    const std::string viewChosen =
        "silent=1 pages=1/1 dizhi=http://portal.test caption=澜映影视 T4=1 T6=1 library=0 "
        "label=正在检测新版本 downloads=0 gun=0";
    EXPECT_EQ(services.calls, (Calls{"ShowTrayIcon | " + initial, "ConnectNewWindowEvent | " + initial,
                                     "LoadSkin | " + initial, "LoadPlayList zelplaylist.xml | " + skinned,
                                     "TaskbarHeight", "MaximiseBounds | " + loadingPages,
                                     "TaskbarButtonBehaviour | " + serverValues, "AddWindow 0 | " + viewChosen}));
    EXPECT_EQ(describe(form),
              "silent=1 pages=1/1 dizhi=http://portal.test caption=澜映影视 T4=1 T6=1 library=0 "
              "label=当前版本:1.0版 downloads=1 gun=1");
    EXPECT_EQ(sim.network().downloads(), Calls{"http://portal.test/zel/link.txt"});
    EXPECT_EQ(dynamic_cast<platform::sim::SimTimer&>(*form.gun).dueAt(), sim.now() + 1000)
        << "the notice rotation starts after the notice list arrived";
    EXPECT_EQ(services.maxSize, (platform::Size{1366, 768 - 40}));
}

TEST_F(Form1Test, LoadingKeepsServerValuesAndSettingsAsTexts) {
    Form1 form(platform, services);
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
    Form1 form(platform, services);
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
    Form1 form(platform, services);
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

TEST_F(Form1Test, AdvertisementTimersFollowTheServerSwitches) {
    writeGbk("zelhe.db", "[弹窗广告设置项]\r\n开关=1\r\n[电影推荐窗口]\r\n开关=1\r\n");
    Form1 form(platform, services);
    form.Form_Load();
    services.calls.clear();

    sim.advance(12000);
    EXPECT_EQ(std::count(services.calls.begin(), services.calls.end(), "PopupSchedule"), 12);
    EXPECT_EQ(std::count(services.calls.begin(), services.calls.end(), "ShowRecommendation"), 1);
}

TEST_F(Form1Test, SwitchesThatAreNotExactlyOneStayOff) {
    writeGbk("zelhe.db", "[弹窗广告设置项]\r\n开关=01\r\n[电影推荐窗口]\r\n开关=on\r\n");
    Form1 form(platform, services);
    form.Form_Load();
    services.calls.clear();

    sim.advance(12000);
    EXPECT_TRUE(services.calls.empty());
}

}  // namespace
}  // namespace fluvane::mainwindow
