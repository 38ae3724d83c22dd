#include "platform/qt/qt_canvas.h"
#include "platform/qt/qt_picture_read_ahead.h"
#include "qt_test_application.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <optional>

namespace fluvane::platform::qt {
namespace {

using platform::Color;
using platform::Point;
using platform::Rect;

constexpr Color kBlack = Color::rgb(0, 0, 0);

// A picture whose every pixel tells where it came from: red = x, green = y.
QtPicture numberedPicture(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) image.setPixel(x, y, qRgb(10 + x, 20 + y, 7));
    }
    return QtPicture(image);
}

Color pixel(const QtBuffer& buffer, int x, int y) {
    const QRgb rgb = buffer.image().pixel(x, y);
    return Color::rgb(qRed(rgb), qGreen(rgb), qBlue(rgb));
}

Color source(int x, int y) { return Color::rgb(10 + x, 20 + y, 7); }

// A picture file of `width` × two thirds of it, its red the width.
void writePicture(const QTemporaryDir& dir, const char* name, int width) {
    QImage image(width, 2 * width / 3, QImage::Format_RGB32);
    image.fill(qRgb(width, 0, 0));
    ASSERT_TRUE(image.save(dir.filePath(QLatin1String(name)), "PNG"));
}

class QtCanvasTest : public ::testing::Test {
protected:
    void SetUp() override {
        testing::testApplication("offscreen");
        target.canvas().fill({0, 0, 10, 10}, kBlack);
    }
    QtBuffer target{{10, 10}};
};

TEST_F(QtCanvasTest, CopyMovesExactlyTheSourceRectangle) {
    const QtPicture picture = numberedPicture(4, 4);
    target.canvas().copy(picture, {1, 1, 3, 4}, {5, 6});
    for (int y = 0; y < 10; ++y) {
        for (int x = 0; x < 10; ++x) {
            const bool inside = x >= 5 && x < 7 && y >= 6 && y < 9;
            EXPECT_EQ(pixel(target, x, y), inside ? source(x - 4, y - 5) : kBlack) << x << "," << y;
        }
    }
}

TEST_F(QtCanvasTest, ABufferCopiedOntoItselfMovesWhatItHeldBefore) {
    target.canvas().copy(numberedPicture(4, 1), {0, 0, 4, 1}, {0, 0});
    target.canvas().copy(target, {0, 0, 3, 1}, {1, 0});
    EXPECT_EQ(pixel(target, 0, 0), source(0, 0));
    EXPECT_EQ(pixel(target, 1, 0), source(0, 0));
    EXPECT_EQ(pixel(target, 2, 0), source(1, 0));
    EXPECT_EQ(pixel(target, 3, 0), source(2, 0));

    target.canvas().stretch(target, {1, 0, 3, 1}, {2, 0, 6, 1});
    EXPECT_EQ(pixel(target, 2, 0), source(0, 0));
    EXPECT_EQ(pixel(target, 3, 0), source(0, 0));
    EXPECT_EQ(pixel(target, 4, 0), source(1, 0));
    EXPECT_EQ(pixel(target, 5, 0), source(1, 0));
}

TEST_F(QtCanvasTest, SourceOutsideThePictureCopiesNothing) {
    const QtPicture picture = numberedPicture(2, 2);
    target.canvas().copy(picture, {-1, 0, 3, 1}, {0, 0});
    EXPECT_EQ(pixel(target, 0, 0), kBlack);
    EXPECT_EQ(pixel(target, 1, 0), source(0, 0));
    EXPECT_EQ(pixel(target, 2, 0), source(1, 0));
    EXPECT_EQ(pixel(target, 3, 0), kBlack);
}

TEST_F(QtCanvasTest, PixelsCutAtTheTargetsEdgesLeaveTheRestInPlace) {
    const QtPicture picture = numberedPicture(4, 4);
    target.canvas().copy(picture, {0, 0, 4, 4}, {-2, -1});
    target.canvas().copy(picture, {-1, -1, 3, 3}, {8, 8});
    target.canvas().stretch(picture, {0, 0, 2, 2}, {-2, 4, 2, 8});
    target.canvas().stretch(picture, {-1, 0, 1, 1}, {4, 9, 8, 10});
    const struct {
        int x, y;
        Color expected;
    } cases[] = {
        {0, 0, source(2, 1)}, {1, 2, source(3, 3)}, {2, 0, kBlack},       {0, 3, kBlack},       {9, 9, source(0, 0)},
        {8, 8, kBlack},       {9, 8, kBlack},       {8, 9, kBlack},       {0, 4, source(1, 0)}, {1, 7, source(1, 1)},
        {2, 4, kBlack},       {5, 9, kBlack},       {6, 9, source(0, 0)}, {7, 9, source(0, 0)},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(pixel(target, c.x, c.y), c.expected) << c.x << "," << c.y;
    }
}

