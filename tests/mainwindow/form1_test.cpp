#include "support/app_fixture.h"
#include "support/form1_inside.h"
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

    // What the steps of the load leave behind, as far as the window shows it.
    std::string describe(Form1& form) {
        const auto pages = [](platform::BrowserPane& pane) {
            return std::to_string(platform::sim::as<platform::sim::SimBrowser>(pane).navigations().size());
        };
        const auto on = [](const platform::Timer& timer) { return timer.enabled() ? "1" : "0"; };
        const auto& icon = platform::sim::as<platform::sim::SimForm>(form.form()).icon();
        return "tray=" + std::to_string(sim.ui().notifyIconCalls().size()) +
               " newWindow=" + (controlsOf(form).W2->browserEvents.newWindow ? "1" : "0") +
               " icon=" + (icon ? std::to_string(static_cast<int>(platform::sim::originOf(*icon).kind)) : "none") +
               " skin=" + (controlsOf(form).tv->picture() ? "1" : "0") + " T4=" + on(Form1Inside::T4(form)) +
               " groups=" + std::to_string(controlsOf(form).SFPlayList1->NodesCount()) +
               " silent=" + (controlsOf(form).ListWeb->silent() ? "1" : "0") +
               " pages=" + pages(*controlsOf(form).ListWeb) + "/" + pages(*controlsOf(form).W2) +
               " dizhi=" + Form1Inside::values(form).dizhi + " caption=" + form.form().caption() +
               " T6=" + on(Form1Inside::T6(form)) + " library=" + (controlsOf(form).Picture1->visible() ? "1" : "0") +
               " label=" + controlsOf(form).Label1->caption() +
               " downloads=" + std::to_string(sim.network().downloads().size()) + " gun=" + on(Form1Inside::gun(form)) +
               " bounded=" + (maximisedSize(form) == platform::Point{1366, 728} ? "1" : "0");
    }

    // What the window's procedures answer the platform's maximise question.
    static platform::Point maximisedSize(Form1& form) {
        platform::MinMaxInfo info;
        info.maxSize = {1366, 768};
        form.form().sendMessage(platform::msg::GetMinMaxInfo, 0, reinterpret_cast<std::intptr_t>(&info));
        return info.maxSize;
    }

    RecordingWindows windows;
};

// Each pane's first navigation shows what the steps before it did; the
// notice list's download blocks, so the timers armed before it are due
// earlier than the rotation armed after it.
TEST_F(Form1Test, TheLoadHandlerRunsItsStepsInOrder) {
    serveGbk("/zel/link.txt", "通知###http://portal.test/n", 700);
    writeBytes(appDir() / "zelskin" / "zelplaylist.xml", "<playlist><ul><Class Name=\"甲\"/></ul></playlist>");
    Form1 form(platform, windows);
    std::vector<std::string> seen;
    for (platform::BrowserPane* pane : {controlsOf(form).ListWeb, controlsOf(form).W2})
        pane->browserEvents.beforeNavigate2 = [&](const std::string&, const platform::NavigationSource&, bool&) {
            seen.push_back(describe(form));
        };
    form.Form_Load();

    // Icon kinds: 1 stored with the program, 3 from an icon file.
    const std::string skinned = "tray=1 newWindow=1 icon=3 skin=1 T4=1 groups=1 silent=1 ";
    EXPECT_EQ(seen, (Calls{skinned + "pages=1/0 dizhi= caption= T6=0 library=1 label=正在检测新版本 downloads=0 "
                                     "gun=0 bounded=0",
                           skinned + "pages=1/1 dizhi= caption= T6=0 library=1 label=正在检测新版本 downloads=0 "
                                     "gun=0 bounded=0"}));
    EXPECT_EQ(describe(form), skinned +
                                  "pages=1/1 dizhi=http://portal.test caption=澜映影视 T6=1 library=0 "
                                  "label=当前版本:1.0版 downloads=1 gun=1 bounded=1");
    const auto& trayAdded = sim.ui().notifyIconCalls().front();
    EXPECT_EQ(trayAdded.operation, platform::NotifyIconOperation::Add);
    EXPECT_EQ(trayAdded.data.tip, "") << "installed before the caption is read";
    EXPECT_EQ(platform::sim::originOf(*trayAdded.data.icon), platform::sim::PictureOrigin::resource(203))
        << "installed before the skin's icon is set";
    EXPECT_FALSE(form.magneticWindows().AddWindow(form.form())) << "registered already";

    form.show();
    bool shownAtUnload = true;
    form.form().formEvents.unload = [&] { shownAtUnload = form.form().visible(); };
    const auto playlist = appDir() / "zelskin" / "zelplaylist.xml";
    std::filesystem::remove(playlist);
    form.form().sendMessage(platform::msg::SysCommand, platform::syscmd::Close, 0);
    EXPECT_FALSE(shownAtUnload) << "the taskbar button's close hides the window first";
    EXPECT_TRUE(platform::sim::as<platform::sim::SimForm>(form.form()).closed());
    // Not the exit: nothing saved, the icon left, nothing terminated.
    EXPECT_FALSE(std::filesystem::exists(playlist));
    EXPECT_NE(sim.ui().notifyIconCalls().back().operation, platform::NotifyIconOperation::Delete);
    EXPECT_TRUE(sim.processes().terminations().empty());
    EXPECT_EQ(sim.network().downloads(), Calls{"http://portal.test/zel/link.txt"});
    const auto dueAt = [](platform::Timer& timer) { return dynamic_cast<platform::sim::SimTimer&>(timer).dueAt(); };
    EXPECT_EQ(dueAt(Form1Inside::T4(form)), 3000);
    EXPECT_EQ(dueAt(Form1Inside::T6(form)), 1000);
    EXPECT_EQ(dueAt(Form1Inside::gun(form)), 700 + 1000);
}

