#pragma once

#include "image.h"

#include <filesystem>
#include <vector>

namespace fluvane::resources::generator {

// Writers of the skin's files, of the stored pixels at the image's scale. Each
// throws std::runtime_error naming the file when it cannot be written. Output
// depends only on the pixels.

// A baseline JPEG at high quality without chroma subsampling, so thin coloured
// strokes keep their colour; alpha is ignored (the image must be opaque).
void writeJpeg(const Image& image, const std::filesystem::path& file);

// A PNG with alpha, 8 bits a channel.
void writePng(const Image& image, const std::filesystem::path& file);

// An icon file with one 32-bit entry (with alpha and its 1-bit mask) per image,
// in the given order; every image is square, 1 to 256 pixels.
void writeIco(const std::vector<Image>& images, const std::filesystem::path& file);

}  // namespace fluvane::resources::generator
