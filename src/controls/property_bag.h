#pragma once

#include "platform/canvas.h"

#include <map>
#include <string>

namespace fluvane::controls {

// The values a container stores for a control instance. As with the system's
// property bags, a value equal to its default is not stored at all, and a
// missing or unreadable value reads as the default.
class PropertyBag {
public:
    std::string read(const std::string& name, const std::string& fallback) const;
    int readInt(const std::string& name, int fallback) const;
    bool readBool(const std::string& name, bool fallback) const;
    platform::Font readFont(const std::string& name, const platform::Font& fallback) const;

    void write(const std::string& name, const std::string& value, const std::string& fallback);
    void writeInt(const std::string& name, int value, int fallback);
    void writeBool(const std::string& name, bool value, bool fallback);
    void writeFont(const std::string& name, const platform::Font& value, const platform::Font& fallback);

    bool contains(const std::string& name) const { return values_.contains(name); }
    const std::map<std::string, std::string>& values() const { return values_; }

private:
    std::map<std::string, std::string> values_;
};

}  // namespace fluvane::controls
