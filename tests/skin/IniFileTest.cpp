#include <gtest/gtest.h>

#include "common/TempDir.h"
#include "skin/IniFile.h"

namespace {

const char kSkin[] =
    "; a comment line\r\n"
    "[Screen]\r\n"
    "Main = back ground.bmp  \r\n"
    "[transparent]\r\n"
    "  Color= \"0xFF00FF\"\r\n"
    "[Quotes]\r\n"
    "single='a, b'\r\n"
    "double=\"x\"\r\n"
    "unbalanced=\"x'\r\n"
    "inner=a\"b\"c\r\n"
    "only=\"\r\n"
    "twice=\"\"q\"\"\r\n"
    "equals=a=b=c\r\n"
    "empty=\r\n"
    "[BUTTONINFO]\r\n"
    "1=BUTTON_A,a.bmp,0,0,10,10\r\n"
    "2=\r\n"
    "4=BUTTON_D,d.bmp,0,0,10,10\r\n"
    "no equals sign here\r\n"
    "Name=not a number\r\n"
    "1=duplicate, first one wins\r\n"
    "[Screen]\r\n"
    "Main=second section of the same name is ignored\r\n";

struct SCase {
    const char* section;
    const char* key;
    const char* expected;
};

TEST(IniFile, GetStringFollowsTheProfileRules) {
    CTempDir dir;
    const CIniFile ini(dir.Write("Skin.ini", kSkin));
    const SCase cases[] = {
        {"Screen", "Main", "back ground.bmp"},
        {"SCREEN", "MAIN", "back ground.bmp"},
        {" screen ", " main ", "back ground.bmp"},
        {"TRANSPARENT", "COLOR", "0xFF00FF"},
        {"Quotes", "single", "a, b"},
        {"Quotes", "double", "x"},
        {"Quotes", "unbalanced", "\"x'"},
        {"Quotes", "inner", "a\"b\"c"},
        {"Quotes", "only", "\""},
        {"Quotes", "twice", "\"q\""},
        {"Quotes", "equals", "a=b=c"},
        {"Quotes", "empty", ""},
        {"Quotes", "absent", "<default>"},
        {"NoSuchSection", "Main", "<default>"},
        {"BUTTONINFO", "1", "BUTTON_A,a.bmp,0,0,10,10"},
        {"BUTTONINFO", "2", ""},
        {"BUTTONINFO", "3", "<default>"},
    };
    for (const SCase& c : cases) {
        EXPECT_EQ(ini.GetString(c.section, c.key, "<default>"), c.expected) << c.section << "/" << c.key;
    }
}

TEST(IniFile, ValuesAreCutAt2047Characters) {
    CTempDir dir;
    const std::string longValue(3000, 'v');
    const CIniFile ini(dir.Write("Skin.ini", "[S]\nk=" + longValue + "\nafter=1\n"));
    EXPECT_EQ(ini.GetString("S", "k", ""), std::string(2047, 'v'));
    EXPECT_EQ(ini.GetString("S", "after", ""), "1");
}

TEST(IniFile, KeysComeInFileOrderWithEveryName) {
    CTempDir dir;
    const CIniFile ini(dir.Write("Skin.ini", kSkin));
    std::vector<std::string> keys = {"stale"};
    EXPECT_TRUE(ini.GetKeys("buttoninfo", keys));
    EXPECT_EQ(keys, (std::vector<std::string>{"1", "2", "4", "Name", "1"}));
    EXPECT_FALSE(ini.GetKeys("Missing", keys));
    EXPECT_TRUE(keys.empty());
}

TEST(IniFile, KeyListStopsAtItsBuffer) {
    CTempDir dir;
    // 2000 keys of 9 characters take 20000 places with their terminators: more than fits.
    std::string text = "[Many]\n";
    for (int i = 0; i < 2000; ++i) {
        char key[16];
        std::snprintf(key, sizeof key, "key%06d", i);
        text += std::string(key) + "=x\n";
    }
    const CIniFile ini(dir.Write("Skin.ini", text));
    std::vector<std::string> keys;
    ini.GetKeys("Many", keys);
    size_t used = 1;
    for (const std::string& key : keys) {
        used += key.size() + 1;
    }
    EXPECT_LE(used, CIniFile::kKeyListBuffer);
    EXPECT_EQ(keys.size(), 16383u / 10u + 1u);  // 1638 whole names and the cut one
    EXPECT_EQ(keys[0], "key000000");
}

TEST(IniFile, MissingFileReadsAsEmpty) {
    const CIniFile ini("no/such/Skin.ini");
    std::vector<std::string> keys;
    EXPECT_EQ(ini.GetString("Screen", "Main", ""), "");
    EXPECT_FALSE(ini.GetKeys("BUTTONINFO", keys));
}

}  // namespace
