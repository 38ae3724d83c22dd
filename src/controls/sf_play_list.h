#pragma once

#include "controls/ole_color.h"
#include "controls/property_bag.h"
#include "controls/scroll_range.h"
#include "controls/sfv_scroll_bar.h"
#include "platform/controls.h"
#include "platform/ui.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace fluvane::controls {

// The owner-drawn playlist: groups ("nodes") of entries ("items") in 28-pixel
// rows, one group open at a time, with its own scroll bar `SFVScrollBar1`.
// It stores texts and URLs, draws them, hit-tests the pointer and raises events;
// it knows nothing about files or playing. Bad indices are ignored.
class SFPlayList {
public:
    static constexpr int kRowHeight = 28;
    static constexpr OleColor kDefaultBackColor = 0x2E2E2E;
    static constexpr OleColor kDefaultForeColor = 0x969696;
    static constexpr OleColor kDefaultSelColor = 0x00B6F8;

    // The list lives in `window` and takes over its events; `ambientFont` is
    // the container's font, the default of `Font`.
    SFPlayList(platform::Surface& window, platform::Ui& ui, const platform::Font& ambientFont);
    ~SFPlayList();
    SFPlayList(const SFPlayList&) = delete;
    SFPlayList& operator=(const SFPlayList&) = delete;

    void AddNode(const std::string& strText, int dwNodeIndex = -1);
    void RemoveNode(int dwNodeIndex);
    bool IsNodeExist(const std::string& strText) const;
    void ClearNodes();
    void AddItem(int dwNodeIndex, const std::string& strText, const std::string& strURL, int dwIndex = -1);
    void RemoveItem(int dwNodeIndex, int dwIndex);
    void ClearItems(int dwNodeIndex);

    std::string NodeText(int dwNodeIndex) const;
    void setNodeText(int dwNodeIndex, const std::string& strText);
    std::string ItemName(int dwNodeIndex, int dwItemIndex) const;
    void setItemName(int dwNodeIndex, int dwItemIndex, const std::string& StrName);
    std::string ItemURL(int dwNodeIndex, int dwItemIndex) const;
    void setItemURL(int dwNodeIndex, int dwItemIndex, const std::string& strURL);
    int NodesCount() const { return static_cast<int>(nodes_.size()); }
    int ItemsCount(int dwNodeIndex) const;
    int SelNodeIndex() const { return selNodeIndex_; }
    int SelItemIndex() const { return selItemIndex_; }
    // Pixels of entries in open groups.
    std::int64_t ExpandedItemsHeight() const { return expandedItemsHeight_; }

    OleColor BackColor() const { return backColor_; }
    void setBackColor(OleColor New_BackColor);
    OleColor ForeColor() const { return foreColor_; }
    void setForeColor(OleColor New_ForeColor);
    OleColor SelColor() const { return selColor_; }
    void setSelColor(OleColor New_SelColor);

    const platform::Font& Font() const { return font_; }
    void setFont(const platform::Font& New_Font);
    std::string FontName() const { return font_.name; }
    void setFontName(const std::string& value);
    int FontSize() const;  // whole points
    void setFontSize(int value);
    bool FontBold() const { return font_.bold; }
    void setFontBold(bool value);
    bool FontItalic() const { return font_.italic; }
    void setFontItalic(bool value);
    bool FontUnderline() const { return font_.underline; }
    void setFontUnderline(bool value);
    bool FontStrikethru() const { return font_.strikethrough; }
    void setFontStrikethru(bool value);

    // A new instance takes the defaults the constructor set; a stored one reads them.
    void readProperties(const PropertyBag& bag);
    void writeProperties(PropertyBag& bag) const;

    SFVScrollBar& SFVScrollBar1() { return *scrollBar_; }
    // The off-screen picture the last paint was drawn in, if sized yet.
    platform::Buffer* backBuffer() const { return backBuffer_.get(); }
    // Content pixels scrolled off the top.
    std::int64_t scrollTop() const { return scrollTop_; }

    // Events in their numbering: 1 MouseDown, 2 MouseUp, 3 MouseMove, 4 Click, 5 DblClick.
    std::function<void(int Button)> MouseDown;
    std::function<void(int Button)> MouseUp;
    std::function<void(int& Button, int& Shift, float& X, float& Y)> MouseMove;
    std::function<void()> Click;
    std::function<void()> DblClick;
    // Marks a property as changed for the container ("BackColor", "FontSize", ...).
    std::function<void(const std::string&)> PropertyChanged;
    // The groups or entries changed, by a call or by the control's own group
    // deletion: once per change, never for a call that changes nothing.
    std::function<void()> changed;

private:
    struct Item {
        std::string name;
        std::string url;
    };
    struct Node {
        std::string text;
        bool expanded = false;
        // Held by pointer so that the hovered and selected entries keep their
        // identity while others are inserted or removed.
        std::vector<std::unique_ptr<Item>> items;
        std::int64_t height() const { return static_cast<std::int64_t>(items.size()) * kRowHeight; }
    };
    // A row under a point: a group row (item null) or an entry row.
    struct Row {
        int nodeIndex = -1;
        int itemIndex = -1;
        Node* node = nullptr;
        Item* item = nullptr;
    };

    Node* node(int index) const;
    Item* item(int nodeIndex, int itemIndex) const;
    Row rowAt(int y) const;

    void UpdateScrollRange();
    void ToggleNode(int index);
    void ApplyFont();
    void repaint();
    void markChanged(const std::string& name);
    void contentChanged();
    void fontAttributeChanged(const std::string& name);
    void forget(const Node& node);
    void forget(const Item& item);
    void syncScrollBar();
    void scrollBy(std::int64_t pixels);
    void onScrollBarStep();
    void onScrollBarScroll();

    void onResize();
    void onPaint();
    void paintBackground(platform::Canvas& canvas, int sourceTop, int top) const;
    void onMouseMove(const platform::MouseEvent& e);
    void onMouseDown(const platform::MouseEvent& e);
    void onMouseUp(const platform::MouseEvent& e);
    void onMouseLeave();
    void onWheel(int delta);

    platform::Surface& window_;
    platform::Ui& ui_;
    std::unique_ptr<SFVScrollBar> scrollBar_;
    std::unique_ptr<platform::Buffer> backBuffer_;
    std::shared_ptr<platform::Picture> marks_;        // bitmap 101
    std::shared_ptr<platform::Picture> backgrounds_;  // bitmap 102

    std::vector<std::unique_ptr<Node>> nodes_;
    std::int64_t expandedItemsHeight_ = 0;
    int selNodeIndex_ = -1;
    int selItemIndex_ = -1;
    const Node* hoveredNode_ = nullptr;
    const Item* hoveredItem_ = nullptr;
    const Item* selectedItem_ = nullptr;

    int drawWidth_ = 0;
    int drawHeight_ = 0;
    // Content pixels scrolled off the top; the bar shows it through range_,
    // which beyond the bar's 16-bit limit counts coarse units while the list
    // keeps scrolling by whole rows.
    std::int64_t scrollTop_ = 0;
    ScrollRange range_;

    OleColor backColor_ = kDefaultBackColor;
    OleColor foreColor_ = kDefaultForeColor;
    OleColor selColor_ = kDefaultSelColor;
    platform::Font ambientFont_;
    platform::Font font_;
};

}  // namespace fluvane::controls
