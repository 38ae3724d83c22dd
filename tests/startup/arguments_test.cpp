#include "startup/arguments.h"

#include "support/app_fixture.h"

namespace fluvane::startup {

using namespace testsupport;
namespace {

using ArgumentsTest = AppTest;

constexpr std::string_view kReplacement = "\xEF\xBF\xBD";

TEST_F(ArgumentsTest, ATitleSeparatorAndUrlSurviveTheRoundTrip) {
    const std::string text = "电影《天下无双》 第1集#@@http://portal.test/tcab/play/?id=12&ep=3";
    const std::string encoded = EncodeArguments(codePage, text);
    EXPECT_NE(encoded, codePage.toGbk(text));
    EXPECT_EQ(DecodeArguments(codePage, encoded), text);
}

TEST_F(ArgumentsTest, AsciiIsRotatedAndSpacesStay) {
    EXPECT_EQ(EncodeArguments(codePage, "#@@"), "Roo");
    EXPECT_EQ(EncodeArguments(codePage, "a b~!"), "2 3OP");
    EXPECT_EQ(DecodeArguments(codePage, "Roo"), "#@@");
    EXPECT_EQ(EncodeArguments(codePage, ""), "");
    EXPECT_EQ(DecodeArguments(codePage, ""), "");
}

TEST_F(ArgumentsTest, TwoByteCharactersMoveByFive) {
    EXPECT_EQ(EncodeArguments(codePage, "啊"), "\xB0\x9C");
    EXPECT_EQ(DecodeArguments(codePage, "\xB0\x9C"), "啊");
}

// Every GBK character must cross a command line (no NUL byte) and come back,
// including those the shift turns into byte pairs that are not GBK.
TEST_F(ArgumentsTest, EveryGbkCharacterCrossesTheCommandLine) {
    std::string all;
    for (int lead = 0x81; lead <= 0xFE; ++lead) {
        for (int trail = 0x40; trail <= 0xFE; ++trail) {
            if (trail == 0x7F) continue;
            const std::string gbk{static_cast<char>(lead), static_cast<char>(trail)};
            const std::string utf8 = codePage.fromGbk(gbk);
            if (codePage.toGbk(utf8) == gbk) all += utf8;
        }
    }
    for (int c = 1; c < 0x80; ++c) all += static_cast<char>(c);

    const std::string encoded = EncodeArguments(codePage, all);
    EXPECT_EQ(encoded.find('\0'), std::string::npos);
    EXPECT_GT(all.size(), 60000u);
    EXPECT_TRUE(DecodeArguments(codePage, encoded) == all);

    const std::string shiftedOutOfGbk = EncodeArguments(codePage, codePage.fromGbk("\x81\x40"));
    EXPECT_EQ(shiftedOutOfGbk, "\x81\x3B");
}

TEST_F(ArgumentsTest, DamagedArgumentsDecodeToReplacementCharacters) {
    EXPECT_EQ(DecodeArguments(codePage, "\xB0\xFE"), std::string(kReplacement));
    EXPECT_EQ(DecodeArguments(codePage, "Roo\xB0"), "#@@" + std::string(kReplacement));
    EXPECT_EQ(DecodeArguments(codePage, "\xB0\xFB\xB0\x9C"), std::string(kReplacement) + "啊");
}

TEST_F(ArgumentsTest, TextGbkCannotHoldBecomesQuestionMarksAndNulIsDropped) {
    EXPECT_EQ(DecodeArguments(codePage, EncodeArguments(codePage, "a\U0001F600b")), "a?b");
    EXPECT_EQ(EncodeArguments(codePage, std::string("a\0b", 3)), "23");
}

TEST_F(ArgumentsTest, AComposedArgumentGivesItsTitleAndPageBack) {
    const std::string page = "http://portal.test/tcab/play/?id=12#@@x";
    for (const std::string title : {"神探 第2集", "", "a#@@file:///etc/passwd", "#@@@#@@", "x#", "#@"}) {
        SCOPED_TRACE(title);
        const std::string text = composeShortcutArgument(title, page);
        const auto parsed = parseShortcutArgument(DecodeArguments(codePage, EncodeArguments(codePage, text)));
        ASSERT_TRUE(parsed.has_value());
        EXPECT_EQ(parsed->pageUrl, "http://portal.test/tcab/play/?id=12");
        EXPECT_EQ(parsed->title.find("#@@"), std::string::npos);
    }
    EXPECT_EQ(composeShortcutArgument("a#@@b#@@@c", "http://p/"), "a# @@b# @@@c#@@http://p/");
    EXPECT_EQ(parseShortcutArgument(composeShortcutArgument("神探", "https://p.test/x"))->title, "神探");
}

TEST_F(ArgumentsTest, OnlyAWebPageIsTakenFromAnArgument) {
    for (const std::string decoded :
         {"", "title only", "t#@@", "t#@@file:///etc/passwd", "t#@@javascript:alert(1)", "t#@@http://",
          "t#@@http:///path", "t#@@ http://p/", "t#@@-http://p/", "t#@@zelskin/html/gbook.html"}) {
        EXPECT_EQ(parseShortcutArgument(decoded), std::nullopt) << decoded;
    }
    const auto parsed = parseShortcutArgument("#@@HTTPS://p.test:8090/a b#@@rest");
    ASSERT_TRUE(parsed.has_value());
    EXPECT_EQ(parsed->title, "");
    EXPECT_EQ(parsed->pageUrl, "HTTPS://p.test:8090/a b");
}

}  // namespace
}  // namespace fluvane::startup
