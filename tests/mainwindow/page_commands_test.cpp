#include "mainwindow/page_commands.h"

#include <gtest/gtest.h>

namespace fluvane::mainwindow {
namespace {

constexpr const char* kDizhi = "http://portal.test";

TEST(PlayUrl, TheHighestPlaySchemeAnywhereInTheUrlCountsWhateverItsCase) {
    const struct {
        const char* url;
        const char* scheme;
    } cases[] = {
        {"flvplay:///tcab/play/?s=tiegui&ep=1", "flvplay://"},
        {"FLVPLAY:///TCAB/PLAY/?S=TIEGUI", "flvplay://"},
        {"http://portal.test/tcab/go.asp?to=YoukuPlay:///x", "youkuplay://"},
        {"flvplay:///a#youkuplay:///b", "youkuplay://"},
        {"qiyiplay:///a tudouplay:///b", "qiyiplay://"},
        {"http://portal.test/tcab/", ""},
        {"appplay:///tcab/play/", ""},
        {"flvplay:/one-slash", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(PlaySchemeOf(c.url), c.scheme) << c.url;
        EXPECT_EQ(IsPlayUrl(c.url), *c.scheme != '\0') << c.url;
    }
}

TEST(MapPlayUrl, LowerCasesTheUrlAndPutsThePortalInPlaceOfEveryPlayScheme) {
    const struct {
        const char* url;
        const char* dizhi;
        const char* mapped;
    } cases[] = {
        {"FLVPLAY:///TCAB/PLAY/?S=TIEGUI&EP=1", kDizhi, "http://portal.test/tcab/play/?s=tiegui&ep=1"},
        {"http://portal.test/go?u=TudouPlay:///a", kDizhi, "http://portal.test/go?u=http://portal.test/a"},
        {"flvplay:///a|youkuplay:///b|qiyiplay:///c", kDizhi,
         "http://portal.test/a|http://portal.test/b|http://portal.test/c"},
        {"flvplay:///tcab/", "http://Portal.Test/Sub", "http://Portal.Test/Sub/tcab/"},
        {"youkuplay:///x", "http://flvplay://", "http://flvplay:///x"},
        {"HTTP://PORTAL.TEST/电影", kDizhi, "http://portal.test/电影"},
    };
    for (const auto& c : cases) EXPECT_EQ(MapPlayUrl(c.url, c.dizhi), c.mapped) << c.url;
}

TEST(ShortcutUrl, TitleBeforeTheFirstSeparatorAndThePathUpToTheNext) {
    const struct {
        const char* url;
        const char* title;  // nullptr: no shortcut
        const char* pageUrl;
    } cases[] = {
        {"dddisk://星河渡口@@@/tcab/", "星河渡口", "http://portal.test/tcab/"},
        {"dddisk://烟雨长歌@@@/tcab/series/yanyu/@@@ignored@@@", "烟雨长歌", "http://portal.test/tcab/series/yanyu/"},
        {"DDDISK://Tiegui@@@/tcab/Series/", "Tiegui", "http://portal.test/tcab/Series/"},
        {"dddisk://@@@", "", "http://portal.test"},
        {"dddisk://no separator", nullptr, nullptr},
    };
    for (const auto& c : cases) {
        const auto request = parseShortcutUrl(c.url, kDizhi);
        ASSERT_EQ(request.has_value(), c.title != nullptr) << c.url;
        if (!request) continue;
        EXPECT_EQ(request->title, c.title) << c.url;
        EXPECT_EQ(request->pageUrl, c.pageUrl) << c.url;
    }
}

TEST(PlayerArguments, FieldsAfterTheHashUpdateOnlyThoseTheRequestCarries) {
    PlayerArgumentFields kept;
    const struct {
        const char* url;
        const char* arguments;
    } requests[] = {
        {"http://p/x#a###b###c", "a###b###c###http://p/x#a###b###c###"},
        {"http://p/y#d", "d###b###c###http://p/y#d###"},
        {"http://p/z", "http://p/z###b###c###http://p/z###"},
        {"http://p/w#", "http://p/z###b###c###http://p/w####"},
        {"http://p/v#1######3###4", "1######3###http://p/v#1######3###4###"},
        {"http://p/u#x#y", "x#y######3###http://p/u#x#y###"},
    };
    for (const auto& r : requests) EXPECT_EQ(PlayerArguments(r.url, kept), r.arguments) << r.url;
}

TEST(collectEpisodes, LinksOfTheSamePlaySchemeInReverseDocumentOrder) {
    const platform::Document page{"铁轨尽头",
                                  {{"flvplay:///tcab/play/?s=tiegui&ep=1", "第1集"},
                                   {"youkuplay:///tcab/play/?s=tiegui&ep=1", "外站"},
                                   {"http://portal.test/tcab/", "首页"},
                                   {"FLVPLAY:///TCAB/PLAY/?S=TIEGUI&EP=9", "大写"},
                                   {"flvplay:///tcab/play/?s=tiegui&ep=2", "第2集"}}};
    const EpisodeGroup flv{"铁轨尽头",
                           {{"第2集", "http://portal.test/tcab/play/?s=tiegui&ep=2"},
                            {"第1集", "http://portal.test/tcab/play/?s=tiegui&ep=1"}}};
    const EpisodeGroup youku{"铁轨尽头", {{"外站", "http://portal.test/tcab/play/?s=tiegui&ep=1"}}};

    EXPECT_EQ(collectEpisodes(page, "FLVPLAY:///TCAB/PLAY/?S=TIEGUI&EP=1", kDizhi), flv);
    EXPECT_EQ(collectEpisodes(page, "youkuplay:///tcab/play/?s=tiegui&ep=1", kDizhi), youku);
    EXPECT_EQ(collectEpisodes(page, "http://portal.test/tcab/", kDizhi), std::nullopt);
    EXPECT_EQ(collectEpisodes({"空页", {}}, "flvplay:///x", kDizhi), (EpisodeGroup{"空页", {}}));
}

}  // namespace
}  // namespace fluvane::mainwindow
