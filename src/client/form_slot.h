#pragma once

#include "platform/form.h"

#include <functional>
#include <memory>
#include <utility>

namespace fluvane::client {

// One window of the program: created and loaded on first use, and created
// again on the next use after it was unloaded. An unloaded window is
// destroyed only at that next use, never inside its own unload event.
template <class Window>
class FormSlot {
public:
    using Factory = std::function<std::unique_ptr<Window>()>;

    explicit FormSlot(Factory make) : make_(std::move(make)) {}

    Window& get() {
        if (!window_ || unloaded_) {
            window_.reset();
            unloaded_ = false;
            window_ = make_();
            watchUnload(window_->form());
        }
        return *window_;
    }

    // Nothing while the window is not loaded.
    Window* loaded() { return window_ && !unloaded_ ? window_.get() : nullptr; }

    void unload() {
        if (Window* window = loaded()) window->form().close();
    }

private:
    void watchUnload(platform::Form& form) {
        form.formEvents.unload = [this, previous = std::move(form.formEvents.unload)] {
            if (previous) previous();
            unloaded_ = true;
        };
    }

    Factory make_;
    std::unique_ptr<Window> window_;
    bool unloaded_ = false;
};

}  // namespace fluvane::client
