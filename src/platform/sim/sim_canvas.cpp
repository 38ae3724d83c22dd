#include "platform/sim/sim_canvas.h"

namespace fluvane::platform::sim {

PictureOrigin originOf(const platform::Picture& picture) {
    if (auto* known = dynamic_cast<const Originated*>(&picture)) return known->origin();
    return {};
}

void SimCanvas::copy(const platform::Picture& picture, Rect source, Point destination) {
    operations_.push_back(draw::Copy{originOf(picture), source, destination});
}

void SimCanvas::stretch(const platform::Picture& picture, Rect source, Rect destination) {
    operations_.push_back(draw::Stretch{originOf(picture), source, destination});
}

void SimCanvas::copyTransparent(const platform::Picture& picture, Rect source, Point destination, Color key) {
    operations_.push_back(draw::CopyTransparent{originOf(picture), source, destination, key});
}

void SimCanvas::fill(Rect area, Color color) { operations_.push_back(draw::Fill{area, color}); }

void SimCanvas::line(Point from, Point to, Color color) { operations_.push_back(draw::Line{from, to, color}); }

void SimCanvas::text(const std::string& utf8, Rect box, bool centreVertically) {
    operations_.push_back(draw::Text{utf8, box, centreVertically, font_, textColor_});
}

}  // namespace fluvane::platform::sim
