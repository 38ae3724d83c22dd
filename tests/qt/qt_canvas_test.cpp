#include "platform/qt/qt_canvas.h"
#include "qt_test_application.h"

#include <gtest/gtest.h>

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
        {0, 0, source(2, 1)}, {1, 2, source(3, 3)}, {2, 0, kBlack},       {0, 3, kBlack},
        {9, 9, source(0, 0)}, {8, 8, kBlack},       {9, 8, kBlack},       {8, 9, kBlack},
        {0, 4, source(1, 0)}, {1, 7, source(1, 1)}, {2, 4, kBlack},       {5, 9, kBlack},
        {6, 9, source(0, 0)}, {7, 9, source(0, 0)},
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

}  // namespace
}  // namespace fluvane::platform::qt
