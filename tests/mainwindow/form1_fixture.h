#pragma once

#include "support/app_fixture.h"
#include "support/form1_inside.h"
#include "support/printers.h"
#include "support/recording_windows.h"

#include <memory>
#include <vector>

namespace fluvane::mainwindow {

// A main window loaded and shown at its design size, on the player view.
class Form1Fixture : public testsupport::AppTest {
protected:
    Form1Fixture() {
        writeSettings("False", "1.0", "False");
        writeGbk("zelhe.db", serverConfig("1.0"));
    }

    // Its controls.
    Form1Design& load() {
        form = std::make_unique<Form1>(platform, windows);
        form->Form_Load();
        form->show();
        sim.advance(0);
        return controls();
    }
    Form1Design& controls() { return controlsOf(*form); }

    platform::sim::SimForm& window() { return platform::sim::as<platform::sim::SimForm>(form->form()); }
    static platform::sim::SimDrawable& drawable(platform::Surface& surface) {
        return dynamic_cast<platform::sim::SimDrawable&>(surface);
    }
    std::filesystem::path skinFile(std::string_view name) const { return appDir() / "zelskin" / "skin" / name; }
    platform::sim::draw::Copy copyOf(std::string_view file, platform::Rect source, platform::Point to) const {
        return {platform::sim::PictureOrigin::fromFile(skinFile(file)), source, to};
    }
    // The copies recorded on a surface since the last clear.
    static std::vector<platform::sim::draw::Copy> copies(platform::Surface& surface) {
        std::vector<platform::sim::draw::Copy> found;
        for (const auto& op : drawable(surface).operations())
            if (const auto* copy = std::get_if<platform::sim::draw::Copy>(&op)) found.push_back(*copy);
        return found;
    }

    testsupport::RecordingWindows windows;
    std::unique_ptr<Form1> form;
};

}  // namespace fluvane::mainwindow
