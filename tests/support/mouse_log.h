#pragma once

#include "platform/controls.h"
#include "platform/input.h"

#include <string>
#include <vector>

namespace fluvane::testsupport {

// Logs what `control` is told of the mouse as "NAME what x,y" lines
// ("NAME click" and "NAME dblclick" for the clicks).
inline void LogMouse(std::vector<std::string>& log, const std::string& name, platform::Control& control) {
    const auto record = [&log, name](const char* what) {
        return [&log, name, what](const platform::MouseEvent& e) {
            log.push_back(name + " " + what + " " + std::to_string(e.x) + "," + std::to_string(e.y));
        };
    };
    control.events.mouseMove = record("move");
    control.events.mouseDown = record("down");
    control.events.mouseUp = record("up");
    control.events.click = [&log, name] { log.push_back(name + " click"); };
    control.events.doubleClick = [&log, name] { log.push_back(name + " dblclick"); };
}

}  // namespace fluvane::testsupport
