#include "form1_fixture.h"

namespace fluvane::mainwindow {
namespace {

using platform::Rect;

struct Place {
    const char* name;
    platform::Control* control;
    Rect expected;
};

class Form1LayoutTest : public Form1Fixture {
protected:
    void expectPlaces(const std::vector<Place>& places) {
        for (const Place& place : places) EXPECT_EQ(place.control->geometry(), place.expected) << place.name;
    }
};

TEST_F(Form1LayoutTest, TheDesignSizeLaysOutEveryPane) {
    Form1Design& f = load();
    EXPECT_EQ(f.form().geometry(), Rect::fromSize(193, 53, 980, 661));
    expectPlaces({{"Picture1", f.Picture1, Rect::fromSize(2, 42, 976, 617)},
                  {"ListWeb", f.ListWeb, Rect::fromSize(-2, -2, 980, 621)},
                  {"W2", f.W2, Rect::fromSize(-2, -2, 980, 621)},
                  {"Picture2", f.Picture2, Rect::fromSize(2, 42, 976, 617)},
                  {"close", f.Button1[0], Rect::fromSize(946, 2, 32, 45)},
                  {"maximise", f.Button1[1], Rect::fromSize(919, 2, 27, 45)},
                  {"minimise", f.Button1[2], Rect::fromSize(892, 2, 27, 45)},
                  {"menu", f.Button1[3], Rect::fromSize(865, 2, 27, 45)},
                  {"feedback", f.Button1[4], Rect::fromSize(838, 2, 27, 45)},
                  {"logo", f.Button1[7], Rect::fromSize(0, 2, 81, 45)},
                  {"tab 0", f.Button2[0], Rect::fromSize(116, 1, 116, 45)},
                  {"tab 4", f.Button2[4], Rect::fromSize(588, 1, 116, 45)},
                  {"bottom bar", f.Picture5, Rect::fromSize(0, 576, 976, 41)},
                  {"panel", f.Picture6, Rect::fromSize(726, 0, 250, 581)},
                  {"splitter", f.Picture3, Rect::fromSize(716, 0, 10, 581)},
                  {"splitter picture", f.Image11, Rect::fromSize(0, 0, 10, 581)},
                  {"handle", f.Picture4, Rect::fromSize(0, 240, 10, 128)},
                  {"bj", f.bj, Rect::fromSize(-2, -2, 720, 582)},
                  {"bjimg", f.bjimg, Rect::fromSize(200, 201, 320, 180)},
                  {"W3", f.W3, Rect::fromSize(-2, -2, 720, 582)},
                  {"vip", f.vip, Rect::fromSize(-40, -40, 796, 616)},
                  {"vip3", f.vip3, Rect::fromSize(0, 596, 796, 20)},
                  {"Label5", f.Label5, Rect::fromSize(366, 4, 64, 12)},
                  {"tip", f.tip, Rect::fromSize(426, 4, 40, 12)},
                  {"qvod", f.qvod, Rect::fromSize(-3, -3, 799, 621)},
                  {"playlist button", f.Picture8, Rect::fromSize(952, 0, 19, 41)},
                  {"drag strip", f.Picture9, Rect::fromSize(260, 0, 455, 41)},
                  {"notice", f.Label2, Rect::fromSize(173, 13, 270, 14)},
                  {"bar picture", f.Image14, Rect::fromSize(0, 0, 455, 41)},
                  {"update icon", f.Image2, Rect::fromSize(4, 16, 12, 12)},
                  {"panel header", f.Image15, Rect::fromSize(0, 0, 261, 45)},
                  {"version", f.Label1, Rect::fromSize(24, 16, 160, 12)},
                  {"clear button", f.Picture7, Rect::fromSize(219, 0, 31, 31)},
                  {"playlist", f.SFPlayList1Window, Rect::fromSize(0, 45, 250, 359)},
                  {"list advertisement", &f.listad1->UserControl, Rect::fromSize(30, 412, 185, 177)},
                  {"list advertisement page", &f.listad1->w, Rect::fromSize(-4, -4, 297, 241)}});
    const auto& frame = platform::sim::as<platform::sim::SimLine>(*f.Line4);
    EXPECT_EQ(frame.from(), (platform::Point{1, 659}));
    EXPECT_EQ(frame.to(), (platform::Point{979, 659}));
    const auto z = [](platform::Control& control) { return dynamic_cast<platform::sim::SimNode&>(control).zOrder(); };
    EXPECT_GT(z(*f.Picture1), z(*f.Picture2));
    EXPECT_LT(z(*f.W3), z(*f.vip)) << "the player page loads under the buffering overlay";
    EXPECT_LT(z(*f.vip), z(*f.Picture6)) << "the overlay reaches under the playlist panel";
    EXPECT_LT(z(*f.qvod), z(*f.vip3)) << "the countdown shows over the buffering page";
}

TEST_F(Form1LayoutTest, TheHandleAndThePlaylistButtonToggleThePanel) {
    Form1Design& f = load();
    for (platform::Surface* toggle : {f.Picture4, f.Picture8}) {
        platform::sim::as<platform::sim::SimSurface>(*f.Picture4).clearOperations();
        ASSERT_TRUE(sim.ui().click(*toggle, {5, 5}));
        EXPECT_FALSE(f.Picture6->visible());
        ASSERT_FALSE(copies(*f.Picture4).empty());
        EXPECT_EQ(copies(*f.Picture4).back(),
                  (platform::sim::draw::Copy{platform::sim::PictureOrigin::resource(305), Rect::fromSize(0, 0, 10, 128), {0, 0}}))
            << "the handle turns";
        expectPlaces({{"splitter", f.Picture3, Rect::fromSize(966, 0, 10, 581)},
                      {"bj", f.bj, Rect::fromSize(-2, -2, 970, 582)},
                      {"W3", f.W3, Rect::fromSize(-2, -2, 970, 582)},
                      {"vip", f.vip, Rect::fromSize(-40, -40, 1046, 616)}});

        ASSERT_TRUE(sim.ui().click(*toggle, {5, 5}));
        EXPECT_TRUE(f.Picture6->visible());
        EXPECT_EQ(f.Picture3->geometry(), Rect::fromSize(716, 0, 10, 581));
        EXPECT_EQ(f.bj->geometry(), Rect::fromSize(-2, -2, 720, 582));
    }
}

// The system parks a minimised window far off screen at a caption's size.
TEST_F(Form1LayoutTest, MinimisedNothingMovesAndRestoringLaysOutAgain) {
    Form1Design& f = load();
    window().setWindowState(platform::WindowState::Minimized);
    window().setGeometry(Rect::fromSize(-32000, -32000, 160, 28));
    EXPECT_EQ(f.Picture2->geometry(), Rect::fromSize(2, 42, 976, 617));
    EXPECT_EQ(f.Picture6->geometry(), Rect::fromSize(726, 0, 250, 581));

    window().setWindowState(platform::WindowState::Normal);
    window().setGeometry(Rect::fromSize(100, 50, 1100, 700));
    expectPlaces({{"Picture2", f.Picture2, Rect::fromSize(2, 42, 1096, 656)},
                  {"ListWeb", f.ListWeb, Rect::fromSize(-2, -2, 1100, 660)},
                  {"close", f.Button1[0], Rect::fromSize(1066, 2, 32, 45)},
                  {"panel", f.Picture6, Rect::fromSize(846, 0, 250, 620)},
                  {"handle", f.Picture4, Rect::fromSize(0, 260, 10, 128)},
                  {"bottom bar", f.Picture5, Rect::fromSize(0, 615, 1096, 41)},
                  {"drag strip", f.Picture9, Rect::fromSize(320, 0, 455, 41)},
                  {"playlist", f.SFPlayList1Window, Rect::fromSize(0, 45, 250, 398)},
                  {"vip3", f.vip3, Rect::fromSize(0, 635, 916, 20)}});
}

}  // namespace
}  // namespace fluvane::mainwindow
