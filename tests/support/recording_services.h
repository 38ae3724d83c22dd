#pragma once

#include "mainwindow/form1.h"
#include "mainwindow/main_window_services.h"

#include <functional>
#include <string>
#include <vector>

namespace fluvane::testsupport {

// Records each call of the main window's outside operations, with what the
// test wants to know about the window at that moment.
class RecordingServices : public mainwindow::MainWindowServices {
public:
    using Form1 = mainwindow::Form1;

    std::vector<std::string> calls;
    std::function<std::string(Form1&)> describe = [](Form1&) { return std::string(); };
    int taskbarHeight = 40;
    platform::Size maxSize;
    std::string balloon;
    std::optional<platform::Point> sideWindow;

    void ShowTrayIcon(Form1& form, const std::string&) override { record("ShowTrayIcon", form); }
    void ConnectNewWindowEvent(Form1& form) override { record("ConnectNewWindowEvent", form); }
    void LoadSkin(Form1& form) override {
        record("LoadSkin", form);
        MainWindowServices::LoadSkin(form);
    }
    void LoadPlayList(Form1& form, const std::filesystem::path& file) override {
        record("LoadPlayList " + file.filename().string(), form);
    }
    int TaskbarHeight() override {
        calls.push_back("TaskbarHeight");
        return taskbarHeight;
    }
    void MaximiseBounds(Form1& form, platform::Size, platform::Size max) override {
        maxSize = max;
        record("MaximiseBounds", form);
    }
    void TaskbarButtonBehaviour(Form1& form) override { record("TaskbarButtonBehaviour", form); }
    void AddWindow(platform::WindowHandle handle, int second) override {
        calls.push_back("AddWindow " + std::to_string(second) + (handle != 0 ? "" : " no handle"));
        if (loaded) calls.back() += " | " + describe(*loaded);
    }
    void PopupSchedule(Form1&) override { calls.push_back("PopupSchedule"); }
    void ShowRecommendation(Form1&) override { calls.push_back("ShowRecommendation"); }
    void ShowBalloon(Form1&, const std::string& title, const std::string& text, int icon,
                     int timeoutMs) override {
        calls.push_back("ShowBalloon");
        balloon = title + "/" + text + "/" + std::to_string(icon) + "/" + std::to_string(timeoutMs);
    }
    void ShowSideWindow(Form1&, platform::Point topLeft) override {
        calls.push_back("ShowSideWindow");
        sideWindow = topLeft;
    }

    // AddWindow gets no form; the window that is loading is remembered here.
    Form1* loaded = nullptr;

private:
    void record(const std::string& call, Form1& form) {
        loaded = &form;
        calls.push_back(call + " | " + describe(form));
    }
};

}  // namespace fluvane::testsupport
