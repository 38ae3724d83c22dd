#include "image_files.h"

#include <jpeglib.h>
#include <png.h>
#include <cstdio>

#include <cstdlib>
#include <fstream>
#include <stdexcept>
#include <string>

namespace fluvane::resources::generator {

namespace {

void writeBytes(const std::filesystem::path& file, const void* data, std::size_t size) {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(static_cast<const char*>(data), static_cast<std::streamsize>(size));
    out.close();
    if (!out) throw std::runtime_error("cannot write " + file.string());
}

void put16(std::string& out, unsigned value) {
    out += static_cast<char>(value & 0xFF);
    out += static_cast<char>((value >> 8) & 0xFF);
}

void put32(std::string& out, std::uint32_t value) {
    put16(out, value & 0xFFFF);
    put16(out, value >> 16);
}

// A bottom-up 32-bit DIB (BGRA) followed by its 1-bit AND mask, as icon entries store them.
std::string iconEntry(const Image& image) {
    const int side = image.pixelWidth();
    const int maskStride = ((side + 31) / 32) * 4;
    std::string out;
    put32(out, 40);
    put32(out, static_cast<std::uint32_t>(side));
    put32(out, static_cast<std::uint32_t>(side * 2));  // colour rows plus mask rows
    put16(out, 1);
    put16(out, 32);
    put32(out, 0);
    put32(out, 0);
    for (int i = 0; i < 4; ++i) put32(out, 0);
    for (int y = side - 1; y >= 0; --y)
        for (int x = 0; x < side; ++x) put32(out, image.pixel(x, y));
    for (int y = side - 1; y >= 0; --y) {
        std::string row(static_cast<std::size_t>(maskStride), '\0');
        for (int x = 0; x < side; ++x)
            if ((image.pixel(x, y) >> 24) < 128) row[x / 8] = static_cast<char>(row[x / 8] | (0x80 >> (x % 8)));
        out += row;
    }
    return out;
}

}  // namespace

void writeJpeg(const Image& image, const std::filesystem::path& file) {
    jpeg_compress_struct info{};
    jpeg_error_mgr errors{};
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = static_cast<JDIMENSION>(image.pixelWidth());
    info.image_height = static_cast<JDIMENSION>(image.pixelHeight());
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 95, TRUE);
    info.dct_method = JDCT_ISLOW;
    for (int c = 0; c < info.num_components; ++c) {
        info.comp_info[c].h_samp_factor = 1;
        info.comp_info[c].v_samp_factor = 1;
    }
    jpeg_start_compress(&info, TRUE);
    std::vector<unsigned char> row(static_cast<std::size_t>(image.pixelWidth()) * 3);
    for (int y = 0; y < image.pixelHeight(); ++y) {
        for (int x = 0; x < image.pixelWidth(); ++x) {
            const std::uint32_t pixel = image.pixel(x, y);
            row[x * 3] = static_cast<unsigned char>(pixel >> 16);
            row[x * 3 + 1] = static_cast<unsigned char>(pixel >> 8);
            row[x * 3 + 2] = static_cast<unsigned char>(pixel);
        }
        JSAMPROW rows[] = {row.data()};
        jpeg_write_scanlines(&info, rows, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    try {
        writeBytes(file, buffer, size);
    } catch (...) {
        std::free(buffer);
        throw;
    }
    std::free(buffer);
}

void writePng(const Image& image, const std::filesystem::path& file) {
    std::vector<unsigned char> rgba;
    rgba.reserve(image.pixels().size() * 4);
    for (const std::uint32_t pixel : image.pixels())
        for (const int shift : {16, 8, 0, 24}) rgba.push_back(static_cast<unsigned char>(pixel >> shift));
    png_image png{};
    png.version = PNG_IMAGE_VERSION;
    png.width = static_cast<png_uint_32>(image.pixelWidth());
    png.height = static_cast<png_uint_32>(image.pixelHeight());
    png.format = PNG_FORMAT_RGBA;
    png_alloc_size_t size = 0;
    std::vector<unsigned char> bytes;
    if (png_image_write_to_memory(&png, nullptr, &size, 0, rgba.data(), 0, nullptr)) {
        bytes.resize(size);
        png_image_write_to_memory(&png, bytes.data(), &size, 0, rgba.data(), 0, nullptr);
    }
    if (PNG_IMAGE_FAILED(png) || bytes.empty())
        throw std::runtime_error("cannot encode " + file.string() + ": " + png.message);
    writeBytes(file, bytes.data(), size);
}

void writeIco(const std::vector<Image>& images, const std::filesystem::path& file) {
    std::string header;
    std::string entries;
    put16(header, 0);
    put16(header, 1);
    put16(header, static_cast<unsigned>(images.size()));
    std::uint32_t offset = 6 + 16 * static_cast<std::uint32_t>(images.size());
    for (const Image& image : images) {
        if (image.pixelWidth() != image.pixelHeight() || image.pixelWidth() < 1 || image.pixelWidth() > 256)
            throw std::runtime_error("icon images are square, 1 to 256 pixels: " + file.string());
        const std::string entry = iconEntry(image);
        const auto side = static_cast<char>(image.pixelWidth() == 256 ? 0 : image.pixelWidth());
        header += side;
        header += side;
        header += '\0';  // no palette
        header += '\0';
        put16(header, 1);
        put16(header, 32);
        put32(header, static_cast<std::uint32_t>(entry.size()));
        put32(header, offset);
        offset += static_cast<std::uint32_t>(entry.size());
        entries += entry;
    }
    const std::string bytes = header + entries;
    writeBytes(file, bytes.data(), bytes.size());
}

}  // namespace fluvane::resources::generator
