#include "form1_fixture.h"

#include <cstdlib>

namespace fluvane::mainwindow {
namespace {

using platform::Control;
using platform::Point;
using platform::Rect;

// Positions computed by halving land on either side of the half pixel.
bool centred(int start, int length, int room) { return std::abs(2 * start + length - room) <= 1; }

class Form1LayoutTest : public Form1Fixture {
protected:
    // What the layout keeps at any size of the window: the panes tile its
    // client area inside the frame, and each child keeps its place against
    // its container's edges or its neighbours.
    void expectTheLayoutRelations(Form1Design& f) {
        const int SW = f.form().geometry().width(), SH = f.form().geometry().height();
        SCOPED_TRACE(std::to_string(SW) + " x " + std::to_string(SH));
        const auto& frame = platform::sim::as<platform::sim::SimLine>(*f.Line4);
        EXPECT_EQ(frame.from(), (Point{1, SH - 2}));
        EXPECT_EQ(frame.to(), (Point{SW - 1, SH - 2}));

        // Below the 42-pixel title strip, both panes leave a 2-pixel margin of bare window.
        const Rect pane = Rect::fromSize(2, 42, SW - 4, SH - 44);
        EXPECT_EQ(f.Picture1->geometry(), pane);
        EXPECT_EQ(f.Picture2->geometry(), pane);
        const int SW2 = pane.width(), SH2 = pane.height();
        // The browsers' own 2-pixel borders fall outside their panes.
        const Rect library = Rect::fromSize(-2, -2, SW2 + 4, SH2 + 4);
        EXPECT_EQ(f.ListWeb->geometry(), library);
        EXPECT_EQ(f.W2->geometry(), library);

        // The title buttons are flush with the right edge and with each other.
        int right = SW - 2;
        for (const int i : {0, 1, 2, 3, 4}) {
            const Rect button = f.Button1[i]->geometry();
            EXPECT_EQ(button, Rect::fromSize(right - button.width(), 2, i == 0 ? 32 : 27, 45)) << i;
            right = button.left;
        }
        EXPECT_EQ(f.Button1[7]->geometry(), Rect::fromSize(0, 2, 81, 45)) << "logo";
        for (const int i : {0, 1, 2, 3}) {
            EXPECT_EQ(f.Button2[i]->geometry(), Rect::fromSize(116 * (i + 1), 1, 116, 45)) << i;
        }
        EXPECT_EQ(f.Button2[4]->geometry(), Rect::fromSize(588, 1, 116, 45));

        // The bottom bar, the panel flush with the right edge, reaching 5
        // pixels over the bar, and the splitter flush with the panel.
        const Rect bar = f.Picture5->geometry(), panel = f.Picture6->geometry();
        EXPECT_EQ(bar, Rect::fromSize(0, SH2 - 41, SW2, 41));
        EXPECT_EQ(panel, Rect::fromSize(SW2 - 250, 0, 250, SH2 - 36));
        EXPECT_EQ(panel.bottom - bar.top, 5);
        const Rect splitter = f.Picture3->geometry();
        EXPECT_EQ(splitter, Rect::fromSize(panel.left - 10, 0, 10, panel.height()));

        // The player area reaches to the splitter; its browser borders fall outside.
        const Rect player{-2, -2, splitter.left + 2, SH2 - 37};
        EXPECT_EQ(f.bj->geometry(), player);
        EXPECT_EQ(f.W3->geometry(), player);
        const Rect backdrop = f.bjimg->geometry();
        EXPECT_TRUE(centred(backdrop.left, backdrop.width(), player.width())) << backdrop.left;
        EXPECT_TRUE(centred(backdrop.top, backdrop.height(), player.height())) << backdrop.top;

        // The buffering overlay reaches 40 pixels under the splitter and the
        // panel and down to the bar; its countdown strip lies along its foot.
        const Rect overlay = f.vip->geometry();
        EXPECT_EQ(overlay, (Rect{-40, -40, splitter.left + 40, bar.top}));
        const Rect strip = f.vip3->geometry();
        EXPECT_EQ(strip, Rect::fromSize(0, overlay.height() - 20, overlay.width(), 20));
        const Rect label = f.Label5->geometry();
        EXPECT_TRUE(centred(label.left, label.width(), strip.width())) << label.left;
        EXPECT_EQ(f.tip->geometry().left - label.left, 60);
        const Rect buffering = f.qvod->geometry();
        EXPECT_LT(buffering.left, 0);
        EXPECT_LT(buffering.top, 0);
        EXPECT_GE(buffering.right, overlay.width());
        EXPECT_GE(buffering.bottom, overlay.height());

        // The bar: the playlist button 5 pixels from its right end, the drag strip in its middle.
        EXPECT_EQ(f.Picture8->geometry(), Rect::fromSize(SW2 - 24, 0, 19, 41));
        const Rect drag = f.Picture9->geometry();
        EXPECT_EQ(drag.width(), 455);
        EXPECT_EQ(drag.height(), 41);
        EXPECT_EQ(drag.top, 0);
        EXPECT_TRUE(centred(drag.left, drag.width(), SW2)) << drag.left;
        EXPECT_EQ(f.Image14->geometry(), Rect::fromSize(0, 0, 455, 41)) << "the bar's picture at its natural size";
        EXPECT_EQ(f.Image2->geometry(), Rect::fromSize(4, 16, 12, 12));
        EXPECT_EQ(f.Label1->geometry().left, 24);
        EXPECT_EQ(f.Label1->geometry().top, 16);

        // The splitter: its picture fills it, the handle in its middle less 50.
        EXPECT_EQ(f.Image11->geometry(), Rect::fromSize(0, 0, 10, splitter.height()));
        const Rect handle = f.Picture4->geometry();
        EXPECT_EQ(handle.width(), 10);
        EXPECT_EQ(handle.height(), 128);
        EXPECT_TRUE(centred(handle.top, 100, splitter.height())) << handle.top;

        // The panel: the clear button in its top right corner, the playlist
        // under the header down to the advertisement's height, and the
        // advertisement 8 pixels below it.
        EXPECT_EQ(f.Image15->geometry(), Rect::fromSize(0, 0, 261, 45)) << "the header at its natural size";
        EXPECT_EQ(f.Picture7->geometry(), Rect::fromSize(panel.width() - 31, 0, 31, 31));
        const Rect advertisement = f.listad1->UserControl.geometry();
        EXPECT_EQ(f.SFPlayList1Window->geometry(),
                  (Rect{0, 45, panel.width(), panel.height() - advertisement.height()}));
        EXPECT_EQ(advertisement, Rect::fromSize(30, panel.height() - advertisement.height() + 8, 185, 177));
    }

