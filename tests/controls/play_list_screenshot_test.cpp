// A filled playlist drawn by the Qt platform (offscreen) and read back pixel by
// pixel: rows, the selected entry's marker, the hover background and the bar.
#include "controls/sf_play_list.h"
#include "fluvane_resources.h"
#include "platform/qt/qt_form.h"
#include "platform/qt/qt_ui.h"
#include "qt_test_application.h"

#include <QImage>
#include <QTest>

#include <gtest/gtest.h>

namespace fluvane::controls {
namespace {

using platform::Color;
using platform::Rect;

constexpr int kWidth = 260;
constexpr int kHeight = 200;
constexpr std::uint32_t kMagenta = 0xFF00FF;

Color fromRgb(std::uint32_t rgb) { return Color::rgb(int(rgb >> 16) & 0xFF, int(rgb >> 8) & 0xFF, int(rgb) & 0xFF); }

std::uint32_t bitmapPixel(int id, int x, int y) {
    const resources::Bitmap bitmap = resources::FindBitmap(id);
    return bitmap.pixels[static_cast<std::size_t>(y * bitmap.width + x)];
}

class PlayListScreenshotTest : public ::testing::Test {
protected:
    PlayListScreenshotTest() : app(platform::qt::testing::testApplication("offscreen")) {
        form->setGeometry(Rect::fromSize(0, 0, kWidth, kHeight));
        surface.setGeometry(Rect::fromSize(0, 0, kWidth, kHeight));
    }

    Color at(int x, int y) const {
        const QRgb rgb = shot.pixel(x, y);
        return Color::rgb(qRed(rgb), qGreen(rgb), qBlue(rgb));
    }
    void takeShot() {
        form->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(static_cast<platform::qt::QtForm&>(*form).widget()));
        for (int i = 0; i < 5; ++i) ui.processEvents();
        shot = static_cast<platform::qt::QtForm&>(*form).widget()->grab().toImage();
        ASSERT_EQ(shot.width(), kWidth);
    }
    // The left slice of a row background (columns 0..14, left of every mark)
    // as bitmap 102 has it from `sourceTop`.
    void expectLeftSlice(int rowTop, int sourceTop) {
        for (int y = 0; y < 28; ++y)
            for (int x = 0; x < 15; ++x)
                ASSERT_EQ(at(x, rowTop + y), fromRgb(bitmapPixel(102, x, sourceTop + y))) << x << "," << y;
    }

    QApplication& app;
    platform::qt::testing::RecordingShell shell;
    platform::qt::QtUi ui{{}, {}, shell};
    std::unique_ptr<platform::Form> form = ui.createForm();
    platform::Surface& surface = form->addSurface();
    SFPlayList list{surface, ui, platform::Font{}};
    QImage shot;
};

TEST_F(PlayListScreenshotTest, RowsMarkerHoverAndScrollBarWhereTheyBelong) {
    list.AddNode("Films");
    list.AddNode("Series");
    for (int i = 0; i < 8; ++i) list.AddItem(1, "Episode " + std::to_string(i + 1), "http://127.0.0.1/e");
    // Rows: Films 0-28, Series 28-56, entries from 56; the bar is shown (10 rows > 200 px).
    surface.events.mouseDown({platform::button::Left, 0, 50, 60});  // select entry 0 (56-84)
    surface.events.mouseMove({platform::button::None, 0, 50, 90});  // hover entry 1 (84-112)
    takeShot();

    const Color background = Color::rgb(46, 46, 46);
    const int drawWidth = kWidth - 17;
    // Group rows: plain background left of the box, the open box of "Series".
    EXPECT_EQ(at(5, 14), background);
    for (int y = 0; y < 12; ++y)
        for (int x = 0; x < 12; ++x) {
            const std::uint32_t closed = bitmapPixel(101, x, y);
            const std::uint32_t open = bitmapPixel(101, 12 + x, y);
            if (closed != kMagenta) {
                EXPECT_EQ(at(15 + x, 8 + y), fromRgb(closed));
            }
            if (open != kMagenta) {
                EXPECT_EQ(at(15 + x, 36 + y), fromRgb(open));
            }
        }
    // The selected entry: selected background and the orange marker at (15, t + 10).
    expectLeftSlice(56, 28);
    for (int y = 0; y < 7; ++y)
        for (int x = 0; x < 4; ++x) {
            const std::uint32_t marker = bitmapPixel(101, 24 + x, 5 + y);
            const std::uint32_t under = bitmapPixel(102, 15 + x, 28 + 10 + y);
            EXPECT_EQ(at(15 + x, 66 + y), fromRgb(marker == kMagenta ? under : marker));
        }
    // Its right slice ends at the draw width, left of the bar.
    for (int x = 0; x < 10; ++x) EXPECT_EQ(at(drawWidth - 10 + x, 56 + 2), fromRgb(bitmapPixel(102, 158 + x, 28 + 2)));
    // The hovered entry: hover background; the next entry: none.
    expectLeftSlice(84, 0);
    EXPECT_EQ(at(5, 112 + 14), background);
    // Entry names are drawn in the selected and the normal colour.
    bool selectedText = false, normalText = false;
    for (int y = 64; y < 84; ++y)
        for (int x = 40; x < 140; ++x) selectedText |= at(x, y) != at(40, 56 + 2) && at(x, y).red() > 150;
    for (int y = 120; y < 140; ++y)
        for (int x = 40; x < 140; ++x) normalText |= at(x, y) != background;
    EXPECT_TRUE(selectedText);
    EXPECT_TRUE(normalText);
    // The scroll bar: up arrow at the top right, down arrow at the bottom.
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) {
            EXPECT_EQ(at(drawWidth + x, y), fromRgb(bitmapPixel(103, x, y)));
            EXPECT_EQ(at(drawWidth + x, kHeight - 16 + y), fromRgb(bitmapPixel(103, x, 82 + y)));
        }
}

}  // namespace
}  // namespace fluvane::controls