TEST_F(Form1Test, ARightClickOnTheTrayIconAsksForTheTrayMenu) {
    Form1 form(platform, windows);
    form.Form_Load();
    sim.ui().setCursorPosition({1300, 750});
    ASSERT_TRUE(sim.ui().raiseTrayCallback(0, platform::traymsg::RightButtonUp));
    EXPECT_EQ(windows.calls, Calls{"tray menu 1300,750"});
}

TEST_F(Form1Test, LoadingReadsServerValuesAndSettingsOnce) {
    Form1 form(platform, windows);
    form.Form_Load();

    const ServerValues& values = Form1Inside::values(form);
    EXPECT_TRUE(values.ad);
    EXPECT_EQ(values.L1, 30);
    EXPECT_EQ(values.l2, 600);
    EXPECT_TRUE(values.tuichu);
    EXPECT_TRUE(values.huangchong);
    EXPECT_EQ(values.da, 15);
    EXPECT_FALSE(values.hit1);
    const StartupSettings& settings = Form1Inside::settings(form);
    EXPECT_TRUE(settings.form);
    EXPECT_FALSE(settings.run);
    EXPECT_TRUE(settings.renwulan);
    EXPECT_FALSE(settings.shipinku);

    const std::string loadingPage = "file://" + (appDir() / "zelskin" / "html" / "Loading.html").string();
    EXPECT_EQ(platform::sim::as<platform::sim::SimBrowser>(*controlsOf(form).ListWeb).navigations(),
              Calls{loadingPage});
    EXPECT_EQ(platform::sim::as<platform::sim::SimBrowser>(*controlsOf(form).W2).navigations(), Calls{loadingPage});
}

TEST_F(Form1Test, T4NavigatesTheLibraryAndLoadingPanesOnce) {
    Form1 form(platform, windows);
    form.Form_Load();
    auto& library = platform::sim::as<platform::sim::SimBrowser>(*controlsOf(form).ListWeb);
    auto& buffering = platform::sim::as<platform::sim::SimBrowser>(*controlsOf(form).qvod);

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

// The recommendation comes once, six seconds after loading, and the pop-up
// schedule starts, each where the server switches it on.
TEST_F(Form1Test, TheLoadStartsTheRecommendationAndThePopUps) {
    for (const char* on : {"1", "0"}) {
        writeGbk("zelhe.db", std::string("[澜映软件配置]\r\n域名=http://portal.test\r\n[弹窗广告设置项]\r\n开关=") +
                                 on + "\r\n广告初始时间=8\r\n[电影推荐窗口]\r\n开关=" + on + "\r\n");
        RecordingWindows quiet;
        Form1 form(platform, quiet);
        form.Form_Load();
        sim.advance(5999);
        EXPECT_TRUE(quiet.calls.empty()) << on;
        sim.advance(30'000);
        EXPECT_EQ(quiet.calls, (std::string_view(on) == "1"
                                    ? Calls{"recommendation", "popup http://portal.test/tcab/zelad/tan/?id=2"}
                                    : Calls{}))
            << on;
    }
}

}  // namespace
}  // namespace fluvane::mainwindow
