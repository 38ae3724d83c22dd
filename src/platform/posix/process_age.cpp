#include "platform/posix/process_age.h"

#include <unistd.h>

#include <ctime>
#include <fstream>
#include <sstream>
#include <string>

namespace fluvane::platform::posix {

std::optional<double> processAgeMilliseconds() {
    std::ifstream in("/proc/self/stat");
    std::string line;
    if (!std::getline(in, line)) return std::nullopt;
    // The fields after the command name, which may itself hold spaces and brackets.
    const std::size_t nameEnd = line.rfind(')');
    if (nameEnd == std::string::npos) return std::nullopt;
    std::istringstream fields(line.substr(nameEnd + 1));
    constexpr int kStartTimeField = 20;  // counted from the state, the first field after the name
    std::string field;
    for (int i = 0; i < kStartTimeField && fields >> field;) ++i;
    double ticks = 0;
    try {
        ticks = std::stod(field);
    } catch (...) {
        return std::nullopt;
    }
    timespec now{};
    const long ticksPerSecond = sysconf(_SC_CLK_TCK);
    if (!fields || ticksPerSecond <= 0 || clock_gettime(CLOCK_BOOTTIME, &now) != 0) return std::nullopt;
    return static_cast<double>(now.tv_sec) * 1000.0 + static_cast<double>(now.tv_nsec) / 1e6 -
           ticks * 1000.0 / static_cast<double>(ticksPerSecond);
}

}  // namespace fluvane::platform::posix
