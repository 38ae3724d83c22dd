#include "winsvc/tray_balloon.h"

#include "platform/messages.h"

#include <exception>

namespace fluvane::winsvc {

namespace {

// Message, icon, tip, state and balloon when adding or modifying; message,
// icon and tip when deleting.
constexpr unsigned kShowFlags = 31;
constexpr unsigned kDeleteFlags = 7;

}  // namespace

托盘气泡::托盘气泡(platform::Ui& ui, platform::Form& window, ShowTrayMenu showTrayMenu)
    : ui_(ui), window_(window), showTrayMenu_(std::move(showTrayMenu)) {}

托盘气泡::~托盘气泡() { RemoveTrayIcon(); }

void 托盘气泡::setWindowIcon(std::shared_ptr<platform::Picture> icon) {
    icon_ = std::move(icon);
    window_.setIcon(icon_);
}

void 托盘气泡::ShowTrayIcon(const std::string& tip) {
    platform::NotifyIconData record;
    record.tip = tip;
    send(record);
}

void 托盘气泡::ShowBalloon(const std::string& title, const std::string& text, int iconKind, int timeoutMs) {
    platform::NotifyIconData record;
    record.tip = title;
    record.balloonTitle = title;
    record.balloonText = text;
    record.balloonIcon = iconKind;
    record.timeoutMs = timeoutMs;
    send(record);
}

void 托盘气泡::send(const platform::NotifyIconData& fields) {
    platform::NotifyIconData record = fields;
    record.owner = &window_;
    record.flags = kShowFlags;
    record.callbackMessage = platform::msg::TrayCallback;
    record.icon = icon_;
    if (callback_.installed()) {
        // An icon the notification area lost (or never had) is added anew.
        iconShown_ = ui_.notifyIcon(platform::NotifyIconOperation::Modify, record) ||
                     ui_.notifyIcon(platform::NotifyIconOperation::Add, record);
        return;
    }
    iconShown_ = ui_.notifyIcon(platform::NotifyIconOperation::Add, record);
    callback_.install(
        window_, [this](std::uint32_t message, std::uintptr_t wParam, std::intptr_t lParam,
                        const platform::WindowProcedure& next) { return TrayCallback(message, wParam, lParam, next); });
}

void 托盘气泡::RemoveTrayIcon() {
    if (!callback_.installed()) return;
    platform::NotifyIconData record;
    record.owner = &window_;
    record.flags = kDeleteFlags;
    record.callbackMessage = platform::msg::TrayCallback;
    record.icon = icon_;
    ui_.notifyIcon(platform::NotifyIconOperation::Delete, record);
    iconShown_ = false;
    callback_.remove();
}

bool 托盘气泡::canHideToTray() const { return iconShown_ && ui_.trayAvailable(); }

void 托盘气泡::hideToTray() {
    if (canHideToTray())
        window_.hide();
    else
        window_.setWindowState(platform::WindowState::Minimized);
}

std::intptr_t 托盘气泡::TrayCallback(std::uint32_t message, std::uintptr_t wParam, std::intptr_t lParam,
                                     const platform::WindowProcedure& next) {
    if (message == platform::msg::TrayCallback && !ignoresClicks_) {
        switch (lParam) {
            case platform::traymsg::LeftButtonUp:
                if (window_.visible())
                    hideToTray();
                else
                    window_.show();
                break;
            case platform::traymsg::RightButtonUp:
            case platform::traymsg::BalloonClick:
                window_.setForeground();
                // A menu that fails must not keep the message from the procedures below.
                try {
                    if (showTrayMenu_) showTrayMenu_(ui_.cursorPosition());
                } catch (const std::exception&) {
                }
                break;
            default:
                break;
        }
    }
    return next(message, wParam, lParam);
}

}  // namespace fluvane::winsvc
