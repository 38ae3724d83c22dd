// The drawn pictures against the geometry the windows' painting code copies
// from them: sizes, cell counts, and button cells that look different.
#include "fluvane_resources.h"

// jpeglib.h needs FILE declared before it.
#include <cstdio>

#include <jpeglib.h>
#include <png.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

namespace fluvane::resources {
namespace {

const std::filesystem::path kSkin = std::filesystem::path(FLUVANE_GENERATED_SKIN_DIR) / "zelskin";

struct Pixels {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> rgb;  // 0x00RRGGBB, rows top to bottom
    std::uint32_t at(int x, int y) const { return rgb[static_cast<std::size_t>(y) * width + x]; }
};

std::string readFile(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

// Decodes a JPEG with libjpeg; nothing if the file is missing or not a JPEG.
std::optional<Pixels> decodeJpeg(const std::filesystem::path& file) {
    const std::string bytes = readFile(file);
    if (bytes.size() < 4 || bytes.compare(0, 3, "\xFF\xD8\xFF") != 0) return std::nullopt;
    jpeg_decompress_struct info{};
    jpeg_error_mgr errors{};
    info.err = jpeg_std_error(&errors);
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size());
    jpeg_read_header(&info, TRUE);
    info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&info);
    Pixels pixels{static_cast<int>(info.output_width), static_cast<int>(info.output_height), {}};
    std::vector<unsigned char> row(info.output_width * 3);
    while (info.output_scanline < info.output_height) {
        JSAMPROW rows[] = {row.data()};
        jpeg_read_scanlines(&info, rows, 1);
        for (unsigned x = 0; x < info.output_width; ++x)
            pixels.rgb.push_back((row[x * 3] << 16) | (row[x * 3 + 1] << 8) | row[x * 3 + 2]);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return pixels;
}

Pixels fromBitmap(const Bitmap& bitmap) {
    return {bitmap.width, bitmap.height, {bitmap.pixels.begin(), bitmap.pixels.end()}};
}

// Whether the `width` columns of `a` from `aLeft` look different from those of
// `b` from `bLeft`: some pixels differ by more than compression noise.
bool looksDiffer(const Pixels& a, int aLeft, const Pixels& b, int bLeft, int width) {
    int differing = 0;
    for (int y = 0; y < a.height; ++y)
        for (int x = 0; x < width; ++x) {
            const std::uint32_t p = a.at(aLeft + x, y);
            const std::uint32_t q = b.at(bLeft + x, y);
            for (int shift : {16, 8, 0}) {
                const int d = static_cast<int>((p >> shift) & 0xFF) - static_cast<int>((q >> shift) & 0xFF);
                if (d > 24 || d < -24) {
                    ++differing;
                    break;
                }
            }
        }
    return differing >= 8;
}

void expectDistinctCells(const Pixels& strip, int cells, const std::string& name) {
    const int cellWidth = strip.width / cells;
    for (int a = 0; a < cells; ++a)
        for (int b = a + 1; b < cells; ++b)
            EXPECT_TRUE(looksDiffer(strip, a * cellWidth, strip, b * cellWidth, cellWidth))
                << name << " cells " << a << " and " << b;
}

// A width of 0 stands for "wider than any screen".
constexpr int kScreenWide = 0;

TEST(PicturesTest, SkinImagesHaveTheirGeometryAndDistinctCells) {
    const struct {
        const char* file;
        int width, height, cells;
    } expected[] = {
        {"biaotilan.jpg", kScreenWide, 45, 1},
        {"Close.jpg", 96, 45, 3},
        {"max-1.jpg", 81, 45, 3},
        {"min.jpg", 81, 45, 3},
        {"hp.jpg", 81, 45, 3},
        {"max-2.jpg", 81, 45, 3},
        {"menu.jpg", 81, 45, 3},
        {"bf.jpg", 348, 45, 3},
        {"pk.jpg", 348, 45, 3},
        {"zb.jpg", 348, 45, 3},
        {"tv.jpg", 348, 45, 3},
        {"dibulan.jpg", kScreenWide, 41, 1},
        {"logo.jpg", 97, 26, 1},
        {"list.jpg", 57, 41, 3},
    };
    for (const auto& e : expected) {
        const auto picture = decodeJpeg(kSkin / "skin" / e.file);
        ASSERT_TRUE(picture) << e.file;
        if (e.width == kScreenWide)
            EXPECT_GE(picture->width, 7680) << e.file;  // 8K
        else
            EXPECT_EQ(picture->width, e.width) << e.file;
        EXPECT_EQ(picture->height, e.height) << e.file;
        if (e.cells > 1) expectDistinctCells(*picture, e.cells, e.file);
    }
    // The backdrop may have any size; it only has to be a picture.
    const auto backdrop = decodeJpeg(kSkin / "skin" / "bj.jpg");
    ASSERT_TRUE(backdrop);
    EXPECT_GT(backdrop->width * backdrop->height, 0);
}

// A PNG's pixels as bytes B, G, R, A, rows top to bottom; empty if unreadable.
std::string decodePngBgra(const std::filesystem::path& file, int& width, int& height) {
    png_image png{};
    png.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&png, file.c_str())) return {};
    png.format = PNG_FORMAT_BGRA;
    std::string pixels(PNG_IMAGE_SIZE(png), '\0');
    if (!png_image_finish_read(&png, nullptr, pixels.data(), 0, nullptr)) return {};
    width = static_cast<int>(png.width);
    height = static_cast<int>(png.height);
    return pixels;
}

