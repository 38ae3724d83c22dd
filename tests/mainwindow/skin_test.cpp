#include "form1_fixture.h"

namespace fluvane::mainwindow {
namespace {

using platform::sim::PictureOrigin;

class Form1SkinTest : public Form1Fixture {
protected:
    // The holders in loading order, with their files.
    static std::vector<std::pair<std::shared_ptr<platform::Picture>, std::string_view>> holders(Form1Design& f) {
        const auto& strip = platform::sim::as<platform::sim::SimSurface>(*f.Picture9);
        return {{f.Image1->picture(), "biaotilan.jpg"},
                {f.Image4->picture(), "Close.jpg"},
                {f.Image5->picture(), "max-1.jpg"},
                {f.Image6->picture(), "min.jpg"},
                {f.Image7->picture(), "hp.jpg"},
                {f.Image8->picture(), "max-2.jpg"},
                {f.Image9->picture(), "bf.jpg"},
                {f.Image10->picture(), "pk.jpg"},
                {strip.picture(), "dibulan.jpg"},
                {f.logo->picture(), "logo.jpg"},
                {f.zb->picture(), "zb.jpg"},
                {f.Image14->picture(), "dibulan.jpg"},
                {f.Image17->picture(), "list.jpg"},
                {f.bjimg->picture(), "bj.jpg"},
                {f.cai->picture(), "menu.jpg"},
                {f.tv->picture(), "tv.jpg"}};
    }
};

TEST_F(Form1SkinTest, EveryHolderGetsItsOwnPictureAndT4Starts) {
    const auto loaded = holders(load());
    for (const auto& [picture, file] : loaded) {
        ASSERT_TRUE(picture) << file;
        EXPECT_EQ(platform::sim::originOf(*picture), PictureOrigin::fromFile(skinFile(file)));
    }
    EXPECT_NE(loaded[8].first, loaded[11].first) << "dibulan.jpg is loaded twice";
    ASSERT_TRUE(window().icon());
    EXPECT_EQ(platform::sim::originOf(*window().icon()), PictureOrigin::icon(appDir() / "zelskin" / "icon.ico"));
    EXPECT_TRUE(Form1Inside::T4(*form).enabled());
    EXPECT_TRUE(sim.ui().messageBoxes().empty());
    EXPECT_FALSE(sim.application().ended());
}

TEST_F(Form1SkinTest, AnIconFileWithoutAnIconLeavesTheWindowWithoutOne) {
    testsupport::writeBytes(appDir() / "zelskin" / "icon.ico", "not an icon");
    load();
    EXPECT_FALSE(window().icon());
    EXPECT_TRUE(Form1Inside::T4(*form).enabled());
    EXPECT_TRUE(sim.ui().messageBoxes().empty());
}

struct Broken {
    std::string_view file;  // in zelskin
    bool missing;           // else there but unreadable
    std::size_t loading;    // its place in the loading order
};

TEST_F(Form1SkinTest, AFileThatCannotBeLoadedEndsTheStartUpNamingIt) {
    testsupport::writeBytes(appDir() / "zelskin" / "zelplaylist.xml",
                            "<playlist><ul><Class Name=\"甲\"/></ul></playlist>");
    for (const Broken broken :
         {Broken{"skin/Close.jpg", true, 1}, Broken{"skin/tv.jpg", false, 15}, Broken{"icon.ico", true, 16}}) {
        const std::filesystem::path brokenFile = appDir() / "zelskin" / broken.file;
        platform::sim::SimPlatform fresh{profile, codePage, appDir(), testsupport::commandSchemes(),
                                         testsupport::kPortal};
        testsupport::InstallSkin(appDir(), fresh.ui());
        std::filesystem::remove(brokenFile);
        if (!broken.missing) std::filesystem::create_directory(brokenFile);
        platform::Platform freshPlatform = fresh.platform();
        Form1 window(freshPlatform, windows);
        window.Form_Load();

        ASSERT_EQ(fresh.ui().messageBoxes().size(), 1u) << broken.file;
        const auto& box = fresh.ui().messageBoxes().front();
        EXPECT_EQ(box.text, std::string(broken.missing ? "缺少皮肤文件 " : "无法读取皮肤文件 ") + brokenFile.string() +
                                "，安装不完整，请重新安装。");
        EXPECT_EQ(box.icon, platform::MessageBoxIcon::Error);
        EXPECT_TRUE(fresh.application().ended());
        EXPECT_EQ(fresh.application().exitCode(), 1);
        const auto loaded = holders(controlsOf(window));
        for (std::size_t step = 0; step < loaded.size(); ++step)
            EXPECT_EQ(static_cast<bool>(loaded[step].first), step < broken.loading) << broken.file << " " << step;
        EXPECT_FALSE(Form1Inside::T4(window).enabled());
        EXPECT_TRUE(controlsOf(window).W2->browserEvents.newWindow) << "connected before the skin";
        EXPECT_EQ(controlsOf(window).SFPlayList1->NodesCount(), 0) << "nothing after the skin runs";
        EXPECT_TRUE(platform::sim::as<platform::sim::SimBrowser>(*controlsOf(window).ListWeb).navigations().empty())
            << "nothing after the skin runs";
        std::filesystem::remove_all(brokenFile);
    }
}

}  // namespace
}  // namespace fluvane::mainwindow
