#include "form_registry_fixture.h"

#include <functional>

namespace fluvane::client {

using namespace testsupport;
namespace {

using platform::sim::as;
using platform::sim::SimBrowser;
using platform::sim::SimForm;
using Calls = std::vector<std::string>;

TEST_F(FormRegistryTest, APopUpLoadsBeforeItNavigatesAndComesBackAfterItsPageClosedIt) {
    forms.showPopupAd("http://portal.test/tcab/zelad/tan/?id=2");
    windows::tan* first = forms.tan().loaded();
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(simForm(first->form()).owner(), mainForm());
    EXPECT_TRUE(simForm(first->form()).shown());
    EXPECT_EQ(as<SimBrowser>(*first->w).locationUrl(), "http://portal.test/tcab/zelad/tan/?id=2");
    const platform::WindowHandle firstHandle = first->form().handle();

    as<SimBrowser>(*first->w).raiseBeforeNavigate("close://");
    EXPECT_EQ(forms.tan().loaded(), nullptr);

    forms.showPopupAd("http://portal.test/tcab/zelad/tan/?id=1");
    ASSERT_NE(forms.tan().loaded(), nullptr);
    EXPECT_NE(forms.tan().loaded()->form().handle(), firstHandle);
    EXPECT_TRUE(simForm(forms.tan().loaded()->form()).shown());

    forms.closePopupAd();
    EXPECT_EQ(forms.tan().loaded(), nullptr);
}

TEST_F(FormRegistryTest, TheExitAdvertisementShowsWithoutOwnerAndNavigatesItself) {
    forms.showExitAd();
    windows::tui* exit = forms.tui().loaded();
    ASSERT_NE(exit, nullptr);
    EXPECT_EQ(simForm(exit->form()).owner(), nullptr);
    EXPECT_TRUE(simForm(exit->form()).shown());
    EXPECT_EQ(as<SimBrowser>(*exit->w).navigations(), Calls{"http://portal.test/tcab/zelad/tui/?id=1"});
}

TEST_F(FormRegistryTest, FeedbackIsOwnedByTheMainWindowCentredOnItWithItsPortalAddress) {
    forms.showFeedback();
    windows::yijian* feedback = forms.yijian().loaded();
    ASSERT_NE(feedback, nullptr);
    EXPECT_EQ(simForm(feedback->form()).owner(), mainForm());
    const platform::Rect main = mainForm()->geometry();
    EXPECT_EQ(feedback->form().geometry(), platform::Rect::fromSize(main.left + 233, main.top + 179, 513, 302));
    sim.advance(6000);
    EXPECT_EQ(as<SimBrowser>(*feedback->WebBrowser1).locationUrl(), "http://portal.test/tcab/gbook.asp");
}

// Centring belongs to a window's first showing: one the user moved stays put.
TEST_F(FormRegistryTest, AnOpenWindowShownAgainStaysWhereTheUserPutIt) {
    struct Case {
        const char* what;
        std::function<void()> show;
        std::function<platform::Form*()> window;
    };
    const auto formOf = [](auto* window) { return window ? &window->form() : nullptr; };
    const Case cases[] = {
        {"about", [&] { forms.showAbout(); }, [&] { return formOf(forms.shezhigy().loaded()); }},
        {"settings", [&] { forms.showSettings(); }, [&] { return formOf(forms.shezhitip().loaded()); }},
        {"feedback", [&] { forms.showFeedback(); }, [&] { return formOf(forms.yijian().loaded()); }},
    };
    for (const Case& c : cases) {
        c.show();
        platform::Form* window = c.window();
        ASSERT_NE(window, nullptr) << c.what;
        const platform::Rect at = window->geometry();
        const platform::Rect moved = platform::Rect::fromSize(at.left - 70, at.top + 40, at.width(), at.height());
        window->setGeometry(moved);
        c.show();
        EXPECT_EQ(c.window(), window) << c.what;
        EXPECT_EQ(window->geometry(), moved) << c.what;
    }
}

TEST_F(FormRegistryTest, TheSideWindowFollowsTheMainWindowUntilItsCloseButtonUnloadsIt) {
    const platform::Rect main = mainForm()->geometry();
    forms.showSideWindow({main.right, main.top});
    windows::fMain* side = forms.fMain().loaded();
    ASSERT_NE(side, nullptr);
    simForm(*mainForm()).simulateDrag(-30, -20);
    EXPECT_EQ(side->form().geometry(), platform::Rect::fromSize(main.right - 30, main.top - 20, 149, 623));

    sim.ui().click(*side->I1, {4, 4});
    EXPECT_EQ(forms.fMain().loaded(), nullptr);
    EXPECT_FALSE(forms.Form1().magneticWindows().RemoveWindow(side->form()));
}

// Closed, the main window takes every other window with it, hidden ones
// included; only the exit advertisement stays.
TEST_F(FormRegistryTest, TheMainWindowClosedOutsideTheExitTakesTheOtherWindowsWithIt) {
    for (const bool exitAdvertisement : {false, true}) {
        FormRegistry own{platform};
        own.Form1().show();
        const platform::Rect main = own.Form1().form().geometry();
        own.showSideWindow({main.right, main.top});
        own.ShowTip("设置成功 下次启动生效");
        sim.advance(3000);
        ASSERT_NE(own.FrmAppTip().loaded(), nullptr) << "hidden, still loaded";
        if (exitAdvertisement) own.showExitAd();

        own.Form1().form().sendMessage(platform::msg::SysCommand, platform::syscmd::Close, 0);
        EXPECT_EQ(own.loadedForm1(), nullptr);
        EXPECT_EQ(own.FrmAppTip().loaded(), nullptr) << exitAdvertisement;
        EXPECT_EQ(own.fMain().loaded(), nullptr) << exitAdvertisement;
        EXPECT_EQ(own.tui().loaded() != nullptr, exitAdvertisement);
    }
}

// Every timer of the main window dies with it: its pop-ups, its
// recommendation and its notices do not come back over the exit advertisement.
TEST_F(FormRegistryTest, QuittingWithTheExitAdvertisementNoOtherWindowOpensForAMinute) {
    writeGbk("zelhe.db",
             "[澜映软件配置]\r\n域名=http://portal.test\r\n名称=澜映影视\r\n[弹窗广告设置项]\r\n开关=1\r\n"
             "广告初始时间=5\r\n广告循环时间=5\r\n[退窗广告设置项]\r\n开关=1\r\n[电影推荐窗口]\r\n开关=1\r\n");
    FormRegistry own{platform};
    own.Form1().show();
    own.Form1().exitSequence();
    ASSERT_NE(own.tui().loaded(), nullptr);
    for (int second = 0; second < 60; ++second) {
        sim.advance(1000);
        EXPECT_EQ(own.tan().loaded(), nullptr) << second;
        EXPECT_EQ(own.hit().loaded(), nullptr) << second;
        EXPECT_EQ(own.loadedForm1(), nullptr) << second;
    }
    EXPECT_TRUE(simForm(own.tui().loaded()->form()).shown());
}

TEST_F(FormRegistryTest, SettingsAndAboutCloseEachOtherAndSavingShowsTheTip) {
    forms.showAbout();
    ASSERT_NE(forms.shezhigy().loaded(), nullptr);
    EXPECT_EQ(simForm(forms.shezhigy().loaded()->form()).owner(), mainForm());

    forms.showSettings();
    EXPECT_EQ(forms.shezhigy().loaded(), nullptr);
    windows::shezhitip* settings = forms.shezhitip().loaded();
    ASSERT_NE(settings, nullptr);
    EXPECT_EQ(simForm(settings->form()).owner(), mainForm());

    forms.showAbout();
    EXPECT_EQ(forms.shezhitip().loaded(), nullptr);
    forms.showSettings();

    sim.ui().click(*forms.shezhitip().loaded()->Image2, {50, 40});
    EXPECT_EQ(forms.shezhitip().loaded(), nullptr);
    windows::FrmAppTip* tip = forms.FrmAppTip().loaded();
    ASSERT_NE(tip, nullptr);
    EXPECT_EQ(tip->Label1->caption(), "设置成功 下次启动生效");
    EXPECT_TRUE(simForm(tip->form()).shown());
    EXPECT_EQ(simForm(tip->form()).owner(), nullptr);
}

// The main window opens it owned by itself. A recommendation closed and
// opened again while the first one fades destroys the first, whose fade
// then stops without touching it.
TEST_F(FormRegistryTest, TheRecommendationIsOwnedByTheMainWindowAndAReplacedOneIsNotTouchedAgain) {
    forms.showRecommendation();
    windows::hit* first = forms.hit().loaded();
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(simForm(first->form()).owner(), mainForm());
    EXPECT_TRUE(simForm(first->form()).shown());

    const auto reopen = platform.ui.createTimer();
    reopen->setInterval(50);
    reopen->tick = [&] {
        reopen->setEnabled(false);
        forms.hit().unload();
        forms.showRecommendation();
    };
    reopen->setEnabled(true);
    EXPECT_TRUE(as<SimBrowser>(*first->w).raiseBeforeNavigate("appclose://"));

    windows::hit* second = forms.hit().loaded();
    ASSERT_NE(second, nullptr);
    EXPECT_TRUE(simForm(second->form()).shown());
    EXPECT_EQ(simForm(second->form()).alpha(), 255);
}

}  // namespace
}  // namespace fluvane::client
