#include "windows/f_main.h"

#include "support/app_fixture.h"

namespace fluvane::windows {

using namespace testsupport;
namespace {

using platform::Point;
using platform::Rect;
using platform::sim::as;
using platform::sim::SimBrowser;
using platform::sim::SimForm;
using platform::sim::SimLine;
using Calls = std::vector<std::string>;

// The side window loaded beside a shown main window that is registered with
// its own magnetic-window service, as the main window does.
class SideWindowTest : public AppTest {
protected:
    SideWindowTest() {
        mainForm->setGeometry(Rect::fromSize(100, 50, 800, 600));
        mainForm->show();
        magnetic.AddWindow(*mainForm);
        side.Form_Load(*mainForm, magnetic);
        side.form().show();
    }

    SimForm& sideForm() { return as<SimForm>(side.form()); }
    Point topLeft(platform::Form& form) { return {form.geometry().left, form.geometry().top}; }
    std::pair<Point, Point> ends(platform::Line* line) { return {as<SimLine>(*line).from(), as<SimLine>(*line).to()}; }

    std::unique_ptr<platform::Form> mainForm = platform.ui.createForm();
    fMain side{platform};
    // Gone first: it hands both windows their procedures back.
    winsvc::cMagneticWnd magnetic{platform.ui};
};

TEST_F(SideWindowTest, ItLoadsAgainstTheMainWindowsRightEdgeAtItsDesignSizeAndShowsWhereItIsTold) {
    EXPECT_EQ(side.form().geometry(), Rect::fromSize(900, 50, 149, 623));
    EXPECT_FALSE(sideForm().showInTaskbar());

    side.form().hide();
    side.Show({10, 20});
    EXPECT_EQ(side.form().geometry(), Rect::fromSize(10, 20, 149, 623));
    EXPECT_TRUE(sideForm().shown());
    EXPECT_EQ(sideForm().owner(), nullptr);
}

TEST_F(SideWindowTest, TheLoadingPageGivesWayToTheFixedPortalFeedAfterFiveSeconds) {
    auto& pane = as<SimBrowser>(*side.w);
    const Calls loading{"file://" + (appDir() / "app" / "loading.html").string()};
    EXPECT_EQ(pane.navigations(), loading);
    EXPECT_TRUE(pane.silent());

    sim.advance(4999);
    EXPECT_EQ(pane.navigations(), loading);
    sim.advance(1);
    EXPECT_EQ(pane.locationUrl(), "http://portal.test/tcab/zelad/l/");
    sim.advance(60000);
    EXPECT_EQ(pane.navigations().size(), 2u);
}

TEST_F(SideWindowTest, DraggingTheMainWindowCarriesItAndDraggingItMovesItAlone) {
    auto& main = as<SimForm>(*mainForm);
    main.simulateDrag(40, 30, 4);
    EXPECT_EQ(topLeft(side.form()), (Point{940, 80})) << "glued: the offset is kept";

    sideForm().setNextDrag(60, -20);
    sim.ui().press(*side.P, {20, 20});
    EXPECT_EQ(sideForm().sizeMoveLoops(), 1);
    EXPECT_EQ(topLeft(side.form()), (Point{1000, 60}));
    EXPECT_EQ(topLeft(*mainForm), (Point{140, 80}));

    main.simulateDrag(-40, -30);
    EXPECT_EQ(topLeft(side.form()), (Point{1000, 60})) << "apart, it is no longer glued";
}

TEST_F(SideWindowTest, TheCloseButtonLightsUpUnderThePointerAndClosesTheWindowForGood) {
    sim.ui().move(*side.I1, {4, 4});
    EXPECT_EQ(side.I1->picture(), side.i3->picture());
    sim.ui().move(*side.P, {4, 4});
    EXPECT_EQ(side.I1->picture(), side.i2->picture());

    sim.ui().click(*side.I1, {4, 4});
    EXPECT_TRUE(sideForm().closed());
    EXPECT_FALSE(magnetic.RemoveWindow(side.form())) << "it left the magnetic service";
    as<SimForm>(*mainForm).simulateDrag(40, 30);
    EXPECT_EQ(topLeft(*mainForm), (Point{140, 80}));
}

TEST_F(SideWindowTest, LayoutFollowsTheSizeButNotWhileMinimised) {
    side.form().setGeometry(Rect::fromSize(900, 50, 200, 500));
    const auto laidOut = [&] {
        EXPECT_EQ(ends(side.Line1), std::pair(Point{0, 0}, Point{200, 0}));
        EXPECT_EQ(ends(side.Line2), std::pair(Point{0, 0}, Point{0, 500}));
        EXPECT_EQ(ends(side.Line3), std::pair(Point{199, 0}, Point{199, 500}));
        EXPECT_EQ(ends(side.Line4), std::pair(Point{0, 499}, Point{199, 499}));
        EXPECT_EQ(side.P->geometry(), Rect::fromSize(1, 1, 198, 41));
        EXPECT_EQ(side.P1->geometry(), Rect::fromSize(1, 41, 198, 458));
        EXPECT_EQ(side.w->geometry(), Rect::fromSize(-4, -4, 206, 466));
    };
    laidOut();

    side.form().setWindowState(platform::WindowState::Minimized);
    side.form().setGeometry(Rect::fromSize(900, 50, 300, 700));
    laidOut();
}

}  // namespace
}  // namespace fluvane::windows
