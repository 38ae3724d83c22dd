#include "mainwindow/command_url.h"

#include <gtest/gtest.h>

namespace fluvane::mainwindow {
namespace {

TEST(IsCommandUrl, FindsTheSchemeAnywhereWhateverTheCase) {
    EXPECT_TRUE(IsCommandUrl("flvplay://tcab/play/1.html", "flvplay://"));
    EXPECT_TRUE(IsCommandUrl("FLVPLAY://TCAB/PLAY/1.HTML", "flvplay://"));
    EXPECT_TRUE(IsCommandUrl("http://portal/tcab/x.html#flvplay://a", "FlvPlay://"));
    EXPECT_TRUE(IsCommandUrl("about:blankclose://", "close://"));
}

TEST(IsCommandUrl, RejectsOtherUrlsAndNearMisses) {
    EXPECT_FALSE(IsCommandUrl("http://portal/tcab/", "flvplay://"));
    EXPECT_FALSE(IsCommandUrl("flvplay:/one-slash", "flvplay://"));
    EXPECT_FALSE(IsCommandUrl("", "gbook://"));
}

TEST(IsCommandUrl, MisspelledCloseSchemeIsDistinctFromClose) {
    // The player page says "colse://"; the advertisement windows say "close://".
    EXPECT_FALSE(IsCommandUrl("colse://", "close://"));
    EXPECT_FALSE(IsCommandUrl("close://", "colse://"));
}

TEST(IsCommandUrl, NonAsciiBytesDoNotBreakTheTest) {
    EXPECT_TRUE(IsCommandUrl("\xE6\x92\xAD\xE6\x94\xBE dddisk://\xFF", "dddisk://"));
    EXPECT_FALSE(IsCommandUrl("\xE6\x92\xAD\xE6\x94\xBE\xFF", "dddisk://"));
}

}  // namespace
}  // namespace fluvane::mainwindow
