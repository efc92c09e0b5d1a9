#include <gtest/gtest.h>

#include "skin/SkinFields.h"

namespace {

using namespace SkinFields;

// Every field of `list` in turn, `count` calls of NextField.
std::vector<std::string> Fields(std::string list, int count) {
    std::vector<std::string> fields;
    for (int i = 0; i < count; ++i) {
        fields.push_back(NextField(list));
    }
    return fields;
}

TEST(SkinFields, NextFieldSplitsAndRepeatsTheLastField) {
    using V = std::vector<std::string>;
    EXPECT_EQ(Fields("a,b,c", 4), (V{"a", "b", "c", "c"}));
    // Blanks before a comma stay in the field, blanks after it never reach the next one.
    EXPECT_EQ(Fields("BUTTON_X ,  x.bmp\t, 1 ", 3), (V{"BUTTON_X ", "x.bmp\t", "1"}));
    EXPECT_EQ(Fields("a,,b", 3), (V{"a", "", "b"}));
    EXPECT_EQ(Fields("", 2), (V{"", ""}));
    EXPECT_EQ(Fields("a,", 3), (V{"a", "", ""}));
}

TEST(SkinFields, LongListsAreCutTo259Characters) {
    std::string list = std::string(300, 'n') + ",tail";
    EXPECT_EQ(NextField(list), std::string(259, 'n'));
    EXPECT_EQ(list, std::string(300, 'n') + ",tail");  // no comma within the part read

    std::string withComma = "name," + std::string(400, 'x') + ",after";
    EXPECT_EQ(NextField(withComma), "name");
    EXPECT_EQ(withComma, std::string(254, 'x'));
    EXPECT_EQ(NextField(withComma), std::string(254, 'x'));
}

TEST(SkinFields, NumbersReadLikeAtoi) {
    const std::pair<const char*, int> cases[] = {
        {"42", 42},
        {" -7", -7},
        {"+3", 3},
        {"12px", 12},
        {"px", 0},
        {"", 0},
        {"0x10", 0},
        {"1 2", 1},
        {"-", 0},
        {"99999999999", 2147483647},
        {"-99999999999", -2147483647 - 1},
    };
    for (const auto& [text, value] : cases) {
        EXPECT_EQ(ParseNumber(text), value) << text;
    }
}

TEST(SkinFields, RectanglesTakeFourFields) {
    const std::pair<const char*, SkinRect> cases[] = {
        {"10,20,110,70", {10, 20, 110, 70}},
        {"a,b,c,d", {0, 0, 0, 0}},
        {"5", {5, 5, 5, 5}},
        {"1,2", {1, 2, 2, 2}},
        {" 1 , 2 , 3 , 4 ", {1, 2, 3, 4}},
    };
    for (const auto& [text, expected] : cases) {
        std::string list = text;
        EXPECT_EQ(ParseRect(list), expected) << text;
    }
    std::string entry = "1,2,3,4,hint,TRUE";
    ParseRect(entry);
    EXPECT_EQ(entry, "hint,TRUE");
}

TEST(SkinFields, ColoursAreStoredWithRedLow) {
    const std::pair<const char*, SkinColor> cases[] = {
        {"0x00FF00", 0x0000FF00},
        {"65280", 0x0000FF00},
        {"0xFF0000", 0x000000FF},
        {"0x123456", 0x00563412},
        {"0X0000ff", 0x00FF0000},
        {"", kNoColor},
        {"0", 0},
        {"-1", 0x00FFFFFF},
        {"0xFFFFFFFF", 0x00FFFFFF},
        {"nothing", 0},
        {" 255", 0x00FF0000},
    };
    for (const auto& [text, expected] : cases) {
        EXPECT_EQ(ParseColor(text), expected) << text;
    }
}

TEST(SkinFields, FlagsEnabledAndOrientation) {
    EXPECT_TRUE(ParseFlag("TRUE"));
    EXPECT_TRUE(ParseFlag("T"));
    EXPECT_TRUE(ParseFlag("Trouble"));
    EXPECT_FALSE(ParseFlag("true"));
    EXPECT_FALSE(ParseFlag(" TRUE"));
    EXPECT_FALSE(ParseFlag(""));

    EXPECT_TRUE(ParseEnabled("TRUE"));
    for (const char* text : {"True", "true", "TRUe", "T", "TRUE ", ""}) {
        EXPECT_FALSE(ParseEnabled(text)) << text;
    }

    EXPECT_EQ(ParseOrientation("VERTICAL"), Orientation::Vertical);
    EXPECT_EQ(ParseOrientation("V"), Orientation::Vertical);
    EXPECT_EQ(ParseOrientation("vertical"), Orientation::Horizontal);
    EXPECT_EQ(ParseOrientation(""), Orientation::Horizontal);
}

}  // namespace
