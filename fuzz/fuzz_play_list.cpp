// The playlist control on the simulated platform under a random sequence of
// edits, resizes, pointer input and timer ticks decoded from the input. Every
// group and entry has a unique text, so the list can be compared with a model
// after each step, even when a click on a group's delete mark removes it.
#include "controls/sf_play_list.h"
#include "fuzz_check.h"
#include "platform/sim/sim_form.h"
#include "platform/sim/sim_ui.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

namespace {

using fluvane::controls::SFPlayList;
using fluvane::fuzz::check;
using fluvane::platform::Point;
using fluvane::platform::Rect;
namespace button = fluvane::platform::button;

struct Group {
    std::string text;
    std::vector<std::string> entries;
};

// A shown form with the list's surface; members in the order that lets the
// platform outlive the control.
class Harness {
public:
    explicit Harness(FuzzedDataProvider& input)
        : input_(input), form_(ui_.createForm()), surface_(form_->addSurface()) {
        form_->setGeometry({0, 0, 4000, 4000});
        form_->show();
        surface_.setGeometry(Rect::fromSize(0, 0, 200, 140));
        // When an entry is pressed the selection names it.
        list_.MouseDown = [this](int) {
            check(!list_.ItemName(list_.SelNodeIndex(), list_.SelItemIndex()).empty(),
                  "MouseDown selects an existing entry");
        };
    }

    void step() {
        const int operation = input_.ConsumeIntegralInRange(0, 17);
        switch (operation) {
            case 0:
                addGroup();
                break;
            case 1:
                removeGroup();
                break;
            case 2:
                addEntries(1);
                break;
            case 3:
                addEntries(input_.ConsumeIntegralInRange(1, 1500));
                break;
            case 4:
                removeEntry();
                break;
            case 5:
                clearEntries();
                break;
            case 6:
                list_.ClearNodes();
                model_.clear();
                break;
            case 7:
                resize();
                break;
            case 8:
                moveHolding();
                break;
            case 9:
                ui_.press(surface_, point(), anyButton());
                break;
            case 10:
                ui_.release(surface_, point(), anyButton());
                break;
            case 11:
                ui_.click(surface_, point(), anyButton());
                break;
            case 12:
                ui_.doubleClick(surface_, point());
                break;
            case 13:
                ui_.wheel(surface_, point(), input_.ConsumeBool() ? 120 : -120 * input_.ConsumeIntegralInRange(0, 3));
                break;
            case 14:
                ui_.leave(surface_);
                break;
            case 15:
                pointerOnBar();
                break;
            case 16:
                ui_.advance(input_.ConsumeIntegralInRange(0, 3000));
                break;
            case 17:
                readBack();
                break;
        }
        ui_.processEvents();
        if (operation >= 10 && operation <= 12) followRemovalByPointer(operation == 12 ? 2 : 1);
        checkInvariants();
    }

private:
    // Mostly near the valid range, sometimes anything.
    int index(std::size_t count) {
        if (input_.ConsumeIntegralInRange(0, 7) == 0) return input_.ConsumeIntegral<int>();
        return input_.ConsumeIntegralInRange(-2, static_cast<int>(count) + 1);
    }
    static bool valid(int index, std::size_t count) { return index >= 0 && static_cast<std::size_t>(index) < count; }
    Group* group(int index) { return valid(index, model_.size()) ? &model_[index] : nullptr; }

    Point point() {
        const Rect area = surface_.geometry();
        return {input_.ConsumeIntegralInRange(-40, area.width() + 40),
                input_.ConsumeIntegralInRange(-40, area.height() + 40)};
    }
    int anyButton() {
        static constexpr int kButtons[] = {button::Left, button::Right, button::Middle};
        return input_.PickValueInArray(kButtons);
    }
    void resize() {
        const int width = input_.ConsumeIntegralInRange(0, 1200);
        const int height = input_.ConsumeIntegralInRange(0, 1200);
        surface_.setGeometry(Rect::fromSize(0, 0, width, height));
    }
    void moveHolding() {
        const Point at = point();
        ui_.move(surface_, at, input_.ConsumeIntegralInRange(0, 7));
    }
    std::string fresh(char kind) { return kind + std::to_string(++names_); }

