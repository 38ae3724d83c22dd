#pragma once

#include "platform/browser.h"
#include "platform/sim/sim_browser.h"
#include "platform/sim/sim_clock.h"
#include "platform/sim/sim_controls.h"
#include "platform/ui.h"

#include <deque>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace fluvane::platform::sim {

class SimForm;

struct MessageBoxCall {
    std::string title;
    std::string text;
    platform::MessageBoxIcon icon;
    platform::MessageBoxButtons buttons;
    platform::MessageBoxResult result;
};

struct MenuCall {
    platform::WindowHandle owner;
    std::vector<platform::MenuItem> items;
    Point screen;
    int chosen;
};

struct NotifyIconCall {
    platform::NotifyIconOperation operation;
    platform::NotifyIconData data;
    bool result;
};

// The window system. Test-facing defaults: a 1366x768 screen with a 40-pixel
// taskbar along the bottom, the cursor at 0,0, the Windows 7 system colours.
//
// Dialogs do not block: a message box returns the next queued answer, else
// Ok for Ok, No for YesNo, Cancel for OkCancel; a popup menu returns the
// next queued choice if it names an enabled item, else 0.
//
// Pictures: loadPicture takes an existing file whose content is BMP, PNG,
// GIF or JPEG, or any existing file given a size with setPictureSize; its
// size is the registered one, else read from the BMP/PNG/GIF header, else
// 0x0 (JPEG). loadIcon takes an existing ICO file (size 32x32 unless
// registered). resourcePicture has the size of the compiled-in bitmap.
//
// Input: the injection calls take a control and a point in its coordinates.
// While a surface holds the capture, events other than leave go to it
// instead, the point made relative to it. Input to a control that is not
// shown is dropped and the call returns false. Click and doubleClick are
// raised for the left button only; a double click delivers, like the
// original's, mouseDown, mouseUp, click, doubleClick, mouseUp. The buttons
// held are those pressed and not released, or those a move says are held; a
// move loop started by a press takes its release, and so its click.
class SimUi final : public platform::Ui {
public:
    explicit SimUi(SimClock& clock, SimBrowserSetup browserSetup = {})
        : clock_(clock), browserSetup_(std::move(browserSetup)) {}
    ~SimUi() override;

    std::unique_ptr<platform::Form> createForm() override;
    std::unique_ptr<platform::Timer> createTimer() override;
    std::unique_ptr<platform::Timer> createTimer(platform::Form& window) override;
    std::unique_ptr<platform::Buffer> createBuffer(Size size) override;
    std::shared_ptr<platform::Picture> loadPicture(const std::filesystem::path& file) override;
    std::shared_ptr<platform::Picture> loadIcon(const std::filesystem::path& file) override;
    std::shared_ptr<platform::Picture> resourcePicture(int id) override;
    Color systemColor(int index) const override;
    Size screenSize() const override { return screenSize_; }
    Rect workArea() const override { return workArea_; }
    Rect taskbarRect() const override { return taskbarRect_; }
    Point cursorPosition() const override { return cursorPosition_; }
    platform::MessageBoxResult messageBox(const std::string& title, const std::string& text,
                                          platform::MessageBoxIcon icon, platform::MessageBoxButtons buttons) override;
    int popupMenu(platform::Form& owner, const std::vector<platform::MenuItem>& items, Point screen) override;
    bool notifyIcon(platform::NotifyIconOperation operation, const platform::NotifyIconData& data) override;
    bool trayAvailable() const override { return trayAvailable_; }
    // Pending paints, then timers already due (each once), then the paints they caused.
    void processEvents() override;
    void sleep(int milliseconds) override { clock_.block(milliseconds); }

    // Time: ticks timers as they fall due and runs paints between them.
    void advance(std::int64_t milliseconds);

    // Forms in creation order, closed ones included while they exist.
    const std::vector<SimForm*>& forms() const { return forms_; }
    // The open form with this handle, or nullptr.
    SimForm* formByHandle(platform::WindowHandle handle) const;

