#include "windows/shezhigy.h"
#include "windows/shezhitip.h"

#include "startup/config_files.h"
#include "support/app_fixture.h"

namespace fluvane::windows {

using namespace testsupport;
namespace {

using platform::sim::as;
using platform::sim::SimForm;
using platform::sim::SimLabel;
using Texts = std::vector<std::string>;

constexpr const char* kKeys[] = {"form", "run", "renwulan", "shipinku", "update"};

class SettingsTest : public AppTest {
protected:
    void writeForm(const std::string& lines) { writeGbk("zelskin/Config.ini", "[form]\r\n" + lines); }
    std::string setting(const char* key) { return startup::ReadConfig(platform, "form", key, ""); }
    static Texts captions(shezhitip& window) {
        return {window.Label3->caption(), window.Label2->caption(), window.Label4->caption(), window.Label5->caption(),
                window.Label6->caption()};
    }
    static std::vector<bool> valves(shezhitip& window) {
        return {window.an1->Valve(), window.an2->Valve(), window.an3->Valve(), window.an4->Valve(),
                window.an5->Valve()};
    }
    // The user clicks switch `button`.
    void flip(controls::an& button) { sim.ui().click(button.ButtonMain(), {16, 9}); }

    // Opens the settings window afresh from the file.
    shezhitip& open() {
        settings = std::make_unique<shezhitip>(platform, [this](const std::string& text) { tips.push_back(text); });
        settings->Form_Load();
        settings->Show(nullptr);
        return *settings;
    }

    std::unique_ptr<shezhitip> settings;
    Texts tips;
};

TEST_F(SettingsTest, EachSwitchShowsItsSettingAndAnUnreadableOneShowsOff) {
    const Texts on{"最小化到托盘", "已添加开机启动", "任务栏显示", "显示视频库窗口", "为我自动升级新版本"};
    const Texts off{"退出程序", "设置开机启动", "在托盘显示", "显示播放器窗口", "不自动升级信版本"};
    struct Case {
        const char* lines;
        std::vector<bool> valves;
    };
    const Case cases[] = {
        {"form=True\r\nrun=true\r\nrenwulan=TRUE\r\nshipinku=1\r\nupdate=-2\r\n", {true, true, true, true, true}},
        {"form=False\r\nrun=0\r\nrenwulan=false\r\nshipinku=False\r\nupdate=FALSE\r\n",
         {false, false, false, false, false}},
        {"form=yes\r\nrun=\r\nshipinku=True\r\nupdate=maybe\r\n", {false, false, false, true, false}},
    };
    for (const Case& c : cases) {
        writeForm(c.lines);
        shezhitip& window = open();
        EXPECT_EQ(valves(window), c.valves) << c.lines;
        for (std::size_t n = 0; n < 5; ++n) {
            EXPECT_EQ(captions(window)[n], c.valves[n] ? on[n] : off[n]) << c.lines << " switch " << n + 1;
        }
    }
}

TEST_F(SettingsTest, TheStartUpSwitchChangesTheSessionsAutostartOrFlipsBack) {
    for (const bool succeeds : {true, false}) {
        writeForm("run=False\r\n");
        sim.shell().setSucceeds(succeeds);
        shezhitip& window = open();
        flip(*window.an2);

        ASSERT_FALSE(sim.shell().autostarts().empty());
        EXPECT_TRUE(sim.shell().autostarts().back().enabled);
        EXPECT_EQ(sim.shell().autostarts().back().program, sim.application().executable());
        EXPECT_EQ(window.an2->Valve(), succeeds);
        EXPECT_EQ(window.Label2->caption(), succeeds ? "已添加开机启动" : "设置开机启动");
        EXPECT_EQ(setting("run"), succeeds ? "True" : "False");
    }
}

TEST_F(SettingsTest, EveryClickWritesAProperValueAtOnceAndTwoClicksLeaveItAsItWas) {
    writeForm("form=True\r\nrun=False\r\nrenwulan=yes\r\nupdate=True\r\n");
    shezhitip& window = open();
    controls::an* buttons[] = {window.an1.get(), window.an2.get(), window.an3.get(), window.an4.get(),
                               window.an5.get()};
    const Texts once{"False", "True", "True", "True", "False"};
    const Texts twice{"True", "False", "False", "False", "True"};
    const Texts onCaptions{"最小化到托盘", "已添加开机启动", "任务栏显示", "显示视频库窗口", "为我自动升级新版本"};
    for (const Texts* expected : {&once, &twice}) {
        for (std::size_t n = 0; n < 5; ++n) {
            flip(*buttons[n]);
            EXPECT_EQ(setting(kKeys[n]), (*expected)[n]) << kKeys[n];
            EXPECT_EQ(captions(window)[n] == onCaptions[n], (*expected)[n] == "True") << kKeys[n];
        }
    }

    sim.ui().click(*window.Image5, {5, 5});
    EXPECT_TRUE(as<SimForm>(window.form()).closed());
    EXPECT_EQ(valves(open()), (std::vector<bool>{true, false, false, false, true}));
}

TEST_F(SettingsTest, SavingConfirmsEvenWithoutChangesAndWritesNothing) {
    writeForm("form=True\r\n");
    const std::string before = readBytes(appDir() / "zelskin" / "Config.ini");
    shezhitip& window = open();
    sim.ui().click(*window.Image2, {50, 40});

    EXPECT_EQ(tips, Texts{"设置成功 下次启动生效"});
    EXPECT_TRUE(as<SimForm>(window.form()).closed());
    EXPECT_EQ(readBytes(appDir() / "zelskin" / "Config.ini"), before);
}

TEST_F(SettingsTest, BothWindowsDragByTheirBackgroundAndTitle) {
    shezhitip& settingsWindow = open();
    shezhigy about(platform);
    about.Show(nullptr);
    for (DialogDesign* window : {static_cast<DialogDesign*>(&settingsWindow), static_cast<DialogDesign*>(&about)}) {
        auto& form = as<SimForm>(window->form());
        sim.ui().press(*window->Image1, {200, 150});
        sim.ui().press(*window->Label1, {5, 5});
        EXPECT_EQ(form.sizeMoveLoops(), 2);
    }
}

TEST_F(SettingsTest, ButtonsShowTheirHoverPicturesAndTheLinkItsColours) {
    shezhigy about(platform);
    about.Show(nullptr);
    ASSERT_NE(about.Image3->picture(), about.Image4->picture());
    ASSERT_NE(about.Image6->picture(), about.Image7->picture());
    auto& link = as<SimLabel>(*about.Label18);
    EXPECT_EQ(link.caption(), kPortal);

    sim.ui().move(*about.Image2, {50, 40});
    sim.ui().move(*about.Image5, {5, 5});
    sim.ui().move(*about.Label18, {5, 5});
    EXPECT_EQ(about.Image2->picture(), about.Image4->picture());
    EXPECT_EQ(about.Image5->picture(), about.Image7->picture());
    EXPECT_EQ(link.foreColor(), platform::Color::rgb(255, 0, 0));

    sim.ui().move(*about.Image1, {200, 150});
    EXPECT_EQ(about.Image2->picture(), about.Image3->picture());
    EXPECT_EQ(about.Image5->picture(), about.Image6->picture());
    EXPECT_EQ(link.foreColor(), platform::Color::rgb(0, 0, 255));

    sim.ui().click(*about.Label18, {5, 5});
    EXPECT_EQ(sim.shell().openedLinks(), Texts{kPortal});
    sim.ui().click(*about.Image2, {50, 40});
    EXPECT_TRUE(as<SimForm>(about.form()).closed());
}

}  // namespace
}  // namespace fluvane::windows