// The icon file lists every size; its PNG twin for desktop entries holds the
// largest image pixel for pixel.
TEST(PicturesTest, SkinIconListsEverySizeAndItsPngIsTheLargest) {
    const std::string ico = readFile(kSkin / "icon.ico");
    auto u16 = [&](std::size_t at) {
        return static_cast<unsigned char>(ico[at]) | static_cast<unsigned char>(ico[at + 1]) << 8;
    };
    auto u32 = [&](std::size_t at) {
        return static_cast<std::uint32_t>(u16(at)) | static_cast<std::uint32_t>(u16(at + 2)) << 16;
    };
    ASSERT_GE(ico.size(), 6u);
    EXPECT_EQ(u16(0), 0);
    EXPECT_EQ(u16(2), 1);  // an icon, not a cursor
    const int count = u16(4);
    ASSERT_GE(ico.size(), 6u + 16u * count);
    std::vector<int> sizes;
    std::string largest;  // the 256-pixel image, as the PNG decodes
    for (int i = 0; i < count; ++i) {
        const std::size_t entry = 6 + 16 * i;
        const int side = static_cast<unsigned char>(ico[entry]) == 0 ? 256 : static_cast<unsigned char>(ico[entry]);
        sizes.push_back(side);
        const std::uint32_t length = u32(entry + 8);
        const std::uint32_t offset = u32(entry + 12);
        ASSERT_LE(std::uint64_t{offset} + length, ico.size()) << side;
        // Each entry's image is a 32-bit bitmap of its listed size (height counts the mask too).
        EXPECT_EQ(u32(offset + 4), static_cast<std::uint32_t>(side)) << side;
        EXPECT_EQ(u32(offset + 8), static_cast<std::uint32_t>(side * 2)) << side;
        EXPECT_EQ(u16(offset + 14), 32) << side;
        if (side == 256) {
            // The entry's rows run bottom to top.
            for (int y = 0; y < side; ++y) largest.insert(0, ico, offset + 40 + y * side * 4, side * 4);
        }
    }
    EXPECT_EQ(sizes, (std::vector<int>{16, 24, 32, 48, 64, 128, 256}));

    int width = 0, height = 0;
    const std::string png = decodePngBgra(kSkin / "icon.png", width, height);
    EXPECT_EQ(width, 256);
    EXPECT_EQ(height, 256);
    EXPECT_TRUE(png == largest) << "icon.png differs from icon.ico's 256-pixel image";
}

TEST(PicturesTest, StoredPicturesHaveTheirGeometryAndDistinctLooks) {
    const struct {
        int id, width, height, cells, otherLook;  // otherLook: the picture of the same control's other look
    } expected[] = {
        {301, 261, 45, 1, 0},  {302, 63, 45, 3, 0},    {303, 10, 148, 1, 0},   {304, 20, 128, 2, 305},
        {305, 20, 128, 2, 0},  {306, 12, 12, 1, 307},  {307, 12, 12, 1, 0},    {311, 24, 24, 1, 312},
        {312, 24, 24, 1, 0},   {321, 390, 270, 1, 0},  {322, 118, 64, 1, 323}, {323, 118, 64, 1, 0},
        {324, 390, 270, 1, 0}, {325, 118, 64, 1, 326}, {326, 118, 64, 1, 0},   {327, 38, 26, 1, 328},
        {328, 38, 26, 1, 0},   {331, 3000, 45, 1, 0},  {332, 96, 25, 3, 0},
    };
    for (const auto& e : expected) {
        const Pixels picture = fromBitmap(FindBitmap(e.id));
        EXPECT_EQ(picture.width, e.width) << e.id;
        EXPECT_EQ(picture.height, e.height) << e.id;
        ASSERT_EQ(picture.rgb.size(), static_cast<std::size_t>(e.width) * e.height) << e.id;
        if (e.cells > 1) expectDistinctCells(picture, e.cells, std::to_string(e.id));
        if (e.otherLook) {
            const Pixels other = fromBitmap(FindBitmap(e.otherLook));
            ASSERT_EQ(other.width, picture.width) << e.otherLook;
            ASSERT_EQ(other.height, picture.height) << e.otherLook;
            EXPECT_TRUE(looksDiffer(picture, 0, other, 0, picture.width)) << e.id << " and " << e.otherLook;
        }
    }
}

