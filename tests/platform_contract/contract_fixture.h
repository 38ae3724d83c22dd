#pragma once

#include "platform/form.h"
#include "platform/ui.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include <unistd.h>

namespace fluvane::platform::contract {

// What both platforms promise, written once against a driver that plays the
// user and the clock on one platform. A driver offers:
//   ui()                                the platform's window system
//   show(form, place)                   places and shows a form, ready for input
//   press, release, click (control, point[, button]); move(control, point);
//   doubleClick(control, point)         the user's mouse, points in the control's pixels
//   dragInNextLoop(form, grip, by, steps)
//                                       the left button goes down at `grip` and the next
//                                       move or size loop sees the pointer go by `by` in
//                                       `steps` equal moves, then the release
//   advance(ms), now()                  time passes with events running (virtual on the
//                                       simulated platform, real on the others)
// A folder of the test's own under the system's temporary folder, gone with it.
class ScratchFolder {
public:
    explicit ScratchFolder(const std::string& purpose) {
        const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
        std::string name = "fluvane-" + purpose + "-" + std::to_string(::getpid()) + "-" +
                           (test ? std::string(test->test_suite_name()) + "-" + test->name() : "suite");
        std::replace(name.begin(), name.end(), '/', '-');  // typed suites are named "Sim/Suite/0"
        path_ = std::filesystem::temp_directory_path() / name;
        std::filesystem::remove_all(path_);
        std::filesystem::create_directories(path_);
    }
    ~ScratchFolder() { std::filesystem::remove_all(path_); }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
};

template <class Driver>
class PlatformContract : public ::testing::Test {
protected:
    // A procedure that notes each message and then passes it on.
    void logMessages() {
        previous_ = form->replaceProcedure([this](std::uint32_t message, std::uintptr_t wParam, std::intptr_t lParam) {
            messages.push_back(message);
            return previous_(message, wParam, lParam);
        });
    }

    Driver driver;
    std::unique_ptr<Form> form = driver.ui().createForm();
    std::vector<std::uint32_t> messages;

private:
    WindowProcedure previous_;
};

}  // namespace fluvane::platform::contract
