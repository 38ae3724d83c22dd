#include "mainwindow/shortcut_tips.h"
#include "windows/frm_app_tip.h"
#include "windows/yijian.h"

#include "support/app_fixture.h"

#include <variant>

namespace fluvane::windows {

using namespace testsupport;
namespace {

using platform::Rect;
using platform::sim::as;
using platform::sim::SimBrowser;
using platform::sim::SimForm;
using platform::sim::SimLine;
namespace draw = platform::sim::draw;
using Calls = std::vector<std::string>;

class FeedbackTest : public AppTest {
protected:
    FeedbackTest() { feedback.form().show(); }

    SimForm& window() { return as<SimForm>(feedback.form()); }
    std::pair<platform::Point, platform::Point> ends(platform::Line* line) {
        return {as<SimLine>(*line).from(), as<SimLine>(*line).to()};
    }
    // The source rectangle of the last copy of `picture` onto the window.
    std::optional<Rect> lastCopyOf(const platform::Picture& picture) {
        const auto origin = platform::sim::originOf(picture);
        const auto& operations = window().operations();
        for (auto op = operations.rbegin(); op != operations.rend(); ++op) {
            if (const auto* copy = std::get_if<draw::Copy>(&*op); copy && copy->picture == origin) return copy->source;
        }
        return std::nullopt;
    }

    yijian feedback{platform, "http://portal.test"};
};

TEST_F(FeedbackTest, TheLocalPageGivesWayToTheGuestbookAfterSixSeconds) {
    feedback.Form_Load();
    auto& pane = as<SimBrowser>(*feedback.WebBrowser1);
    const Calls local{"file://" + (appDir() / "zelskin" / "html" / "gbook.html").string()};
    EXPECT_EQ(pane.navigations(), local);
    EXPECT_TRUE(pane.silent());

    sim.advance(5999);
    EXPECT_EQ(pane.navigations(), local);
    sim.advance(1);
    EXPECT_EQ(pane.locationUrl(), "http://portal.test/tcab/gbook.asp");
    sim.advance(60000);
    EXPECT_EQ(pane.navigations().size(), 2u);
}

TEST_F(FeedbackTest, LayoutFollowsTheSizeButNotWhileMinimised) {
    feedback.form().setGeometry(Rect::fromSize(10, 10, 600, 400));
    const auto laidOut = [&] {
        EXPECT_EQ(window().region(), (platform::RoundedRect{{0, 0, 601, 600}, {5, 5}}));
        EXPECT_EQ(ends(feedback.Line1), std::pair(platform::Point{0, 41}, platform::Point{600, 41}));
        EXPECT_EQ(ends(feedback.Line3), std::pair(platform::Point{599, 41}, platform::Point{599, 400}));
        EXPECT_EQ(ends(feedback.Line4), std::pair(platform::Point{0, 399}, platform::Point{599, 399}));
        EXPECT_EQ(feedback.Button1[0]->geometry(), Rect::fromSize(568, 6, 32, 45));
        EXPECT_EQ(feedback.P1->geometry(), Rect::fromSize(2, 42, 596, 358));
        EXPECT_EQ(feedback.WebBrowser1->geometry(), Rect::fromSize(-3, -3, 601, 363));  // 80 twips wider and higher
    };
    laidOut();

    feedback.form().setWindowState(platform::WindowState::Minimized);
    feedback.form().setGeometry(Rect::fromSize(10, 10, 700, 500));
    laidOut();
}

TEST_F(FeedbackTest, TheTitleBarIsPaintedWithTheCloseButtonInItsThreeLooks) {
    ASSERT_TRUE(feedback.Image1->picture() && feedback.Image4->picture());
    sim.ui().processEvents();

    const platform::Picture& strip = *feedback.Image1->picture();
    const platform::Picture& close = *feedback.Image4->picture();
    EXPECT_EQ(lastCopyOf(strip), Rect::fromSize(0, 0, 513, 45));
    EXPECT_EQ(lastCopyOf(close), Rect::fromSize(0, 0, 32, 45));
    const auto& text = std::get<draw::Text>(window().operations().back());
    EXPECT_EQ(text.utf8, "留言求片");
    EXPECT_EQ((platform::Point{text.box.left, text.box.top}), (platform::Point{26, 12}));

    struct Step {
        std::function<void()> act;
        int frame;
    };
    platform::Control& button = *feedback.Button1[0];
    const Step steps[] = {
        {[&] {
             sim.ui().move(button, {4, 4});
         },
         32},
        {[&] {
             sim.ui().move(feedback.form(), {100, 20});
         },
         0},
        {[&] {
             sim.ui().press(button, {4, 4});
         },
         64},
    };
    for (const Step& step : steps) {
        step.act();
        const platform::sim::DrawOp& last = window().operations().back();
        ASSERT_TRUE(std::holds_alternative<draw::Copy>(last));
        EXPECT_EQ(std::get<draw::Copy>(last).source, Rect::fromSize(step.frame, 0, 32, 45));
        EXPECT_EQ(std::get<draw::Copy>(last).destination, (platform::Point{481, 6}));
    }
    sim.ui().click(button, {4, 4});
    EXPECT_TRUE(window().closed());
}

TEST_F(FeedbackTest, PressingTheSurfaceDragsTheWindowUnderItsOwnPointer) {
    feedback.form().setCursor(platform::Cursor::SizeAll);
    window().setNextDrag(30, 40);
    sim.ui().press(feedback.form(), {200, 20});
    EXPECT_EQ(window().cursor(), platform::Cursor::Default);
    EXPECT_EQ(window().sizeMoveLoops(), 1);
    EXPECT_EQ(feedback.form().geometry().left, 30);
}

using TipTest = AppTest;

TEST_F(TipTest, ALaterTipReplacesTheOneShowingAndGetsItsFullThreeSeconds) {
    FrmAppTip tip(platform);
    auto& form = as<SimForm>(tip.form());
    tip.ShowTip(mainwindow::kShortcutMade);
    sim.advance(1000);
    tip.ShowTip(mainwindow::kShortcutFailed);
    EXPECT_EQ(tip.Label1->caption(), mainwindow::kShortcutFailed);
    EXPECT_EQ(tip.form().geometry(), Rect::fromSize((1366 - 356) / 2, (768 - 33) / 2, 356, 33));

    sim.advance(2999);
    EXPECT_TRUE(form.shown());
    sim.advance(1);
    EXPECT_FALSE(form.shown());
    EXPECT_FALSE(form.closed());

    tip.ShowTip(FrmAppTip::kSettingsSaved);
    sim.advance(2999);
    EXPECT_TRUE(form.shown());
    sim.advance(1);
    EXPECT_FALSE(form.shown());
}

}  // namespace
}  // namespace fluvane::windows
