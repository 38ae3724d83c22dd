#pragma once

#include "platform/qt/qt_form.h"
#include "platform/qt/qt_picture_read_ahead.h"
#include "platform/qt/qt_web_context.h"
#include "platform/services.h"
#include "platform/ui.h"

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace fluvane::platform::qt {

class QtTray;

// The window system of the Qt desktop. Create it after the application object;
// the command schemes must have been registered before that
// (QtWebContext::registerSchemes). The browser panes take the files of
// `applicationDirectory` as the client's local pages, keep what they remember
// in `webFolders`, and open new windows the logic leaves alone through `shell`.
class QtUi : public platform::Ui {
public:
    QtUi(const std::vector<std::string>& commandSchemes, const std::filesystem::path& applicationDirectory,
         platform::Shell& shell, const WebFolders& webFolders = {});
    ~QtUi() override;

    // While the start-up waits: starts the browser engine before the first
    // pane needs it (QtWebContext::warmUp) and reads the pictures of
    // `pictureFolder` before the first window loads them.
    void warmUp(const std::filesystem::path& pictureFolder);

    std::unique_ptr<platform::Form> createForm() override;
    std::unique_ptr<platform::Timer> createTimer() override;
    std::unique_ptr<platform::Timer> createTimer(platform::Form& window) override;
    std::unique_ptr<platform::Buffer> createBuffer(platform::Size size) override;

    std::shared_ptr<platform::Picture> loadPicture(const std::filesystem::path& file) override;
    std::shared_ptr<platform::Picture> loadIcon(const std::filesystem::path& file) override;
    std::shared_ptr<platform::Picture> resourcePicture(int id) override;

    platform::Color systemColor(int index) const override;
    platform::Size screenSize() const override;
    platform::Rect workArea() const override;
    platform::Rect taskbarRect() const override;
    platform::Point cursorPosition() const override;

    platform::MessageBoxResult messageBox(const std::string& title, const std::string& text,
                                          platform::MessageBoxIcon icon, platform::MessageBoxButtons buttons) override;
    int popupMenu(platform::Form& owner, const std::vector<platform::MenuItem>& items, platform::Point screen) override;
    bool notifyIcon(platform::NotifyIconOperation operation, const platform::NotifyIconData& data) override;
    bool trayAvailable() const override;

    void processEvents() override;
    void sleep(int milliseconds) override;

private:
    std::unique_ptr<QtWebContext> web_;
    QtOpenForms openForms_;
    std::unique_ptr<QtTray> tray_;
    PictureReadAhead readAhead_;
};

}  // namespace fluvane::platform::qt
