#include "platform/qt/qt_system_colors.h"

#include "platform/qt/qt_convert.h"

#include <array>
#include <optional>

namespace fluvane::platform::qt {

namespace {

struct Role {
    QPalette::ColorGroup group;
    QPalette::ColorRole role;
};

constexpr QPalette::ColorGroup A = QPalette::Active, I = QPalette::Inactive, D = QPalette::Disabled;

constexpr std::array<std::optional<Role>, 31> kRoles = {{
    Role{A, QPalette::Mid},              // 0 scroll bar
    Role{A, QPalette::Dark},             // 1 desktop
    Role{A, QPalette::Highlight},        // 2 active caption
    Role{I, QPalette::Mid},              // 3 inactive caption
    Role{A, QPalette::Window},           // 4 menu
    Role{A, QPalette::Base},             // 5 window
    Role{A, QPalette::Shadow},           // 6 window frame
    Role{A, QPalette::WindowText},       // 7 menu text
    Role{A, QPalette::Text},             // 8 window text
    Role{A, QPalette::HighlightedText},  // 9 caption text
    Role{A, QPalette::Button},           // 10 active border
    Role{I, QPalette::Button},           // 11 inactive border
    Role{A, QPalette::Dark},             // 12 application workspace
    Role{A, QPalette::Highlight},        // 13 highlight
    Role{A, QPalette::HighlightedText},  // 14 highlight text
    Role{A, QPalette::Button},           // 15 button face
    Role{A, QPalette::Dark},             // 16 button shadow
    Role{D, QPalette::Text},             // 17 grey text
    Role{A, QPalette::ButtonText},       // 18 button text
    Role{D, QPalette::WindowText},       // 19 inactive caption text
    Role{A, QPalette::Light},            // 20 button highlight
    Role{A, QPalette::Shadow},           // 21 3D dark shadow
    Role{A, QPalette::Midlight},         // 22 3D light
    Role{A, QPalette::ToolTipText},      // 23 info text
    Role{A, QPalette::ToolTipBase},      // 24 info background
    std::nullopt,                        // 25 unused
    Role{A, QPalette::Link},             // 26 hot light
    Role{A, QPalette::Highlight},        // 27 active caption gradient
    Role{I, QPalette::Mid},              // 28 inactive caption gradient
    Role{A, QPalette::Highlight},        // 29 menu highlight
    Role{A, QPalette::Window},           // 30 menu bar
}};

}  // namespace

platform::Color systemColor(const QPalette& palette, int index) {
    if (index < 0 || index >= static_cast<int>(kRoles.size()) || !kRoles[index]) return {};
    return fromQColor(palette.color(kRoles[index]->group, kRoles[index]->role));
}

}  // namespace fluvane::platform::qt