    void addGroup() {
        const std::string text = fresh('g');
        const int at = index(model_.size());
        list_.AddNode(text, at);
        if (at == -1)
            model_.push_back({text, {}});
        else if (valid(at, model_.size()))
            model_.insert(model_.begin() + at, {text, {}});
    }
    void removeGroup() {
        const int at = index(model_.size());
        list_.RemoveNode(at);
        if (valid(at, model_.size())) model_.erase(model_.begin() + at);
    }
    void addEntries(int count) {
        const int at = index(model_.size());
        Group* target = group(at);
        for (int i = 0; i < count; ++i) {
            const std::string name = fresh('e');
            const int position = count == 1 && target ? index(target->entries.size()) : -1;
            list_.AddItem(at, name, "u" + name, position);
            if (!target) continue;
            if (position == -1)
                target->entries.push_back(name);
            else if (valid(position, target->entries.size()))
                target->entries.insert(target->entries.begin() + position, name);
        }
    }
    void removeEntry() {
        const int at = index(model_.size());
        Group* target = group(at);
        const int position = index(target ? target->entries.size() : 0);
        list_.RemoveItem(at, position);
        if (target && valid(position, target->entries.size()))
            target->entries.erase(target->entries.begin() + position);
    }
    void clearEntries() {
        const int at = index(model_.size());
        list_.ClearItems(at);
        if (Group* target = group(at)) target->entries.clear();
    }
    void pointerOnBar() {
        auto& bar = list_.SFVScrollBar1().window();
        const Rect area = bar.geometry();
        const Point at{input_.ConsumeIntegralInRange(-5, area.width() + 5),
                       input_.ConsumeIntegralInRange(-20, area.height() + 20)};
        switch (input_.ConsumeIntegralInRange(0, 2)) {
            case 0:
                ui_.press(bar, at);
                break;
            case 1:
                ui_.move(bar, at, button::Left);
                break;
            case 2:
                ui_.release(bar, at);
                break;
        }
    }
    void readBack() {
        const int at = index(model_.size());
        const Group* target = group(at);
        check(list_.NodeText(at) == (target ? target->text : ""), "NodeText matches");
        check(list_.IsNodeExist(target ? target->text : "g0") == (target != nullptr), "IsNodeExist matches");
        const int position = index(target ? target->entries.size() : 0);
        const bool held = target && valid(position, target->entries.size());
        check(list_.ItemName(at, position) == (held ? target->entries[position] : ""), "ItemName matches");
        check(list_.ItemURL(at, position) == (held ? "u" + target->entries[position] : ""), "ItemURL matches");
    }

    // A release on a group's delete mark removes that group, and a double
    // click releases twice; drop from the model the groups that went.
    void followRemovalByPointer(std::size_t releases) {
        const auto count = static_cast<std::size_t>(list_.NodesCount());
        if (count >= model_.size() || count + releases < model_.size()) return;
        std::size_t kept = 0;
        std::erase_if(model_, [&](const Group& g) {
            if (kept == count || list_.NodeText(static_cast<int>(kept)) != g.text) return true;
            ++kept;
            return false;
        });
    }

    void checkInvariants() {
        check(list_.NodesCount() == static_cast<int>(model_.size()), "NodesCount matches the groups added and removed");
        bool openHeightMatches = list_.ExpandedItemsHeight() == 0;
        for (std::size_t i = 0; i < model_.size(); ++i) {
            const int at = static_cast<int>(i);
            check(list_.NodeText(at) == model_[i].text, "groups keep their order");
            check(list_.ItemsCount(at) == static_cast<int>(model_[i].entries.size()), "ItemsCount matches");
            openHeightMatches |=
                list_.ExpandedItemsHeight() == std::int64_t{SFPlayList::kRowHeight} * list_.ItemsCount(at);
        }
        check(openHeightMatches, "the open height is that of one group");

        auto& bar = list_.SFVScrollBar1();
        check(std::min(bar.Min(), bar.Max()) <= bar.Value() && bar.Value() <= std::max(bar.Min(), bar.Max()),
              "the scroll bar's value stays within Min..Max");
        const std::int64_t content =
            std::int64_t{SFPlayList::kRowHeight} * list_.NodesCount() + list_.ExpandedItemsHeight();
        const std::int64_t hidden = std::max<std::int64_t>(0, content - surface_.geometry().height());
        check(list_.scrollTop() >= 0 && list_.scrollTop() <= hidden, "the list scrolls within its content");
    }

    FuzzedDataProvider& input_;
    fluvane::platform::sim::SimClock clock_;
    fluvane::platform::sim::SimUi ui_{clock_};
    std::unique_ptr<fluvane::platform::Form> form_;
    fluvane::platform::Surface& surface_;
    SFPlayList list_{surface_, ui_, fluvane::platform::Font{}};
    std::vector<Group> model_;
    int names_ = 0;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    Harness harness(input);
    for (int steps = 0; steps < 64 && input.remaining_bytes() > 0; ++steps) harness.step();
    return 0;
}