TEST_F(QtCanvasTest, StretchRepeatsAndDropsPixelsWithoutBlending) {
    const QtPicture picture = numberedPicture(2, 2);
    target.canvas().stretch(picture, {0, 0, 2, 2}, {0, 0, 4, 4});
    for (int y = 0; y < 4; ++y) {
        for (int x = 0; x < 4; ++x) EXPECT_EQ(pixel(target, x, y), source(x / 2, y / 2));
    }
    EXPECT_EQ(pixel(target, 4, 0), kBlack);

    const QtPicture wide = numberedPicture(6, 1);
    target.canvas().stretch(wide, {0, 0, 6, 1}, {0, 5, 3, 6});
    EXPECT_EQ(pixel(target, 0, 5), source(0, 0));
    EXPECT_EQ(pixel(target, 1, 5), source(2, 0));
    EXPECT_EQ(pixel(target, 2, 5), source(4, 0));
}

TEST_F(QtCanvasTest, TransparentCopyLeavesTheKeyColourOut) {
    QImage image(3, 1, QImage::Format_RGB32);
    image.setPixel(0, 0, qRgb(255, 0, 255));
    image.setPixel(1, 0, qRgb(1, 2, 3));
    image.setPixel(2, 0, qRgb(255, 0, 254));
    target.canvas().fill({0, 0, 3, 1}, Color::rgb(9, 9, 9));
    target.canvas().copyTransparent(QtPicture(image), {0, 0, 3, 1}, {0, 0}, Color::rgb(255, 0, 255));
    EXPECT_EQ(pixel(target, 0, 0), Color::rgb(9, 9, 9));
    EXPECT_EQ(pixel(target, 1, 0), Color::rgb(1, 2, 3));
    EXPECT_EQ(pixel(target, 2, 0), Color::rgb(255, 0, 254));
}

TEST_F(QtCanvasTest, FillAndLineExcludeTheirFarEdges) {
    const Color red = Color::rgb(255, 0, 0);
    target.canvas().fill({2, 2, 4, 3}, red);
    EXPECT_EQ(pixel(target, 2, 2), red);
    EXPECT_EQ(pixel(target, 3, 2), red);
    EXPECT_EQ(pixel(target, 4, 2), kBlack);
    EXPECT_EQ(pixel(target, 2, 3), kBlack);

    const Color green = Color::rgb(0, 255, 0);
    target.canvas().line({0, 8}, {5, 8}, green);
    for (int x = 0; x < 5; ++x) EXPECT_EQ(pixel(target, x, 8), green) << x;
    EXPECT_EQ(pixel(target, 5, 8), kBlack);

    target.canvas().line({9, 0}, {6, 3}, green);
    EXPECT_EQ(pixel(target, 9, 0), green);
    EXPECT_EQ(pixel(target, 7, 2), green);
    EXPECT_EQ(pixel(target, 6, 3), kBlack);
}

TEST_F(QtCanvasTest, TextStaysInsideItsBox) {
    target.canvas().setTextColor(Color::rgb(255, 255, 255));
    target.canvas().text("田田田田田田", {2, 2, 8, 8}, true);
    int lit = 0;
    for (int y = 0; y < 10; ++y) {
        for (int x = 0; x < 10; ++x) {
            const bool inside = x >= 2 && x < 8 && y >= 2 && y < 8;
            if (inside) {
                lit += pixel(target, x, y) != kBlack;
            } else {
                EXPECT_EQ(pixel(target, x, y), kBlack) << x << "," << y;
            }
        }
    }
    EXPECT_GT(lit, 0);
}

// A target of scale 2 takes a picture of its scale pixel for pixel, the
// source rectangle doubled with the destination, and enlarges a plain one.
TEST_F(QtCanvasTest, AtScaleTwoPicturesOfThatScaleCopyPixelForPixelAndPlainOnesAreEnlarged) {
    QtBuffer fine({10, 10}, 2);
    EXPECT_EQ(fine.size(), (platform::Size{10, 10}));
    EXPECT_EQ(fine.image().size(), QSize(20, 20));
    QImage twin = numberedPicture(8, 8).image();
    twin.setDevicePixelRatio(2);
    const struct {
        const char* name;
        QtPicture picture;
        int scale;  // of the picture
    } cases[] = {{"finer", QtPicture(twin), 2}, {"plain", numberedPicture(4, 4), 1}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.picture.size(), (platform::Size{4, 4}));
        fine.canvas().fill({0, 0, 10, 10}, kBlack);
        fine.canvas().copy(c.picture, {1, 1, 3, 3}, {5, 6});
        for (int y = 0; y < 20; ++y) {
            for (int x = 0; x < 20; ++x) {
                const bool inside = x >= 10 && x < 14 && y >= 12 && y < 16;
                const int sx = (2 + x - 10) * c.scale / 2, sy = (2 + y - 12) * c.scale / 2;
                EXPECT_EQ(pixel(fine, x, y), inside ? source(sx, sy) : kBlack) << x << "," << y;
            }
        }
    }
    // The key holds for an enlarged picture too.
    QImage keyed(2, 1, QImage::Format_RGB32);
    keyed.setPixel(0, 0, qRgb(255, 0, 255));
    keyed.setPixel(1, 0, qRgb(1, 2, 3));
    fine.canvas().copyTransparent(QtPicture(keyed), {0, 0, 2, 1}, {0, 0}, Color::rgb(255, 0, 255));
    EXPECT_EQ(pixel(fine, 1, 1), kBlack);
    EXPECT_EQ(pixel(fine, 3, 1), Color::rgb(1, 2, 3));
}

