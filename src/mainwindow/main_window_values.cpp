#include "mainwindow/main_window_values.h"

#include "platform/shared/numbers.h"
#include "startup/config_files.h"

#include <limits>

namespace fluvane::mainwindow {

namespace {

// A server time in whole seconds ("+300" and " 300 " too); anything else
// (empty, fractional, zero, negative or beyond 32 bits) switches the timed
// behaviour off, instead of firing every tick or counting down for ever.
std::optional<std::int32_t> positiveSeconds(std::string_view text) {
    const auto value = platform::shared::wholeNumber(text);
    if (!value || *value <= 0 || *value > std::numeric_limits<std::int32_t>::max()) return std::nullopt;
    return static_cast<std::int32_t>(*value);
}

}  // namespace

bool isSwitchOn(std::string_view text) { return text == "1"; }

ServerValues readServerValues(platform::Platform& platform) {
    const auto read = [&platform](std::string_view section, std::string_view key) {
        return startup::ReadServerConfig(platform, section, key);
    };
    ServerValues values;
    values.dizhi = startup::readPortalBase(platform, startup::BuiltInPortalNotice::Log);
    values.ad = isSwitchOn(read("弹窗广告设置项", "开关"));
    values.L1 = positiveSeconds(read("弹窗广告设置项", "广告初始时间"));
    values.l2 = positiveSeconds(read("弹窗广告设置项", "广告循环时间"));
    values.tuichu = isSwitchOn(read("退窗广告设置项", "开关"));
    values.huangchong = isSwitchOn(read("缓冲广告设置项", "开关"));
    values.da = positiveSeconds(read("缓冲广告设置项", "缓冲时间"));
    values.hit1 = isSwitchOn(read("电影推荐窗口", "开关"));
    return values;
}

StartupSettings readStartupSettings(platform::Platform& platform) {
    const auto read = [&platform](std::string_view key) { return startup::readConfigBoolean(platform, "form", key); };
    return {read("form"), read("run"), read("renwulan"), read("shipinku")};
}

}  // namespace fluvane::mainwindow