    void setScreenSize(Size size) { screenSize_ = size; }
    void setWorkArea(Rect area) { workArea_ = area; }
    void setTaskbarRect(Rect rect) { taskbarRect_ = rect; }
    void setCursorPosition(Point position) { cursorPosition_ = position; }
    void setSystemColor(int index, Color color) { systemColors_[index] = color; }
    void setPictureSize(const std::filesystem::path& file, Size size) { pictureSizes_[file] = size; }

    const SimBrowserSetup& browserSetup() const { return browserSetup_; }
    void setDocumentForUrl(const std::string& url, platform::Document document) {
        documents_[url] = std::move(document);
    }
    const platform::Document* documentForUrl(const std::string& url) const;

    void queueMessageBoxAnswer(platform::MessageBoxResult answer) { messageBoxAnswers_.push_back(answer); }
    const std::vector<MessageBoxCall>& messageBoxes() const { return messageBoxes_; }
    void queueMenuChoice(int id) { menuChoices_.push_back(id); }
    const std::vector<MenuCall>& menus() const { return menus_; }

    // Every notifyIcon call. Add fails for an icon already there, Modify and
    // Delete for one that is not, and all fail while the tray is unavailable.
    const std::vector<NotifyIconCall>& notifyIconCalls() const { return notifyIconCalls_; }
    void setTrayAvailable(bool available) { trayAvailable_ = available; }
    // The icon's current record, or nullptr.
    const platform::NotifyIconData* trayIcon(unsigned id) const;
    // The user acts on icon `id`: its owner receives the callback message with
    // `mouseMessage` in lParam. False if there is no such icon with a callback.
    bool raiseTrayCallback(unsigned id, std::intptr_t mouseMessage);

    bool move(platform::Control& control, Point at, int buttons = platform::button::None,
              int shift = platform::shift::None);
    bool press(platform::Control& control, Point at, int button = platform::button::Left,
               int shift = platform::shift::None);
    bool release(platform::Control& control, Point at, int button = platform::button::Left,
                 int shift = platform::shift::None);
    bool click(platform::Control& control, Point at, int button = platform::button::Left);
    bool doubleClick(platform::Control& control, Point at);
    bool wheel(platform::Control& control, Point at, int delta, int shift = platform::shift::None);
    bool leave(platform::Control& control);
    // For input by window handle: the open form, or std::out_of_range.
    platform::Form& form(platform::WindowHandle handle) const;
    // The surface holding the capture, or nullptr.
    SimNode* captured() const { return capture_; }
    // The mouse buttons held down now (platform::button values).
    int buttonsHeld() const { return buttonsHeld_; }

private:
    friend class SimNode;
    friend class SimForm;
    template <class Api>
    friend class SimSurfaceBase;

    void runPaints();
    static void paintTree(SimNode& node);
    struct Target {
        SimNode* node;
        platform::MouseEvent event;
    };
    // Where pointer input at `at` over `control` goes, or nothing if dropped.
    std::optional<Target> route(platform::Control& control, Point at, int button, int shift) const;

    SimClock& clock_;
    SimBrowserSetup browserSetup_;
    std::vector<SimForm*> forms_;
    SimNode* capture_ = nullptr;
    int buttonsHeld_ = platform::button::None;
    platform::WindowHandle lastHandle_ = 0x10000;
    long lastZ_ = 0;
    int lastBuffer_ = 0;

    Size screenSize_{1366, 768};
    Rect workArea_{0, 0, 1366, 728};
    Rect taskbarRect_{0, 728, 1366, 768};
    Point cursorPosition_;
    std::map<int, Color> systemColors_;
    std::map<std::filesystem::path, Size> pictureSizes_;
    std::map<std::string, platform::Document> documents_;

    std::deque<platform::MessageBoxResult> messageBoxAnswers_;
    std::vector<MessageBoxCall> messageBoxes_;
    std::deque<int> menuChoices_;
    std::vector<MenuCall> menus_;
    std::vector<NotifyIconCall> notifyIconCalls_;
    std::map<unsigned, platform::NotifyIconData> trayIcons_;
    bool trayAvailable_ = true;
};

}  // namespace fluvane::platform::sim