    static long z(Control& control) { return dynamic_cast<platform::sim::SimNode&>(control).zOrder(); }
};

// The worked example of the design size: a 980 x 661 client area.
TEST_F(Form1LayoutTest, TheDesignSizeGivesTheWorkedExampleAndKeepsEveryRelation) {
    Form1Design& f = load();
    const Rect window = f.form().geometry();
    EXPECT_EQ(window.width(), 980);
    EXPECT_EQ(window.height(), 661);
    const platform::Size screen = sim.ui().screenSize();
    EXPECT_TRUE(centred(window.left, window.width(), screen.width)) << window.left;
    EXPECT_TRUE(centred(window.top, window.height(), screen.height)) << window.top;

    EXPECT_EQ(f.Picture2->geometry().width(), 976);
    EXPECT_EQ(f.Picture2->geometry().height(), 617);
    EXPECT_EQ(f.Picture6->geometry(), Rect::fromSize(726, 0, 250, 581));
    EXPECT_EQ(f.Picture3->geometry().left, 716);
    EXPECT_EQ(f.Picture5->geometry().top, 576);
    EXPECT_EQ(f.Button1[0]->geometry().left, 946);
    // Label2 sits at 2600 x 200 twips, the advertisement's page at -60, -60 twips, 4455 x 3615.
    EXPECT_EQ(f.Label2->geometry().left, 173);
    EXPECT_EQ(f.Label2->geometry().top, 13);
    EXPECT_EQ(f.listad1->w.geometry(), Rect::fromSize(-4, -4, 297, 241));
    expectTheLayoutRelations(f);

    EXPECT_GT(z(*f.Picture1), z(*f.Picture2));
    EXPECT_LT(z(*f.W3), z(*f.vip)) << "the player page loads under the buffering overlay";
    EXPECT_LT(z(*f.vip), z(*f.Picture6)) << "the overlay reaches under the playlist panel";
    EXPECT_LT(z(*f.qvod), z(*f.vip3)) << "the countdown shows over the buffering page";
}

// Hiding the panel moves the splitter to the right edge and widens the
// player area by the panel's 250 pixels; showing it puts everything back.
TEST_F(Form1LayoutTest, TheHandleAndThePlaylistButtonToggleThePanel) {
    Form1Design& f = load();
    const std::vector<Control*> moving{f.Picture3, f.bj, f.W3, f.vip};
    std::vector<Rect> shown;
    for (Control* control : moving) shown.push_back(control->geometry());
    const int SW2 = f.Picture2->geometry().width();
    for (platform::Surface* toggle : {f.Picture4, f.Picture8}) {
        platform::sim::as<platform::sim::SimSurface>(*f.Picture4).clearOperations();
        ASSERT_TRUE(sim.ui().click(*toggle, {5, 5}));
        EXPECT_FALSE(f.Picture6->visible());
        ASSERT_FALSE(copies(*f.Picture4).empty());
        EXPECT_EQ(copies(*f.Picture4).back(),
                  (platform::sim::draw::Copy{
                      platform::sim::PictureOrigin::resource(305), Rect::fromSize(0, 0, 10, 128), {0, 0}}))
            << "the handle turns";
        EXPECT_EQ(f.Picture3->geometry(), Rect::fromSize(SW2 - 10, 0, 10, shown[0].height()));
        for (std::size_t i = 1; i < moving.size(); ++i) {
            const Rect before = shown[i];
            EXPECT_EQ(moving[i]->geometry(),
                      Rect::fromSize(before.left, before.top, before.width() + 250, before.height()))
                << i;
        }

        ASSERT_TRUE(sim.ui().click(*toggle, {5, 5}));
        EXPECT_TRUE(f.Picture6->visible());
        for (std::size_t i = 0; i < moving.size(); ++i) EXPECT_EQ(moving[i]->geometry(), shown[i]) << i;
    }
}

// The system parks a minimised window far off screen at a caption's size.
TEST_F(Form1LayoutTest, MinimisedNothingMovesAndRestoringLaysOutAgain) {
    Form1Design& f = load();
    const std::vector<Control*> panes{f.Picture2, f.Picture6, f.Picture5, f.bj, f.ListWeb};
    std::vector<Rect> before;
    for (Control* pane : panes) before.push_back(pane->geometry());
    window().setWindowState(platform::WindowState::Minimized);
    window().setGeometry(Rect::fromSize(-32000, -32000, 160, 28));
    for (std::size_t i = 0; i < panes.size(); ++i) EXPECT_EQ(panes[i]->geometry(), before[i]) << i;

    window().setWindowState(platform::WindowState::Normal);
    window().setGeometry(Rect::fromSize(100, 50, 1100, 700));
    expectTheLayoutRelations(f);
}

}  // namespace
}  // namespace fluvane::mainwindow
