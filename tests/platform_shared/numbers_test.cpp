#include "platform/shared/numbers.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace fluvane::platform::shared {
namespace {

TEST(Numbers, SpacesAndALeadingSignAreWrittenNumbersAnythingElseIsNone) {
    struct Case {
        std::string text;
        std::optional<std::int64_t> whole;
        std::optional<double> decimal;
    };
    const Case cases[] = {
        {"300", 300, 300.0},
        {"+300", 300, 300.0},
        {" \t+5\r\n", 5, 5.0},
        {"-5", -5, -5.0},
        {"1.5", std::nullopt, 1.5},
        {"+1e3", std::nullopt, 1000.0},
        {"", std::nullopt, std::nullopt},
        {"+", std::nullopt, std::nullopt},
        {"++5", std::nullopt, std::nullopt},
        {"+-5", std::nullopt, std::nullopt},
        {"+ 5", std::nullopt, std::nullopt},
        {"5s", std::nullopt, std::nullopt},
        {"0x10", std::nullopt, std::nullopt},
        {"nan", std::nullopt, std::nullopt},
        {"inf", std::nullopt, std::nullopt},
        {"99999999999999999999", std::nullopt, 1e20},
        {"1e999", std::nullopt, std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(wholeNumber(c.text), c.whole) << "'" << c.text << "'";
        EXPECT_EQ(decimalNumber(c.text), c.decimal) << "'" << c.text << "'";
    }
}

}  // namespace
}  // namespace fluvane::platform::shared
