#include "mainwindow/form1.h"

#include "winsvc/hi_res_icon.h"

#include <array>
#include <filesystem>
#include <string_view>
#include <system_error>

namespace fluvane::mainwindow {

namespace {

// A skin file that cannot be had ends the start-up: the window cannot be
// drawn without it, and only reinstalling brings it back.
void endIncompleteInstallation(platform::Platform& platform, const std::filesystem::path& file) {
    std::error_code error;
    const bool missing = !std::filesystem::exists(file, error);
    platform.ui.messageBox(
        "启动失败",
        std::string(missing ? "缺少皮肤文件 " : "无法读取皮肤文件 ") + file.string() + "，安装不完整，请重新安装。",
        platform::MessageBoxIcon::Error, platform::MessageBoxButtons::Ok);
    platform.application.endProcess(1);
}

}  // namespace

// 皮肤加载: the pictures into their holders in this order, then the icon, then T4.
bool Form1::LoadSkin() {
    struct Holder {
        std::string_view file;
        platform::Image* image;
        platform::Surface* surface;  // when the picture is the container's own
    };
    const std::array<Holder, 16> holders{{{"biaotilan.jpg", Image1, nullptr},
                                          {"Close.jpg", Image4, nullptr},
                                          {"max-1.jpg", Image5, nullptr},
                                          {"min.jpg", Image6, nullptr},
                                          {"hp.jpg", Image7, nullptr},
                                          {"max-2.jpg", Image8, nullptr},
                                          {"bf.jpg", Image9, nullptr},
                                          {"pk.jpg", Image10, nullptr},
                                          {"dibulan.jpg", nullptr, Picture9},
                                          {"logo.jpg", logo, nullptr},
                                          {"zb.jpg", zb, nullptr},
                                          {"dibulan.jpg", Image14, nullptr},
                                          {"list.jpg", Image17, nullptr},
                                          {"bj.jpg", bjimg, nullptr},
                                          {"menu.jpg", cai, nullptr},
                                          {"tv.jpg", tv, nullptr}}};
    const std::filesystem::path zelskin = platform_.application.directory() / "zelskin";
    const std::filesystem::path skin = skinFolder(platform_.application.directory());
    for (const Holder& holder : holders) {
        const std::filesystem::path file = skin / holder.file;
        auto picture = platform_.ui.loadPicture(file);
        if (!picture) {
            endIncompleteInstallation(platform_, file);
            return false;
        }
        if (holder.image)
            holder.image->setPicture(std::move(picture), false);
        else
            holder.surface->setPicture(std::move(picture));
    }
    // The backdrop has its size only now.
    bj_Resize();

    // An icon file without an icon leaves the window without one.
    try {
        tray.setWindowIcon(winsvc::HiResIcon(platform_.ui, zelskin / "icon.ico"));
    } catch (const winsvc::FileNotFound& missing) {
        endIncompleteInstallation(platform_, missing.path());
        return false;
    }

    T4->setEnabled(true);
    return true;
}

}  // namespace fluvane::mainwindow
