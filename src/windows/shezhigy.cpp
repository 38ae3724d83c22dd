#include "windows/shezhigy.h"

#include "startup/process_utils.h"

namespace fluvane::windows {

shezhigy::shezhigy(platform::Platform& platform) : DialogWindow(platform, platform.portalUrl) {
    Label18->events.mouseMove = [this](const platform::MouseEvent& e) { Label18_MouseMove(e); };
    Label18->events.click = [this] { Label18_Click(); };
}

void shezhigy::Image1_MouseMove(const platform::MouseEvent& e) {
    DialogWindow::Image1_MouseMove(e);
    Label18->setForeColor(kLinkColor);
}

void shezhigy::Image2_Click() { form_->close(); }

void shezhigy::Label18_MouseMove(const platform::MouseEvent&) { Label18->setForeColor(kLinkHoverColor); }

void shezhigy::Label18_Click() { startup::OpenLink(platform_.shell, Label18->caption()); }

}  // namespace fluvane::windows