// The picture `twin` at half its resolution: each 2 x 2 block averaged.
Pixels halved(const Pixels& twin) {
    Pixels half{twin.width / 2, twin.height / 2, {}};
    for (int y = 0; y < half.height; ++y)
        for (int x = 0; x < half.width; ++x) {
            std::uint32_t pixel = 0;
            for (int shift : {16, 8, 0}) {
                int sum = 0;
                for (int dy : {0, 1})
                    for (int dx : {0, 1}) sum += (twin.at(2 * x + dx, 2 * y + dy) >> shift) & 0xFF;
                pixel |= static_cast<std::uint32_t>((sum + 2) / 4) << shift;
            }
            half.rgb.push_back(pixel);
        }
    return half;
}

// The mean difference of two pictures of one size, in levels of a channel.
double meanDifference(const Pixels& a, const Pixels& b) {
    double total = 0;
    for (std::size_t i = 0; i < a.rgb.size(); ++i)
        for (int shift : {16, 8, 0})
            total +=
                std::abs(static_cast<int>((a.rgb[i] >> shift) & 0xFF) - static_cast<int>((b.rgb[i] >> shift) & 0xFF));
    return total / (3.0 * a.rgb.size());
}

// How many 2 x 2 blocks of `twin` hold an edge, some channel spanning more
// than compression noise: none in a picture that was only enlarged.
int blocksWithEdges(const Pixels& twin) {
    int blocks = 0;
    for (int y = 0; y + 1 < twin.height; y += 2)
        for (int x = 0; x + 1 < twin.width; x += 2)
            for (int shift : {16, 8, 0}) {
                int low = 255, high = 0;
                for (int dy : {0, 1})
                    for (int dx : {0, 1}) {
                        const int level = static_cast<int>((twin.at(x + dx, y + dy) >> shift) & 0xFF);
                        low = std::min(low, level);
                        high = std::max(high, level);
                    }
                if (high - low > 24) {
                    ++blocks;
                    break;
                }
            }
    return blocks;
}

struct Twins {
    std::string name;
    Pixels plain;
    Pixels twin;
};

// Every skin picture and stored bitmap beside its twin drawn at scale 2.
std::vector<Twins> everyPictureAndItsTwin() {
    std::vector<Twins> pictures;
    for (const auto& entry : std::filesystem::directory_iterator(kSkin / "skin")) {
        const std::filesystem::path file = entry.path();
        if (file.extension() != ".jpg" || file.stem().string().ends_with("@2x")) continue;
        const auto plain = decodeJpeg(file);
        const auto twin = decodeJpeg(file.parent_path() / (file.stem().string() + "@2x.jpg"));
        pictures.push_back({file.filename().string(), plain.value_or(Pixels{}), twin.value_or(Pixels{})});
    }
    for (int id : {101, 102, 103, 104, 201, 202, 203, 204, 205, 301, 302, 303, 304, 305,
                   306, 307, 311, 312, 321, 322, 323, 324, 325, 326, 327, 328, 331, 332}) {
        const Bitmap twin = FindBitmap(id, 2);
        EXPECT_EQ(twin.scale, 2) << id;
        EXPECT_EQ(twin.width, FindBitmap(id).width) << id;  // the picture's own size, as the logic sees it
        pictures.push_back({std::to_string(id),
                            fromBitmap(FindBitmap(id)),
                            {twin.width * 2, twin.height * 2, {twin.pixels.begin(), twin.pixels.end()}}});
    }
    return pictures;
}

// Twins have exactly twice the size and, seen at the plain size, are the same
// picture; those with text, slants or curves are drawn finer, not enlarged.
TEST(PicturesTest, EveryPictureHasATwinDrawnAtTwiceTheResolution) {
    const std::vector<Twins> pictures = everyPictureAndItsTwin();
    EXPECT_EQ(pictures.size(), 15u + 28u);
    const std::vector<std::string> detailed = {"Close.jpg", "bf.jpg", "logo.jpg", "bj.jpg", "104", "301", "321", "331"};
    for (const Twins& picture : pictures) {
        ASSERT_GT(picture.plain.width, 0) << picture.name;
        ASSERT_EQ(picture.twin.width, 2 * picture.plain.width) << picture.name;
        ASSERT_EQ(picture.twin.height, 2 * picture.plain.height) << picture.name;
        ASSERT_EQ(picture.twin.rgb.size(), 4 * picture.plain.rgb.size()) << picture.name;
        // Small text is a little heavier at the plain size: up to 9 levels on the logo.
        EXPECT_LT(meanDifference(halved(picture.twin), picture.plain), 12.0) << picture.name;
        if (std::find(detailed.begin(), detailed.end(), picture.name) != detailed.end()) {
            EXPECT_GT(blocksWithEdges(picture.twin), 20) << picture.name;
        }
    }
    EXPECT_EQ(FindBitmap(101, 3).width, 0);
}

}  // namespace
}  // namespace fluvane::resources
