#pragma once

#include "platform/sim/sim_ui.h"
#include "support/temp_application_directory.h"

#include <array>
#include <filesystem>
#include <string_view>

namespace fluvane::testsupport {

struct SkinFile {
    std::string_view name;  // in zelskin/skin
    platform::Size size;    // what the window's painting expects of it
};

// The pictures of the skin directory, each once.
inline constexpr std::array<SkinFile, 15> kSkinFiles{{{"biaotilan.jpg", {1920, 45}},
                                                      {"Close.jpg", {96, 45}},
                                                      {"max-1.jpg", {81, 45}},
                                                      {"min.jpg", {81, 45}},
                                                      {"hp.jpg", {81, 45}},
                                                      {"max-2.jpg", {81, 45}},
                                                      {"bf.jpg", {348, 45}},
                                                      {"pk.jpg", {348, 45}},
                                                      {"dibulan.jpg", {455, 41}},
                                                      {"logo.jpg", {97, 26}},
                                                      {"zb.jpg", {348, 45}},
                                                      {"list.jpg", {57, 41}},
                                                      {"bj.jpg", {320, 180}},
                                                      {"menu.jpg", {81, 45}},
                                                      {"tv.jpg", {348, 45}}}};

// The skin an installation carries: JPEG files whose sizes the simulated
// platform is told, and the window icon.
inline void InstallSkin(const std::filesystem::path& app, platform::sim::SimUi& ui) {
    const std::filesystem::path skin = app / "zelskin" / "skin";
    std::filesystem::create_directories(skin);
    for (const SkinFile& file : kSkinFiles) {
        writeBytes(skin / file.name, "\xFF\xD8\xFF\xE0 skin picture");
        ui.setPictureSize(skin / file.name, file.size);
    }
    writeBytes(app / "zelskin" / "icon.ico", std::string_view("\0\0\1\0\1\0", 6));
}

}  // namespace fluvane::testsupport