TEST_F(QtCanvasTest, AtScaleTwoFillsLinesAndTextCoverTheLogicsPixels) {
    QtBuffer fine({10, 10}, 2);
    const Color red = Color::rgb(255, 0, 0);
    fine.canvas().fill({2, 2, 4, 3}, red);
    fine.canvas().line({0, 8}, {3, 8}, red);
    for (int y = 0; y < 20; ++y) {
        for (int x = 0; x < 20; ++x) {
            const bool filled = x >= 4 && x < 8 && y >= 4 && y < 6;
            const bool lined = x < 6 && y >= 16 && y < 18;
            EXPECT_EQ(pixel(fine, x, y), filled || lined ? red : kBlack) << x << "," << y;
        }
    }

    QtBuffer text({10, 10}, 2);
    text.canvas().setTextColor(Color::rgb(255, 255, 255));
    text.canvas().text("田田田田田田", {1, 1, 5, 5}, true);
    int lit = 0;
    for (int y = 0; y < 20; ++y) {
        for (int x = 0; x < 20; ++x) {
            if (x >= 2 && x < 10 && y >= 2 && y < 10) {
                lit += pixel(text, x, y) != kBlack;
            } else {
                EXPECT_EQ(pixel(text, x, y), kBlack) << x << "," << y;
            }
        }
    }
    EXPECT_GT(lit, 0);
}

// A picture file's twin `name@2x` is read at scale 2 when it is exactly twice
// the size; otherwise the plain file, whatever its name says.
TEST_F(QtCanvasTest, AFilesTwinAtTwiceTheSizeIsReadAtScaleTwo) {
    QTemporaryDir dir;
    const auto write = [&](const char* name, int width) { writePicture(dir, name, width); };
    write("twin.png", 3);
    write("twin@2x.png", 6);
    write("odd.png", 3);
    write("odd@2x.png", 9);
    write("alone.png", 3);
    write("named@2x.png", 3);
    const struct {
        const char* file;
        int scale;
        int pixels;  // the width read
        int ratio;
    } cases[] = {{"twin.png", 2, 6, 2},
                 {"twin.png", 1, 3, 1},
                 {"odd.png", 2, 3, 1},
                 {"alone.png", 2, 3, 1},
                 {"named@2x.png", 2, 3, 1}};
    for (const auto& c : cases) {
        const QImage image = readPictureFile(dir.filePath(QLatin1String(c.file)).toStdString(), c.scale);
        EXPECT_EQ(image.width(), c.pixels) << c.file << " at " << c.scale;
        EXPECT_EQ(image.devicePixelRatio(), c.ratio) << c.file << " at " << c.scale;
        EXPECT_EQ(logicalSize(image), (platform::Size{3, 2})) << c.file << " at " << c.scale;
    }
    const QImage bitmap = resourceImage(302, 2);
    EXPECT_EQ(bitmap.size(), resourceImage(302).size() * 2);
    EXPECT_EQ(logicalSize(bitmap), logicalSize(resourceImage(302)));
}

// Read ahead, a picture is handed out once, at the scale it was read for and
// while its file is unchanged; twins beside a plain file are not pictures of
// their own, and the
// first picture asked that was not read ahead lets the rest go.
TEST_F(QtCanvasTest, PicturesReadAheadAreHandedOutOnceWhileTheirFilesAreUnchanged) {
    QTemporaryDir dir;
    for (const char* name : {"a.png", "b.png", "c.png", "d.png", "e@2x.png"}) writePicture(dir, name, 3);
    writePicture(dir, "a@2x.png", 6);
    const auto file = [&](const char* name) {
        return std::filesystem::path(dir.filePath(QLatin1String(name)).toStdString());
    };
    PictureReadAhead ahead;
    ahead.read(dir.path().toStdString(), 2);
    std::filesystem::last_write_time(file("c.png"),
                                     std::filesystem::last_write_time(file("c.png")) + std::chrono::seconds(1));

    const std::optional<QImage> a = ahead.take(file("a.png"), 2);
    ASSERT_TRUE(a);
    EXPECT_EQ(a->width(), 6);
    EXPECT_EQ(a->devicePixelRatio(), 2);
    EXPECT_FALSE(ahead.take(file("a.png"), 2)) << "handed out twice";
    EXPECT_TRUE(ahead.take(file("e@2x.png"), 2)) << "a picture named like a twin, alone, not read, or all let go";
    EXPECT_FALSE(ahead.take(file("b.png"), 1)) << "read for another scale";
    EXPECT_FALSE(ahead.take(file("c.png"), 2)) << "written since";
    EXPECT_FALSE(ahead.take(file("a@2x.png"), 2)) << "a twin read as a picture";
    EXPECT_FALSE(ahead.take(file("d.png"), 2)) << "kept after a picture not read ahead";
}

}  // namespace
}  // namespace fluvane::platform::qt
