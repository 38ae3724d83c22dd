#include "controls/sf_play_list.h"

#include "platform/shared/numbers.h"

#include <algorithm>

namespace fluvane::controls {

namespace {

using platform::Point;
using platform::Rect;

constexpr int kMarksBitmap = 101;
constexpr int kBackgroundsBitmap = 102;
constexpr platform::Color kMagenta = platform::Color::rgb(255, 0, 255);
constexpr int kDeleteBand = 25;  // the right end of a group row
constexpr int kSideSlice = 60;   // unstretched ends of a row background
constexpr int kMiddleSlice = 48;

// Regions of the marks bitmap.
constexpr Rect kClosedBox = Rect::fromSize(0, 0, 12, 12);
constexpr Rect kOpenBox = Rect::fromSize(12, 0, 12, 12);
constexpr Rect kSelectedMarker = Rect::fromSize(24, 5, 4, 7);
constexpr Rect kDeleteMark = Rect::fromSize(30, 5, 8, 7);
// Source rows of the backgrounds bitmap.
constexpr int kHoverRows = 0;
constexpr int kSelectedRows = 28;

bool validIndex(int index, std::size_t count) { return index >= 0 && static_cast<std::size_t>(index) < count; }

}  // namespace

SFPlayList::SFPlayList(platform::Surface& window, platform::Ui& ui, const platform::Font& ambientFont)
    : window_(window),
      ui_(ui),
      scrollBar_(std::make_unique<SFVScrollBar>(window.addSurface(), ui)),
      marks_(ui.resourcePicture(kMarksBitmap)),
      backgrounds_(ui.resourcePicture(kBackgroundsBitmap)),
      ambientFont_(ambientFont),
      font_(ambientFont) {
    scrollBar_->setSmallChange(kRowHeight);
    scrollBar_->setLargeChange(kRowHeight);
    scrollBar_->Change = [this] { onScrollBarStep(); };
    scrollBar_->Scroll = [this] { onScrollBarScroll(); };

    auto& events = window_.events;
    events.resize = [this] { onResize(); };
    events.paint = [this] { onPaint(); };
    events.mouseMove = [this](const platform::MouseEvent& e) { onMouseMove(e); };
    events.mouseDown = [this](const platform::MouseEvent& e) { onMouseDown(e); };
    events.mouseUp = [this](const platform::MouseEvent& e) { onMouseUp(e); };
    events.mouseLeave = [this] { onMouseLeave(); };
    events.mouseWheel = [this](int delta, const platform::MouseEvent&) { onWheel(delta); };
    events.click = [this] {
        if (Click) Click();
    };
    events.doubleClick = [this] {
        if (DblClick) DblClick();
    };
    onResize();
}

SFPlayList::~SFPlayList() { window_.events = {}; }

// ---- lookup -------------------------------------------------------------------

SFPlayList::Node* SFPlayList::node(int index) const {
    return validIndex(index, nodes_.size()) ? nodes_[index].get() : nullptr;
}

SFPlayList::Item* SFPlayList::item(int nodeIndex, int itemIndex) const {
    Node* group = node(nodeIndex);
    if (!group || !validIndex(itemIndex, group->items.size())) return nullptr;
    return group->items[itemIndex].get();
}

// The row walk of painting and hit testing: rows follow each other from
// -scrollTop, a group's entries under it while it is open. A row spans
// top < y <= top + 28, so a row's top edge belongs to the row above.
SFPlayList::Row SFPlayList::rowAt(int y) const {
    std::int64_t top = -scrollTop_;
    for (std::size_t i = 0; i < nodes_.size(); ++i) {
        Node& group = *nodes_[i];
        if (top < y && y <= top + kRowHeight) return {static_cast<int>(i), -1, &group, nullptr};
        top += kRowHeight;
        if (!group.expanded) continue;
        if (top < y && y <= top + group.height()) {
            const auto index = static_cast<int>((y - top - 1) / kRowHeight);
            return {static_cast<int>(i), index, &group, group.items[index].get()};
        }
        top += group.height();
    }
    return {};
}

// ---- groups and entries -----------------------------------------------------------

void SFPlayList::AddNode(const std::string& strText, int dwNodeIndex) {
    if (dwNodeIndex != -1 && !validIndex(dwNodeIndex, nodes_.size())) return;
    for (auto& group : nodes_) {
        if (!group->expanded) continue;
        group->expanded = false;
        expandedItemsHeight_ -= group->height();
    }
    auto group = std::make_unique<Node>();
    group->text = strText;
    group->expanded = true;
    const auto at = dwNodeIndex == -1 ? nodes_.end() : nodes_.begin() + dwNodeIndex;
    nodes_.insert(at, std::move(group));
    UpdateScrollRange();
    repaint();
    contentChanged();
}

void SFPlayList::forget(const Item& entry) {
    if (hoveredItem_ == &entry) hoveredItem_ = nullptr;
    if (selectedItem_ == &entry) selectedItem_ = nullptr;
}

void SFPlayList::forget(const Node& group) {
    if (hoveredNode_ == &group) hoveredNode_ = nullptr;
    for (const auto& entry : group.items) forget(*entry);
}

void SFPlayList::RemoveNode(int dwNodeIndex) {
    Node* group = node(dwNodeIndex);
    if (!group) return;
    if (group->expanded) expandedItemsHeight_ -= group->height();
    forget(*group);
    nodes_.erase(nodes_.begin() + dwNodeIndex);
    UpdateScrollRange();
    repaint();
    contentChanged();
}

bool SFPlayList::IsNodeExist(const std::string& strText) const {
    return std::any_of(nodes_.begin(), nodes_.end(), [&](const auto& group) { return group->text == strText; });
}

void SFPlayList::ClearNodes() {
    if (nodes_.empty()) return;
    nodes_.clear();
    hoveredNode_ = nullptr;
    hoveredItem_ = nullptr;
    selectedItem_ = nullptr;
    expandedItemsHeight_ = 0;
    UpdateScrollRange();
    repaint();
    contentChanged();
}

void SFPlayList::AddItem(int dwNodeIndex, const std::string& strText, const std::string& strURL, int dwIndex) {
    Node* group = node(dwNodeIndex);
    if (!group || (dwIndex != -1 && !validIndex(dwIndex, group->items.size()))) return;
    auto entry = std::make_unique<Item>(Item{strText, strURL});
    const auto at = dwIndex == -1 ? group->items.end() : group->items.begin() + dwIndex;
    group->items.insert(at, std::move(entry));
    if (group->expanded) {
        expandedItemsHeight_ += kRowHeight;
        UpdateScrollRange();
    }
    repaint();
    contentChanged();
}

void SFPlayList::RemoveItem(int dwNodeIndex, int dwIndex) {
    Node* group = node(dwNodeIndex);
    Item* entry = item(dwNodeIndex, dwIndex);
    if (!entry) return;
    forget(*entry);
    group->items.erase(group->items.begin() + dwIndex);
    if (group->expanded) {
        expandedItemsHeight_ -= kRowHeight;
        UpdateScrollRange();
    }
    repaint();
    contentChanged();
}

void SFPlayList::ClearItems(int dwNodeIndex) {
    Node* group = node(dwNodeIndex);
    if (!group) return;
    const bool hadItems = !group->items.empty();
    if (group->expanded) expandedItemsHeight_ -= group->height();
    for (const auto& entry : group->items) forget(*entry);
    group->items.clear();
    UpdateScrollRange();
    repaint();
    if (hadItems) contentChanged();
}

// ---- indexed properties ---------------------------------------------------------------

std::string SFPlayList::NodeText(int dwNodeIndex) const {
    const Node* group = node(dwNodeIndex);
    return group ? group->text : std::string();
}

void SFPlayList::setNodeText(int dwNodeIndex, const std::string& strText) {
    Node* group = node(dwNodeIndex);
    if (group) group->text = strText;
    repaint();
    if (group) contentChanged();
}

std::string SFPlayList::ItemName(int dwNodeIndex, int dwItemIndex) const {
    const Item* entry = item(dwNodeIndex, dwItemIndex);
    return entry ? entry->name : std::string();
}

void SFPlayList::setItemName(int dwNodeIndex, int dwItemIndex, const std::string& StrName) {
    Item* entry = item(dwNodeIndex, dwItemIndex);
    if (entry) entry->name = StrName;
    repaint();
    if (entry) contentChanged();
}

std::string SFPlayList::ItemURL(int dwNodeIndex, int dwItemIndex) const {
    const Item* entry = item(dwNodeIndex, dwItemIndex);
    return entry ? entry->url : std::string();
}

void SFPlayList::setItemURL(int dwNodeIndex, int dwItemIndex, const std::string& strURL) {
    if (Item* entry = item(dwNodeIndex, dwItemIndex)) {
        entry->url = strURL;
        contentChanged();
    }
}

int SFPlayList::ItemsCount(int dwNodeIndex) const {
    const Node* group = node(dwNodeIndex);
    return group ? static_cast<int>(group->items.size()) : 0;
}

// ---- colours, font and persistence -----------------------------------------------------

void SFPlayList::markChanged(const std::string& name) {
    if (PropertyChanged) PropertyChanged(name);
}

void SFPlayList::repaint() { window_.invalidate(); }

void SFPlayList::contentChanged() {
    if (changed) changed();
}

void SFPlayList::setBackColor(OleColor New_BackColor) {
    backColor_ = New_BackColor;
    repaint();
    markChanged("BackColor");
}

void SFPlayList::setForeColor(OleColor New_ForeColor) {
    foreColor_ = New_ForeColor;
    repaint();
    markChanged("ForeColor");
}

void SFPlayList::setSelColor(OleColor New_SelColor) {
    selColor_ = New_SelColor;
    repaint();
    markChanged("SelColor");
}

void SFPlayList::ApplyFont() {
    // Fonts are made in whole points.
    if (backBuffer_) {
        platform::Font drawing = font_;
        drawing.size = platform::shared::nearestInteger(font_.size);
        backBuffer_->canvas().setFont(drawing);
    }
}

void SFPlayList::setFont(const platform::Font& New_Font) {
    font_ = New_Font;
    ApplyFont();
    repaint();
    markChanged("Font");
}

void SFPlayList::fontAttributeChanged(const std::string& name) {
    ApplyFont();
    repaint();
    markChanged(name);
}

int SFPlayList::FontSize() const { return platform::shared::nearestInteger(font_.size); }

void SFPlayList::setFontName(const std::string& value) {
    font_.name = value;
    fontAttributeChanged("FontName");
}

void SFPlayList::setFontSize(int value) {
    font_.size = value;
    fontAttributeChanged("FontSize");
}

void SFPlayList::setFontBold(bool value) {
    font_.bold = value;
    fontAttributeChanged("FontBold");
}

void SFPlayList::setFontItalic(bool value) {
    font_.italic = value;
    fontAttributeChanged("FontItalic");
}

void SFPlayList::setFontUnderline(bool value) {
    font_.underline = value;
    fontAttributeChanged("FontUnderline");
}

void SFPlayList::setFontStrikethru(bool value) {
    font_.strikethrough = value;
    fontAttributeChanged("FontStrikethru");
}

void SFPlayList::readProperties(const PropertyBag& bag) {
    auto readColor = [&](const char* name, OleColor fallback) {
        return static_cast<OleColor>(bag.readInt(name, static_cast<int>(fallback)));
    };
    backColor_ = readColor("BackColor", kDefaultBackColor);
    foreColor_ = readColor("ForeColor", kDefaultForeColor);
    selColor_ = readColor("SelColor", kDefaultSelColor);
    font_ = bag.readFont("Font", ambientFont_);
    ApplyFont();
    repaint();
}

void SFPlayList::writeProperties(PropertyBag& bag) const {
    auto writeColor = [&](const char* name, OleColor value, OleColor fallback) {
        bag.writeInt(name, static_cast<int>(value), static_cast<int>(fallback));
    };
    writeColor("BackColor", backColor_, kDefaultBackColor);
    writeColor("ForeColor", foreColor_, kDefaultForeColor);
    writeColor("SelColor", selColor_, kDefaultSelColor);
    bag.writeFont("Font", font_, ambientFont_);
}

// ---- scrolling --------------------------------------------------------------------------

void SFPlayList::UpdateScrollRange() {
    const std::int64_t content = static_cast<std::int64_t>(nodes_.size()) * kRowHeight + expandedItemsHeight_;
    const Rect client = window_.geometry();
    drawWidth_ = client.width();
    drawHeight_ = client.height();
    SFVScrollBar& bar = *scrollBar_;
    if (drawHeight_ >= content) {
        range_.setHidden(0);
        scrollTop_ = 0;
        bar.setValue(0);
        // Once hidden, a held bar never gets its release and would resume on showing.
        if (bar.window().visible()) bar.cancelPress();
        bar.window().setVisible(false);
        return;
    }
    drawWidth_ -= SFVScrollBar::kWidth;
    bar.window().setVisible(true);
    range_.setHidden(content - drawHeight_);
    // Arrows and track step one row; in coarse units that is one unit, which
    // the step handler turns back into a row.
    const int step = range_.unitPixels() == 1 ? kRowHeight : 1;
    if (bar.SmallChange() != step) bar.setSmallChange(static_cast<std::int16_t>(step));
    if (bar.LargeChange() != step) bar.setLargeChange(static_cast<std::int16_t>(step));
    bar.setMax(static_cast<std::int16_t>(range_.maxUnits()));
    scrollTop_ = std::min(scrollTop_, range_.hidden());
    syncScrollBar();
}

void SFPlayList::syncScrollBar() {
    const int units = range_.unitsFor(scrollTop_);
    if (scrollBar_->Value() != units) scrollBar_->setValue(static_cast<std::int16_t>(units));
}

void SFPlayList::scrollBy(std::int64_t pixels) {
    scrollTop_ = std::clamp<std::int64_t>(scrollTop_ + pixels, 0, range_.hidden());
    syncScrollBar();
}

void SFPlayList::onScrollBarStep() {
    const int value = scrollBar_->Value();
    if (range_.unitPixels() == 1)
        scrollTop_ = value;
    else  // the bar moved one unit from where syncScrollBar put it: move one row that way
        scrollBy(value > range_.unitsFor(scrollTop_) ? kRowHeight : -kRowHeight);
    repaint();
}

void SFPlayList::onScrollBarScroll() {
    scrollTop_ = range_.pixelsFor(scrollBar_->Value());
    repaint();
}

void SFPlayList::onWheel(int delta) {
    if (!scrollBar_->window().visible()) return;
    scrollBy(delta < 0 ? kRowHeight : -kRowHeight);
    repaint();
}

void SFPlayList::ToggleNode(int index) {
    Node* target = node(index);
    if (!target) return;
    for (auto& group : nodes_) {
        if (group.get() == target || !group->expanded) continue;
        group->expanded = false;
        expandedItemsHeight_ -= group->height();
    }
    target->expanded = !target->expanded;
    expandedItemsHeight_ += target->expanded ? target->height() : -target->height();
    UpdateScrollRange();
    repaint();
}

// ---- window events ------------------------------------------------------------------------

void SFPlayList::onResize() {
    const Rect client = window_.geometry();
    backBuffer_ = ui_.createBuffer({client.width(), client.height()});
    ApplyFont();
    scrollBar_->window().setGeometry(
        Rect::fromSize(client.width() - SFVScrollBar::kWidth, 0, SFVScrollBar::kWidth, client.height()));
    // A new height changes what is hidden; without this the last rows of a
    // shrunk list could not be scrolled to.
    UpdateScrollRange();
}

void SFPlayList::paintBackground(platform::Canvas& canvas, int sourceTop, int top) const {
    canvas.copy(*backgrounds_, Rect::fromSize(0, sourceTop, kSideSlice, kRowHeight), {0, top});
    const int middle = drawWidth_ - 2 * kSideSlice;
    if (middle > 0)
        canvas.stretch(*backgrounds_, Rect::fromSize(kSideSlice, sourceTop, kMiddleSlice, kRowHeight),
                       Rect::fromSize(kSideSlice, top, middle, kRowHeight));
    canvas.copy(*backgrounds_, Rect::fromSize(kSideSlice + kMiddleSlice, sourceTop, kSideSlice, kRowHeight),
                {drawWidth_ - kSideSlice, top});
}

void SFPlayList::onPaint() {
    if (!backBuffer_ || !marks_ || !backgrounds_) return;
    platform::Canvas& canvas = backBuffer_->canvas();
    const platform::Color fore = TranslateColor(foreColor_, ui_);
    const platform::Color sel = TranslateColor(selColor_, ui_);
    canvas.fill(Rect::fromSize(0, 0, drawWidth_, drawHeight_), TranslateColor(backColor_, ui_));

    // Rows entirely above or below the view draw nothing, so they are skipped.
    auto inView = [this](std::int64_t t) { return t >= -kRowHeight && t < drawHeight_; };
    std::int64_t top = -scrollTop_;
    for (const auto& group : nodes_) {
        if (inView(top)) {
            const int t = static_cast<int>(top);
            if (hoveredNode_ == group.get()) {
                paintBackground(canvas, kHoverRows, t);
                canvas.copyTransparent(*marks_, kDeleteMark, {drawWidth_ - 20, t + 8}, kMagenta);
            }
            canvas.copyTransparent(*marks_, group->expanded ? kOpenBox : kClosedBox, {15, t + 8}, kMagenta);
            canvas.setTextColor(fore);
            canvas.text(group->text, {32, t, drawWidth_, t + kRowHeight}, true);
        }
        top += kRowHeight;
        if (!group->expanded) continue;
        const auto count = static_cast<std::int64_t>(group->items.size());
        const std::int64_t first =
            std::clamp<std::int64_t>((-kRowHeight - top + kRowHeight - 1) / kRowHeight, 0, count);
        const std::int64_t last = std::clamp<std::int64_t>((drawHeight_ - top + kRowHeight - 1) / kRowHeight, 0, count);
        for (std::int64_t i = first; i < last; ++i) {
            const Item* entry = group->items[i].get();
            const int t = static_cast<int>(top + i * kRowHeight);
            const bool selected = entry == selectedItem_;
            if (selected) {
                paintBackground(canvas, kSelectedRows, t);
                canvas.copyTransparent(*marks_, kSelectedMarker, {15, t + 10}, kMagenta);
            } else if (entry == hoveredItem_) {
                paintBackground(canvas, kHoverRows, t);
            }
            canvas.setTextColor(selected ? sel : fore);
            canvas.text(entry->name, {40, t + 8, drawWidth_, t + kRowHeight}, false);
        }
        top += group->height();
    }
    window_.canvas().copy(*backBuffer_, Rect::fromSize(0, 0, drawWidth_, drawHeight_), {0, 0});
}

void SFPlayList::onMouseMove(const platform::MouseEvent& e) {
    // Rows do not overlap, so at most one group or entry is hovered.
    const Row row = rowAt(e.y);
    hoveredNode_ = row.item ? nullptr : row.node;
    hoveredItem_ = row.item;
    repaint();
    if (MouseMove) {
        int button = e.button;
        int shift = e.shift;
        float x = static_cast<float>(e.x);
        float y = static_cast<float>(e.y);
        MouseMove(button, shift, x, y);
    }
}

void SFPlayList::onMouseLeave() {
    hoveredNode_ = nullptr;
    hoveredItem_ = nullptr;
    repaint();
}

void SFPlayList::onMouseDown(const platform::MouseEvent& e) {
    if (e.button != platform::button::Left) return;
    const Row row = rowAt(e.y);
    if (row.item) {
        selectedItem_ = row.item;
        selNodeIndex_ = row.nodeIndex;
        selItemIndex_ = row.itemIndex;
        if (MouseDown) MouseDown(platform::button::Left);
    } else if (row.node && e.x < drawWidth_ - kDeleteBand) {
        // The highlighted entry keeps its highlight while the indices read -1.
        selNodeIndex_ = -1;
        selItemIndex_ = -1;
        ToggleNode(row.nodeIndex);
    }
    repaint();
}

void SFPlayList::onMouseUp(const platform::MouseEvent& e) {
    if (e.button != platform::button::Left) return;
    const Row row = rowAt(e.y);
    if (row.item) {
        if (MouseUp) MouseUp(platform::button::Left);
    } else if (row.node && e.x > drawWidth_ - kDeleteBand && e.x < drawWidth_) {
        RemoveNode(row.nodeIndex);
    }
}

}  // namespace fluvane::controls
