#include <gtest/gtest.h>

#include <cstdlib>

#include "platform/DesktopSettings.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

// Builds an _XSETTINGS_SETTINGS block in either byte order.
class CXSettingsBlock {
public:
    explicit CXSettingsBlock(bool bigEndian) : m_bigEndian(bigEndian) {
        m_bytes = {static_cast<std::uint8_t>(bigEndian ? 1 : 0), 0, 0, 0};
        Card32(7);  // serial
        Card32(0);  // count, filled in by Bytes()
    }
    CXSettingsBlock& String(const std::string& name, const std::string& value) {
        Header(1, name);
        Card32(static_cast<std::uint32_t>(value.size()));
        Padded(value);
        ++m_count;
        return *this;
    }
    CXSettingsBlock& Integer(const std::string& name, std::uint32_t value) {
        Header(0, name);
        Card32(value);
        ++m_count;
        return *this;
    }
    CXSettingsBlock& Colour(const std::string& name) {
        Header(2, name);
        for (int i = 0; i < 4; ++i) {
            Card16(0xFFFF);
        }
        ++m_count;
        return *this;
    }
    Bytes Build() const {
        Bytes bytes = m_bytes;
        for (int i = 0; i < 4; ++i) {
            const int shift = m_bigEndian ? 24 - 8 * i : 8 * i;
            bytes[8 + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(m_count >> shift);
        }
        return bytes;
    }

private:
    void Header(std::uint8_t type, const std::string& name) {
        m_bytes.push_back(type);
        m_bytes.push_back(0);
        Card16(static_cast<std::uint16_t>(name.size()));
        Padded(name);
        Card32(3);  // last-change serial
    }
    void Card16(std::uint16_t value) { Push(value, 2); }
    void Card32(std::uint32_t value) { Push(value, 4); }
    void Push(std::uint32_t value, int size) {
        for (int i = 0; i < size; ++i) {
            const int shift = m_bigEndian ? 8 * (size - 1 - i) : 8 * i;
            m_bytes.push_back(static_cast<std::uint8_t>(value >> shift));
        }
    }
    void Padded(const std::string& text) {
        m_bytes.insert(m_bytes.end(), text.begin(), text.end());
        while (m_bytes.size() % 4 != 0) {
            m_bytes.push_back(0);
        }
    }

    bool m_bigEndian;
    Bytes m_bytes;
    std::uint32_t m_count = 0;
};

TEST(DesktopSettings, XSettingsGiveTheirStringsInEitherByteOrderAndSkipOtherTypes) {
    for (const bool bigEndian : {false, true}) {
        const Bytes bytes = CXSettingsBlock(bigEndian)
                                .Integer("Net/DoubleClickTime", 400)
                                .Colour("Gtk/Colour")
                                .String("Net/ThemeName", "HighContrast")
                                .String("Net/IconThemeName", "Adwaita")
                                .Build();
        const auto settings = DesktopSettings::ParseXSettings(bytes);
        EXPECT_EQ(settings.size(), 2u) << bigEndian;
        EXPECT_EQ(settings.at("Net/ThemeName"), "HighContrast") << bigEndian;
        EXPECT_EQ(settings.at("Net/IconThemeName"), "Adwaita") << bigEndian;
    }
}

TEST(DesktopSettings, DamagedXSettingsKeepWhatFitsBeforeTheDamage) {
    const Bytes whole = CXSettingsBlock(false)
                            .String("Net/ThemeName", "Adwaita")
                            .String("Gtk/FontName", "Cantarell 11")
                            .Build();
    // Every cut, from nothing to one byte short: no read beyond the end, and the first setting
    // once it is complete.
    for (std::size_t length = 0; length < whole.size(); ++length) {
        const auto settings = DesktopSettings::ParseXSettings(Bytes(whole.begin(), whole.begin() + length));
        EXPECT_EQ(settings.count("Gtk/FontName"), 0u) << length;
    }
    EXPECT_EQ(DesktopSettings::ParseXSettings(whole).size(), 2u);
    // A count far beyond what is there, a name length beyond the end, an unknown type.
    Bytes lying = whole;
    lying[11] = 0x7F;
    EXPECT_EQ(DesktopSettings::ParseXSettings(lying).size(), 2u);
    Bytes longName = whole;
    longName[14] = 0xFF;
    longName[15] = 0xFF;
    EXPECT_TRUE(DesktopSettings::ParseXSettings(longName).empty());
    Bytes unknown = whole;
    unknown[12] = 9;
    EXPECT_TRUE(DesktopSettings::ParseXSettings(unknown).empty());
}

TEST(DesktopSettings, HighContrastThemesAreKnownByName) {
    for (const char* name :
         {"HighContrast", "HighContrastInverse", "highcontrast:dark", "ContrastHighInverse"}) {
        EXPECT_TRUE(DesktopSettings::IsHighContrastTheme(name)) << name;
    }
    for (const char* name : {"", "Adwaita", "Adwaita:dark", "Contrast", "Breeze:HighContrast"}) {
        EXPECT_FALSE(DesktopSettings::IsHighContrastTheme(name)) << name;
    }
}

TEST(DesktopSettings, DisplayNamesGiveTheirScreenNumber) {
    const std::pair<const char*, int> cases[] = {{":0", 0}, {":0.1", 1}, {"host:10.2", 2}, {"[::1]:0.3", 3},
                                                 {"", 0},   {":0.", 0},  {":0.x", 0}};
    for (const auto& [display, screen] : cases) {
        EXPECT_EQ(DesktopSettings::DisplayScreenNumber(display), screen) << display;
    }
}

TEST(DesktopSettings, EnvironmentSwitchesOverrideTheDesktopsAnswers) {
    const std::pair<const char*, std::optional<bool>> cases[] = {
        {"1", true}, {"on", true}, {"TRUE", true}, {"0", false}, {"no", false}, {"maybe", std::nullopt}};
    for (const auto& [value, expected] : cases) {
        setenv("VITRINE_MENU_SHADOWS", value, 1);
        EXPECT_EQ(DesktopSettings::EnvironmentSwitch("VITRINE_MENU_SHADOWS"), expected) << value;
        if (expected) {
            EXPECT_EQ(DesktopSettings::MenuShadows(), *expected) << value;
        }
    }
    unsetenv("VITRINE_MENU_SHADOWS");
    EXPECT_EQ(DesktopSettings::EnvironmentSwitch("VITRINE_MENU_SHADOWS"), std::nullopt);
    // Without an X server (these tests run offscreen) nothing draws menu shadows.
    EXPECT_FALSE(DesktopSettings::MenuShadows());

    setenv("GTK_THEME", "HighContrastInverse", 1);
    EXPECT_TRUE(DesktopSettings::HighContrast());
    setenv("VITRINE_HIGH_CONTRAST", "0", 1);
    EXPECT_FALSE(DesktopSettings::HighContrast());
    unsetenv("VITRINE_HIGH_CONTRAST");
    unsetenv("GTK_THEME");
}

}  // namespace
