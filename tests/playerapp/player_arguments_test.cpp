#include "playerapp/player_arguments.h"

#include <gtest/gtest.h>

namespace fluvane::playerapp {
namespace {

struct ArgumentCase {
    std::string argument;
    std::array<std::string, 3> fields;
    std::string url;
};

TEST(PlayerArgumentsTest, ThreeFieldsThenTheUrlWithItsOwnSeparators) {
    const ArgumentCase cases[] = {
        {"星际快递###game###1001###http://p.test/tcab/app/?id=1001#星际快递###game###1001###",
         {"星际快递", "game", "1001"},
         "http://p.test/tcab/app/?id=1001#星际快递###game###1001"},
        {"a###b###c###http://p.test/x#top###", {"a", "b", "c"}, "http://p.test/x#top"},
        {"a###b###c###http://p.test/x", {"a", "b", "c"}, "http://p.test/x"},
        {"#a#b###c###d###http://p.test/###", {"#a#b", "c", "d"}, "http://p.test/"},
        {"#########http://p.test/###", {"", "", ""}, "http://p.test/"},
        {"a###b###c######", {"a", "b", "c"}, ""},
        {"a###b", {"a", "b", ""}, ""},
        {"http://p.test/x", {"http://p.test/x", "", ""}, ""},
        {"", {"", "", ""}, ""},
    };
    for (const ArgumentCase& c : cases) {
        const PlayerArguments parsed = parsePlayerArgument(c.argument);
        EXPECT_EQ(parsed.fields, c.fields) << c.argument;
        EXPECT_EQ(parsed.url, c.url) << c.argument;
    }
}

TEST(PlayerArgumentsTest, OnlyHttpAddressesWithAHostAreShown) {
    const std::pair<std::string, bool> cases[] = {
        {"http://p.test/tcab/app/?id=1", true},
        {"HTTPS://P.TEST", true},
        {"https://例子.测试/路径#a###b", true},
        {"http://", false},
        {"http:///etc/passwd", false},
        {"http:p.test", false},
        {" http://p.test/", false},
        {"httpx://p.test/", false},
        {"ftp://p.test/", false},
        {"file:///etc/passwd", false},
        {"javascript:alert(1)//http://p.test/", false},
        {"data:text/html,http://p.test/", false},
        {"flvplay://p.test/", false},
        {"", false},
    };
    for (const auto& [url, shown] : cases) EXPECT_EQ(isWebAddress(url), shown) << url;
}

}  // namespace
}  // namespace fluvane::playerapp
