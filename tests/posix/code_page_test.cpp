#include "platform/posix/posix_code_page.h"

#include <gtest/gtest.h>

#include <random>

namespace fluvane::test {
namespace {

using platform::posix::PosixCodePage;

const std::string kReplacement = "\xEF\xBF\xBD";

bool validUtf8(std::string_view text) {
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const std::size_t length = lead < 0x80                   ? 1
                                   : lead >= 0xC2 && lead < 0xE0 ? 2
                                   : lead >= 0xE0 && lead < 0xF0 ? 3
                                   : lead >= 0xF0 && lead < 0xF5 ? 4
                                                                 : 0;
        if (length == 0 || i + length > text.size()) return false;
        for (std::size_t k = 1; k < length; ++k) {
            if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) return false;
        }
        i += length;
    }
    return true;
}

TEST(CodePage, ChineseTextRoundTrips) {
    PosixCodePage codePage;
    const std::string text = "澜映软件配置 版本=2.1 €";
    EXPECT_EQ(codePage.toGbk("版本"), "\xB0\xE6\xB1\xBE");
    EXPECT_EQ(codePage.fromGbk(codePage.toGbk(text)), text);
}

TEST(CodePage, InvalidGbkBytesBecomeReplacementCharactersAndTheRestSurvives) {
    PosixCodePage codePage;
    EXPECT_EQ(codePage.fromGbk("a\xFF"
                               "b"),
              "a" + kReplacement + "b");
    // A lead byte without a valid trail byte does not swallow the next character.
    EXPECT_EQ(codePage.fromGbk("\x81\n[x]"), kReplacement + "\n[x]");
    EXPECT_EQ(codePage.fromGbk("ab\x81"), "ab" + kReplacement);
    EXPECT_EQ(codePage.fromGbk(std::string("a\0b", 3)), std::string("a\0b", 3));
}

TEST(CodePage, CharactersGbkLacksBecomeQuestionMarks) {
    PosixCodePage codePage;
    EXPECT_EQ(codePage.toGbk("a😀b"), "a?b");
    EXPECT_EQ(codePage.toGbk("x\xE4\xB8"), "x?");  // cut UTF-8 sequence
    EXPECT_EQ(codePage.toGbk("\xC3(\xFF"
                             "c"),
              "?(?c");  // malformed UTF-8
    EXPECT_EQ(codePage.toGbk("版\xFF本"), "\xB0\xE6?\xB1\xBE");
}

TEST(CodePage, AnyBytesGiveValidUtf8) {
    PosixCodePage codePage;
    std::mt19937 random(7);
    std::string bytes(1 << 16, '\0');
    for (char& c : bytes) c = static_cast<char>(random());
    EXPECT_TRUE(validUtf8(codePage.fromGbk(bytes)));
    std::string all;
    for (int i = 0; i < 256; ++i) all += static_cast<char>(i);
    EXPECT_TRUE(validUtf8(codePage.fromGbk(all)));
    EXPECT_FALSE(codePage.toGbk(bytes).empty());
}

}  // namespace
}  // namespace fluvane::test
