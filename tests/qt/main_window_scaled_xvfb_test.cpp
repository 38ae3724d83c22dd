// The main window on a screen scaled by 2 (QT_SCALE_FACTOR=2, set where the
// test is registered): the title bar shows the skin's pictures drawn for that
// scale, pixel for pixel, while the logic keeps its own geometry.
#include "main_window_fixture.h"

#include <QColor>
#include <QImage>
#include <QRect>
#include <QString>

namespace fluvane::platform::qt {
namespace {

constexpr int kScale = 2;

// A skin picture drawn for scale 2, read from the files the build draws.
QImage finerPicture(const char* name) {
    return QImage(QStringLiteral(FLUVANE_GENERATED_SKIN_DIR "/zelskin/skin/%1@2x.jpg").arg(QLatin1String(name)))
        .convertToFormat(QImage::Format_RGB32);
}

class ScaledMainWindowTest : public testing::MainWindowFixture {};

TEST_F(ScaledMainWindowTest, TheTitleBarShowsTheFinerPicturesPixelForPixel) {
    ASSERT_EQ(widgetOf(window)->devicePixelRatio(), kScale);
    const int SW = 980;
    ASSERT_EQ(window.geometry().width(), SW);  // the logic's own pixels
    const QImage shot = screen();
    save(shot, "main_window_at_2x");

    // Areas in the window's pixels, inside the frame and above the strip's
    // separator row, and where each lies in its picture: the cells at rest and
    // the bare strip.
    const struct {
        const char* picture;
        QRect area;
        QPoint from;
    } cells[] = {
        {"Close", {SW - 34, 2, 32, 39}, {0, 0}},
        {"min", {SW - 88, 2, 27, 39}, {0, 0}},
        {"menu", {SW - 115, 2, 27, 39}, {0, 0}},
        {"logo", {8, 9, 97, 26}, {0, 0}},
        {"biaotilan", {600, 1, SW - 142 - 600, 40}, {600, 1}},
    };
    for (const auto& cell : cells) {
        const QImage picture = finerPicture(cell.picture);
        ASSERT_FALSE(picture.isNull()) << cell.picture;
        const QPoint origin = onScreen(window, cell.area.topLeft()) * kScale;
        int differing = 0;
        for (int y = 0; y < cell.area.height() * kScale; ++y) {
            for (int x = 0; x < cell.area.width() * kScale; ++x) {
                const QRgb shown = shot.pixel(origin + QPoint(x, y));
                const QRgb drawn = picture.pixel(cell.from * kScale + QPoint(x, y));
                if ((shown & 0xFFFFFF) != (drawn & 0xFFFFFF) && differing++ == 0) {
                    ADD_FAILURE() << cell.picture << ": first difference at " << x << "," << y << ": "
                                  << QColor(shown).name().toStdString() << " shown, "
                                  << QColor(drawn).name().toStdString() << " drawn";
                }
            }
        }
        EXPECT_EQ(differing, 0) << cell.picture;
    }
}

}  // namespace
}  // namespace fluvane::platform::qt
