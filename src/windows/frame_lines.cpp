#include "windows/frame_lines.h"

namespace fluvane::windows {

void layOutFrameLines(const std::array<platform::Line*, 4>& lines, platform::Size client, int top) {
    const int right = client.width - 1;
    const int bottom = client.height - 1;
    lines[0]->setEnds({0, top}, {client.width, top});
    lines[1]->setEnds({0, top}, {0, client.height});
    lines[2]->setEnds({right, top}, {right, client.height});
    lines[3]->setEnds({0, bottom}, {right, bottom});
}

}  // namespace fluvane::windows
