#include "windows/shezhitip.h"

#include "startup/config_files.h"
#include "windows/frm_app_tip.h"

namespace fluvane::windows {

shezhitip::shezhitip(platform::Platform& platform, ShowTip showTip)
    : DialogWindow(platform),
      switches_{{{an1.get(), Label3, "form", "最小化到托盘", "退出程序"},
                 {an2.get(), Label2, "run", "已添加开机启动", "设置开机启动"},
                 {an3.get(), Label4, "renwulan", "任务栏显示", "在托盘显示"},
                 {an4.get(), Label5, "shipinku", "显示视频库窗口", "显示播放器窗口"},
                 {an5.get(), Label6, "update", "为我自动升级新版本", "不自动升级信版本"}}},
      showTip_(std::move(showTip)) {
    for (int n = 1; n <= static_cast<int>(switches_.size()); ++n) {
        switches_[static_cast<std::size_t>(n - 1)].button->Click = [this, n] { an_Click(n); };
    }
}

void shezhitip::Form_Load() {
    for (const Switch& row : switches_) row.button->setValve(startup::readConfigBoolean(platform_, "form", row.key));
    for (const Switch& row : switches_) showChoice(row);
}

void shezhitip::showChoice(const Switch& row) { row.caption->setCaption(row.button->Valve() ? row.on : row.off); }

void shezhitip::an_Click(int n) {
    const Switch& row = switches_.at(static_cast<std::size_t>(n - 1));
    const bool on = row.button->Valve();
    showChoice(row);
    if (row.button == an2.get()) {
        startWithSession(on);
    } else {
        keep(row.key, on);
    }
}

// The switch shows what the desktop session will really do: when the autostart
// entry cannot be written or removed, it flips back and the setting stays.
void shezhitip::startWithSession(bool enabled) {
    if (!platform_.shell.setAutostart("fluvane", platform_.application.executable(), enabled)) {
        an2->setValve(!enabled);
        showChoice(switches_[1]);
        return;
    }
    keep("run", enabled);
}

void shezhitip::keep(const char* key, bool on) { startup::WriteConfig(platform_, "form", key, on ? "True" : "False"); }

void shezhitip::Image2_Click() {
    showTip_(FrmAppTip::kSettingsSaved);
    form_->close();
}

}  // namespace fluvane::windows
