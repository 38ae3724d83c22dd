#include "fluvane_resources.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace fluvane::resources {
namespace {

constexpr std::uint32_t kMagenta = 0xFF00FF;

std::uint32_t pixel(const Bitmap& bitmap, int x, int y) { return bitmap.pixels[y * bitmap.width + x]; }

bool regionHasArt(const Bitmap& bitmap, int left, int top, int right, int bottom) {
    for (int y = top; y <= bottom; ++y)
        for (int x = left; x <= right; ++x)
            if (pixel(bitmap, x, y) != kMagenta) return true;
    return false;
}

TEST(ResourcesTest, BitmapsHaveTheirFixedSizes) {
    const struct {
        int id, width, height;
    } expected[] = {{101, 38, 12}, {102, 168, 56}, {103, 16, 130}, {104, 99, 38}, {201, 64, 64},
                    {202, 48, 48}, {203, 32, 32},  {204, 24, 24},  {205, 16, 16}};
    for (const auto& e : expected) {
        const Bitmap bitmap = FindBitmap(e.id);
        EXPECT_EQ(bitmap.width, e.width) << e.id;
        EXPECT_EQ(bitmap.height, e.height) << e.id;
        EXPECT_EQ(bitmap.pixels.size(), static_cast<std::size_t>(e.width * e.height)) << e.id;
        EXPECT_TRUE(std::all_of(bitmap.pixels.begin(), bitmap.pixels.end(), [](std::uint32_t p) {
            return p <= 0xFFFFFF;
        })) << e.id;
    }
    EXPECT_TRUE(FindBitmap(105).pixels.empty());
    EXPECT_EQ(FindBitmap(0).width, 0);
}

TEST(ResourcesTest, PlaylistMarksStayInTheirRegions) {
    const Bitmap marks = FindBitmap(101);
    EXPECT_TRUE(regionHasArt(marks, 0, 0, 11, 11));
    EXPECT_TRUE(regionHasArt(marks, 12, 0, 23, 11));
    EXPECT_TRUE(regionHasArt(marks, 24, 5, 27, 11));
    EXPECT_TRUE(regionHasArt(marks, 30, 5, 37, 11));
    // Marker and delete mark are drawn from y 5: nothing above them, nor between.
    EXPECT_FALSE(regionHasArt(marks, 24, 0, 37, 4));
    EXPECT_FALSE(regionHasArt(marks, 28, 0, 29, 11));
}

TEST(ResourcesTest, RowBackgroundMiddleSliceIsEvenAcross) {
    // The stretched middle repeats columns; each of its rows must be one colour.
    const Bitmap rows = FindBitmap(102);
    for (int y = 0; y < 56; ++y)
        for (int x = 60; x < 108; ++x) EXPECT_EQ(pixel(rows, x, y), pixel(rows, 60, y)) << x << "," << y;
}

TEST(ResourcesTest, SwitchFacesDifferByStateAndLook) {
    const Bitmap sprite = FindBitmap(104);
    auto cellDiffers = [&](int x0, int y0, int x1, int y1) {
        for (int y = 0; y < 19; ++y)
            for (int x = 0; x < 33; ++x)
                if (pixel(sprite, x0 + x, y0 + y) != pixel(sprite, x1 + x, y1 + y)) return true;
        return false;
    };
    EXPECT_TRUE(cellDiffers(0, 0, 0, 19));
    EXPECT_TRUE(cellDiffers(0, 0, 33, 0));
    EXPECT_TRUE(cellDiffers(0, 0, 66, 0));
    EXPECT_TRUE(cellDiffers(33, 19, 66, 19));
}

}  // namespace
}  // namespace fluvane::resources
