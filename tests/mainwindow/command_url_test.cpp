#include "mainwindow/command_url.h"

#include <gtest/gtest.h>

namespace fluvane::mainwindow {
namespace {

TEST(isCommandUrl, FindsTheSchemeAnywhereWhateverTheCase) {
    EXPECT_TRUE(isCommandUrl("flvplay://tcab/play/1.html", "flvplay://"));
    EXPECT_TRUE(isCommandUrl("FLVPLAY://TCAB/PLAY/1.HTML", "flvplay://"));
    EXPECT_TRUE(isCommandUrl("http://portal/tcab/x.html#flvplay://a", "FlvPlay://"));
    EXPECT_TRUE(isCommandUrl("about:blankclose://", "close://"));
}

TEST(isCommandUrl, RejectsOtherUrlsAndNearMisses) {
    EXPECT_FALSE(isCommandUrl("http://portal/tcab/", "flvplay://"));
    EXPECT_FALSE(isCommandUrl("flvplay:/one-slash", "flvplay://"));
    EXPECT_FALSE(isCommandUrl("", "gbook://"));
}

TEST(isCommandUrl, MisspelledCloseSchemeIsDistinctFromClose) {
    // The player page says "colse://"; the advertisement windows say "close://".
    EXPECT_FALSE(isCommandUrl("colse://", "close://"));
    EXPECT_FALSE(isCommandUrl("close://", "colse://"));
}

TEST(isCommandUrl, NonAsciiBytesDoNotBreakTheTest) {
    EXPECT_TRUE(isCommandUrl("\xE6\x92\xAD\xE6\x94\xBE dddisk://\xFF", "dddisk://"));
    EXPECT_FALSE(isCommandUrl("\xE6\x92\xAD\xE6\x94\xBE\xFF", "dddisk://"));
}

TEST(isTrustedCommandSource, TheClientAndThePortalsOriginCommandNoOtherDocument) {
    struct Case {
        std::string origin;
        std::string_view portal;
        bool trusted;
    };
    const Case cases[] = {
        {"", "http://portal.test", true},
        {"http://portal.test", "http://portal.test/", true},
        {"http://portal.test", "HTTP://Portal.Test:80/tcab/?q=1", true},
        {"https://portal.test", "https://user@portal.test:443", true},
        {"http://127.0.0.1:8090", "http://127.0.0.1:8090", true},
        {"http://[::1]:8090", "http://[::1]:8090/", true},
        {"http://ads.example", "http://portal.test", false},
        {"file://", "http://portal.test", false},
        {"http://portal.test:8080", "http://portal.test", false},
        {"https://portal.test", "http://portal.test", false},
        {"http://portal.test.evil", "http://portal.test", false},
        {"null", "http://portal.test", false},
        {"null", "", false},
        {"null", "portal.test", false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(isTrustedCommandSource({c.origin}, c.portal), c.trusted) << c.origin << " " << c.portal;
    }
}

}  // namespace
}  // namespace fluvane::mainwindow
