#pragma once

namespace fluvane::platform::qt {

// A program ends when the last of its forms has been closed, as programs of
// the system's original platform do: hidden forms still count as open.
class QtOpenForms {
public:
    void opened() { ++open_; }
    void closed();
    // A form destroyed without being closed leaves without ending anything.
    void forgotten() { --open_; }

private:
    int open_ = 0;
};

}  // namespace fluvane::platform::qt
