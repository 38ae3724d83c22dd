#include "controls/property_bag.h"

#include <gtest/gtest.h>

namespace fluvane::controls {
namespace {

TEST(PropertyBagTest, UnreadableValuesReadAsTheDefault) {
    PropertyBag bag;
    bag.write("Max", "12x", "");
    bag.write("Big", "99999999999", "");
    EXPECT_EQ(bag.readInt("Max", 100), 100);
    EXPECT_EQ(bag.readInt("Big", 7), 7);
    EXPECT_EQ(bag.readInt("Missing", 5), 5);
    EXPECT_TRUE(bag.readBool("Missing", true));
}

TEST(PropertyBagTest, DefaultsAreNotStored) {
    PropertyBag bag;
    bag.writeInt("Min", 3, 0);
    bag.writeInt("Min", 0, 0);
    EXPECT_FALSE(bag.contains("Min"));
}

TEST(PropertyBagTest, FontRoundTrips) {
    platform::Font font;
    font.name = "Tahoma";
    font.size = 10.5;
    font.underline = true;
    font.weight = 700;
    PropertyBag bag;
    bag.writeFont("Font", font, platform::Font{});
    EXPECT_EQ(bag.readFont("Font", platform::Font{}), font);
    bag.writeFont("Font", platform::Font{}, platform::Font{});
    EXPECT_TRUE(bag.values().empty());
}

TEST(PropertyBagTest, FontSizeThatIsNoWholeNumberOfPointsReadsAsTheDefault) {
    platform::Font fallback;
    fallback.size = 11;
    for (const char* stored : {"inf", "1e300", "nan", "0", "-3"}) {
        PropertyBag bag;
        bag.write("Font.Name", "Tahoma", "");
        bag.write("Font.Size", stored, "");
        EXPECT_EQ(bag.readFont("Font", fallback).size, 11.0) << stored;
    }
}

}  // namespace
}  // namespace fluvane::controls
