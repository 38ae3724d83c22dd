#include "mainwindow/notice_list.h"

#include "support/app_fixture.h"
#include "support/form1_inside.h"

#include <set>

namespace fluvane::mainwindow {

using namespace testsupport;
namespace {

class NoticeLineTest : public AppTest {
protected:
    NoticeLineTest() { window->show(); }
    void writeNotices(std::string_view utf8) { writeGbk("link.txt", utf8); }
    std::string notice() { return label.caption(); }
    void load() { line.start(); }

    std::unique_ptr<platform::Form> window = platform.ui.createForm();
    platform::Label& label = window->addLabel();
    NoticeLine line{platform, *window, label, appDir() / "link.txt"};
};

TEST_F(NoticeLineTest, ANewNoticeAboutEverySixSeconds) {
    writeNotices("甲通知###http://portal.test/a\r\n");
    load();
    sim.advance(1000);
    EXPECT_EQ(notice(), "甲通知");

    writeNotices("乙通知###http://portal.test/b###extra\r\n");
    sim.advance(5999);
    EXPECT_EQ(notice(), "甲通知");
    sim.advance(1);
    EXPECT_EQ(notice(), "乙通知");

    ASSERT_TRUE(sim.ui().click(label, {1, 1}));
    EXPECT_EQ(sim.shell().openedLinks(), std::vector<std::string>{"http://portal.test/b"});
}

TEST_F(NoticeLineTest, OnlyNonEmptyLinesAreChosen) {
    writeNotices("\r\n一###http://x/1\r\n\r\n\r\n二###http://x/2\n\n三###http://x/3\r\n\r\n");
    load();
    sim.advance(1000);
    std::set<std::string> seen;
    for (int cycle = 0; cycle < 40; ++cycle) {
        seen.insert(notice());
        sim.advance(6000);
    }
    EXPECT_TRUE(seen.size() >= 2 && seen.size() <= 3);
    for (const std::string& text : seen) EXPECT_TRUE(text == "一" || text == "二" || text == "三") << text;
}

TEST_F(NoticeLineTest, ACarriageReturnAloneEndsALineToo) {
    writeNotices("一###http://x/1\r\r\n二###http://x/2\r三###http://x/3\n");
    EXPECT_EQ(mainwindow::readNoticeLines(appDir() / "link.txt", codePage),
              (std::vector<std::string>{"一###http://x/1", "二###http://x/2", "三###http://x/3"}));
}

TEST_F(NoticeLineTest, BothTimersStopWhenTheListDisappears) {
    writeNotices("甲###http://portal.test/a\r\n");
    load();
    sim.advance(1000);
    std::filesystem::remove(appDir() / "link.txt");

    sim.advance(20000);
    EXPECT_FALSE(Form1Inside::gun(line).enabled());
    EXPECT_FALSE(Form1Inside::gun2(line).enabled());
    EXPECT_EQ(notice(), "甲");

    writeNotices("乙###http://portal.test/b\r\n");
    sim.advance(20000);
    EXPECT_EQ(notice(), "甲");
}

TEST_F(NoticeLineTest, NoListAtStartStopsTheRotationAtOnce) {
    load();
    sim.advance(1000);
    EXPECT_FALSE(Form1Inside::gun(line).enabled());
    EXPECT_FALSE(Form1Inside::gun2(line).enabled());
    EXPECT_EQ(notice(), "");
}

TEST_F(NoticeLineTest, OddListsKeepTheRotationGoing) {
    writeNotices("\r\n\r\n");
    load();
    sim.advance(1000);
    EXPECT_EQ(notice(), "");
    EXPECT_TRUE(Form1Inside::gun2(line).enabled());

    writeNotices("甲###http://portal.test/a\r\n");
    sim.advance(6000);
    EXPECT_EQ(notice(), "甲");

    writeNotices("没有链接的通知\r\n");
    sim.advance(6000);
    EXPECT_EQ(notice(), "没有链接的通知");
    label.events.click();
    EXPECT_EQ(sim.shell().openedLinks(), std::vector<std::string>{"http://portal.test/a"});

    const std::string huge(1 << 20, 'x');
    writeNotices(huge + "###http://portal.test/h\r\n");
    sim.advance(6000);
    EXPECT_EQ(notice(), huge);

    writeNotices("丙###file:///etc/passwd\r\n");
    sim.advance(6000);
    EXPECT_EQ(notice(), "丙");
    label.events.click();
    EXPECT_EQ(sim.shell().openedLinks().size(), 1u);
    EXPECT_TRUE(Form1Inside::gun2(line).enabled());
}

}  // namespace
}  // namespace fluvane::mainwindow
