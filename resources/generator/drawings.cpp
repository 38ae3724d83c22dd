#include "drawings.h"

#include "glyphs.h"
#include "palette.h"

#include <algorithm>

namespace fluvane::resources::generator {

namespace {

constexpr std::uint32_t kBoxLine = rgb(120, 120, 120);
constexpr std::uint32_t kBoxFace = rgb(58, 58, 58);
constexpr std::uint32_t kBoxGlyph = rgb(200, 200, 200);

// A 12 x 12 square with a plus (closed group) or a minus (open group).
void groupBox(Image& image, int left, bool open) {
    image.fill(left + 1, 1, 10, 10, kBoxFace);
    image.frame(left + 1, 1, 10, 10, kBoxLine);
    image.fill(left + 3, 5, 6, 2, kBoxGlyph);
    if (!open) image.fill(left + 5, 3, 2, 6, kBoxGlyph);
}

// A row background: rounded ends in the side slices, even shading in the middle
// so that the stretched middle slice joins them without seams.
Image rowBackground(std::uint32_t top, std::uint32_t bottom, std::uint32_t edge, std::uint32_t accent, int scale) {
    Image row(168, 28, rgb(46, 46, 46), scale);
    row.gradient(2, 1, 164, 26, top, bottom);
    row.fill(3, 0, 162, 1, edge);
    row.fill(3, 27, 162, 1, edge);
    row.fill(1, 2, 1, 24, edge);
    row.fill(166, 2, 1, 24, edge);
    for (int corner : {2, 165}) {
        row.set(corner, 1, edge);
        row.set(corner, 26, edge);
    }
    row.fill(4, 6, 2, 16, accent);
    return row;
}

// A 16 x 16 arrow cell pointing up or down, in one of three looks.
Image arrowCell(bool up, std::uint32_t face, std::uint32_t arrow, int scale) {
    Image cell(16, 16, face, scale);
    cell.frame(0, 0, 16, 16, mix(face, rgb(0, 0, 0), 0.35));
    for (int row = 0; row < 4; ++row) {
        const int y = up ? 6 + row : 9 - row;
        cell.fill(7 - row, y, 2 + 2 * row, 1, arrow);
    }
    return cell;
}

// A 16 x 10 thumb: 4-row caps around a 2-row middle that is stretched.
Image thumbCell(std::uint32_t face, std::uint32_t grip, int scale) {
    Image cell(16, 10, rgb(40, 40, 40), scale);
    cell.fill(3, 0, 10, 10, face);
    cell.fill(2, 1, 12, 8, face);
    cell.fill(5, 4, 6, 1, grip);
    cell.fill(5, 5, 6, 1, grip);
    return cell;
}

// A 33 x 19 switch face: a rounded track and a white knob on the on or off side.
Image switchCell(bool on, double light, int scale) {
    const std::uint32_t track = mix(on ? rgb(70, 170, 60) : rgb(150, 150, 150), rgb(255, 255, 255), light);
    Image cell(33, 19, rgb(46, 46, 46), scale);
    cell.fill(9, 2, 15, 15, track);
    cell.disc(9.5, 9.5, 7.5, track);
    cell.disc(23.5, 9.5, 7.5, track);
    const double knobX = on ? 23.5 : 9.5;
    cell.disc(knobX, 9.5, 5.8, rgb(255, 255, 255));
    return cell;
}

}  // namespace

Image playlistMarks(int scale) {
    Image image(38, 12, kMagenta, scale);
    groupBox(image, 0, false);
    groupBox(image, 12, true);
    // Marker: a right-pointing triangle filling x 24-27, y 5-11.
    for (int column = 0; column < 4; ++column) image.fill(24 + column, 5 + column, 1, 7 - 2 * column, kAccent);
    // Delete mark: a cross filling x 30-37, y 5-11.
    const std::uint32_t grey = rgb(160, 160, 160);
    image.line(30, 5, 36, 11, grey);
    image.line(31, 5, 37, 11, grey);
    image.line(36, 5, 30, 11, grey);
    image.line(37, 5, 31, 11, grey);
    return image;
}

Image playlistBackgrounds(int scale) {
    Image image(168, 56, 0, scale);
    image.paste(rowBackground(rgb(68, 68, 68), rgb(56, 56, 56), rgb(80, 80, 80), rgb(90, 90, 90), scale), 0, 0);
    image.paste(rowBackground(rgb(78, 66, 44), rgb(64, 54, 38), rgb(120, 96, 50), kAccent, scale), 0, 28);
    return image;
}

Image scrollBarStrip(int scale) {
    Image image(16, 130, 0, scale);
    const std::uint32_t faces[] = {rgb(60, 60, 60), rgb(84, 84, 84), rgb(40, 40, 40)};
    const std::uint32_t arrows[] = {rgb(150, 150, 150), rgb(220, 220, 220), kAccent};
    for (int look = 0; look < 3; ++look) {
        image.paste(arrowCell(true, faces[look], arrows[look], scale), 0, 16 * look);
        image.paste(arrowCell(false, faces[look], arrows[look], scale), 0, 82 + 16 * look);
        image.paste(thumbCell(mix(faces[look], rgb(255, 255, 255), 0.2), arrows[look], scale), 0, 52 + 10 * look);
    }
    image.fill(0, 48, 16, 2, rgb(40, 40, 40));
    image.fill(0, 50, 16, 2, rgb(30, 30, 30));
    return image;
}

Image switchSprite(int scale) {
    Image image(99, 38, 0, scale);
    // Columns: normal, hover (lighter), held down (outlined).
    for (int column = 0; column < 3; ++column)
        for (int row = 0; row < 2; ++row) {
            Image cell = switchCell(row == 0, column == 1 ? 0.25 : 0.0, scale);
            if (column == 2) cell.frame(0, 0, 33, 19, kAccent);
            image.paste(cell, 33 * column, 19 * row);
        }
    return image;
}

Image programIcon(int size, std::uint32_t background, int scale) {
    Image image(size, size, background, scale);
    const double margin = std::max(0.5, size / 32.0);
    brandMark(image, size / 2.0, size / 2.0, size / 2.0 - margin);
    return image;
}

}  // namespace fluvane::resources::generator
