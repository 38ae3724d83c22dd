// The platform contract on the simulated platform: input is injected, time is
// virtual, and pages are the documents the driver scripts.
#include "browser_contract.h"
#include "canvas_contract.h"
#include "form_contract.h"
#include "input_contract.h"
#include "loop_contract.h"
#include "timer_contract.h"

#include "platform/sim/sim_browser.h"
#include "platform/sim/sim_form.h"
#include "platform/sim/sim_services.h"
#include "platform/sim/sim_ui.h"

#include <fstream>

namespace fluvane::platform::contract {
namespace {

class SimDriver {
public:
    Ui& ui() { return ui_; }
    void show(Form& form, Rect place) {
        form.setGeometry(place);
        form.show();
    }
    void press(Control& control, Point at, int button = button::Left) { ui_.press(control, at, button); }
    void release(Control& control, Point at, int button = button::Left) { ui_.release(control, at, button); }
    void move(Control& control, Point at) { ui_.move(control, at, ui_.buttonsHeld()); }
    void click(Control& control, Point at, int button = button::Left) { ui_.click(control, at, button); }
    void doubleClick(Control& control, Point at) { ui_.doubleClick(control, at); }
    void dragInNextLoop(Form& form, Point grip, Point by, int steps) {
        ui_.press(form, grip);
        sim::as<sim::SimForm>(form).setNextDrag(by.x, by.y, steps);
    }
    void advance(int milliseconds) { ui_.advance(milliseconds); }
    std::int64_t now() const { return clock_.now(); }
    static bool childOf(const Control& child, const Surface& container) {
        return node(child).parent() == &node(container);
    }
    static bool inFront(const Control& control, const Control& sibling) {
        return node(control).zOrder() > node(sibling).zOrder();
    }

    void serve(const std::string& path, const Document& document) { ui_.setDocumentForUrl(pageUrl(path), document); }
    static std::string pageUrl(const std::string& path) { return origin() + path; }
    static std::string origin() { return "http://portal"; }
    std::string localPage(const std::string& name, const Document& document) {
        const auto file = applicationDirectory() / "zelskin/html" / name;
        std::filesystem::create_directories(file.parent_path());
        std::ofstream{file};
        ui_.setDocumentForUrl("file://" + file.string(), document);
        return "file://" + file.string();
    }
    const std::filesystem::path& applicationDirectory() const { return folder_.path(); }
    bool waitFor(const std::function<bool()>& condition) {
        ui_.processEvents();
        return condition();
    }
    void followLink(BrowserPane& pane, const std::string& url) {
        sim::as<sim::SimBrowser>(pane).raiseBeforeNavigate(url, {origin()});
    }
    std::string windowPage() { return pageUrl("/window.html"); }
    void clickForWindow(BrowserPane& pane, const std::string& url) {
        sim::as<sim::SimBrowser>(pane).requestNewWindow(url);
    }
    void roundTrip(BrowserPane&) {}
    const std::vector<std::string>& openedLinks() const { return shell_.openedLinks(); }

private:
    static const sim::SimNode& node(const Control& control) { return dynamic_cast<const sim::SimNode&>(control); }

    ScratchFolder folder_{"sim-app"};
    sim::SimShell shell_{folder_.path() / "Desktop"};
    sim::SimClock clock_;
    sim::SimUi ui_{clock_, {folder_.path(), {"flvplay", "dddisk"}, &shell_}};
};

INSTANTIATE_TYPED_TEST_SUITE_P(SimBrowser, BrowserContract, SimDriver);
INSTANTIATE_TYPED_TEST_SUITE_P(SimCanvas, CanvasContract, SimDriver);
INSTANTIATE_TYPED_TEST_SUITE_P(SimForm, FormContract, SimDriver);
INSTANTIATE_TYPED_TEST_SUITE_P(SimLoop, LoopContract, SimDriver);
INSTANTIATE_TYPED_TEST_SUITE_P(SimTimer, TimerContract, SimDriver);
INSTANTIATE_TYPED_TEST_SUITE_P(SimInput, InputContract, SimDriver);

}  // namespace
}  // namespace fluvane::platform::contract
