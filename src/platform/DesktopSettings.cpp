#include "DesktopSettings.h"

#include <QGuiApplication>
#include <QString>
#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <memory>

#if QT_CONFIG(xcb)
#include <xcb/xcb.h>
#endif

namespace DesktopSettings {

namespace {

std::string Lower(std::string_view text) {
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return lower;
}

// Reads the fields of an XSETTINGS block in the byte order its first byte names.
class CXSettingsReader {
public:
    explicit CXSettingsReader(const std::vector<std::uint8_t>& bytes) : m_bytes(bytes) {
        m_bigEndian = !bytes.empty() && bytes[0] == 1;
    }

    bool Skip(std::size_t count) {
        if (count > m_bytes.size() - m_offset) {
            return false;
        }
        m_offset += count;
        return true;
    }
    bool Card8(std::uint32_t& value) { return Number(1, value); }
    bool Card16(std::uint32_t& value) { return Number(2, value); }
    bool Card32(std::uint32_t& value) { return Number(4, value); }
    // `length` bytes, then the padding that brings them to a multiple of four.
    bool PaddedText(std::uint32_t length, std::string& text) {
        const std::size_t padded = (static_cast<std::size_t>(length) + 3) / 4 * 4;
        if (padded > m_bytes.size() - m_offset) {
            return false;
        }
        text.assign(reinterpret_cast<const char*>(m_bytes.data() + m_offset), length);
        m_offset += padded;
        return true;
    }

private:
    bool Number(std::size_t size, std::uint32_t& value) {
        if (size > m_bytes.size() - m_offset) {
            return false;
        }
        value = 0;
        for (std::size_t i = 0; i < size; ++i) {
            const std::size_t index = m_bigEndian ? i : size - 1 - i;
            value = value << 8 | m_bytes[m_offset + index];
        }
        m_offset += size;
        return true;
    }

    const std::vector<std::uint8_t>& m_bytes;
    std::size_t m_offset = 0;
    bool m_bigEndian = false;
};

enum : std::uint32_t { kXSettingInteger = 0, kXSettingString = 1, kXSettingColour = 2 };

#if QT_CONFIG(xcb)

xcb_connection_t* X11Connection() {
    const auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return x11 ? x11->connection() : nullptr;
}

struct CFree {
    void operator()(void* block) const { std::free(block); }
};
template <typename T>
using CReply = std::unique_ptr<T, CFree>;

xcb_atom_t Atom(xcb_connection_t* connection, const std::string& name) {
    const CReply<xcb_intern_atom_reply_t> reply(xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 0, static_cast<std::uint16_t>(name.size()), name.c_str()),
        nullptr));
    return reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
}

xcb_window_t SelectionOwner(xcb_connection_t* connection, const std::string& selection) {
    const xcb_atom_t atom = Atom(connection, selection);
    if (atom == XCB_ATOM_NONE) {
        return XCB_WINDOW_NONE;
    }
    const CReply<xcb_get_selection_owner_reply_t> reply(
        xcb_get_selection_owner_reply(connection, xcb_get_selection_owner(connection, atom), nullptr));
    return reply ? reply->owner : xcb_window_t{XCB_WINDOW_NONE};
}

int ScreenNumber() {
    const char* display = std::getenv("DISPLAY");
    return DisplayScreenNumber(display ? display : "");
}

std::string ScreenSuffix() {
    return std::to_string(ScreenNumber());
}

xcb_window_t RootWindow(xcb_connection_t* connection) {
    xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(connection));
    for (int skip = ScreenNumber(); skip > 0 && screens.rem > 1; --skip) {
        xcb_screen_next(&screens);
    }
    return screens.rem > 0 ? screens.data->root : xcb_window_t{XCB_WINDOW_NONE};
}

// The window that `window`'s property `property` names, or none.
xcb_window_t WindowProperty(xcb_connection_t* connection, xcb_window_t window, xcb_atom_t property) {
    const CReply<xcb_get_property_reply_t> reply(xcb_get_property_reply(
        connection, xcb_get_property(connection, 0, window, property, XCB_ATOM_WINDOW, 0, 1), nullptr));
    if (!reply || reply->type != XCB_ATOM_WINDOW || reply->format != 32 ||
        xcb_get_property_value_length(reply.get()) < 4) {
        return XCB_WINDOW_NONE;
    }
    return *static_cast<const xcb_window_t*>(xcb_get_property_value(reply.get()));
}

#endif

}  // namespace

std::optional<bool> EnvironmentSwitch(const char* name) {
    const char* value = std::getenv(name);
    if (!value) {
        return std::nullopt;
    }
    const std::string word = Lower(value);
    if (word == "1" || word == "true" || word == "yes" || word == "on") {
        return true;
    }
    if (word == "0" || word == "false" || word == "no" || word == "off") {
        return false;
    }
    return std::nullopt;
}

bool CompositingManagerRunning() {
#if QT_CONFIG(xcb)
    if (xcb_connection_t* connection = X11Connection()) {
        return SelectionOwner(connection, "_NET_WM_CM_S" + ScreenSuffix()) != XCB_WINDOW_NONE;
    }
#endif
    return false;
}

bool WindowManagerRunning() {
#if QT_CONFIG(xcb)
    if (xcb_connection_t* connection = X11Connection()) {
        // The manager names a window of its own on the root window, and names it again on that
        // window; a name left behind by a manager that has ended points at a window that does not.
        const xcb_atom_t check = Atom(connection, "_NET_SUPPORTING_WM_CHECK");
        const xcb_window_t root = RootWindow(connection);
        if (check == XCB_ATOM_NONE || root == XCB_WINDOW_NONE) {
            return false;
        }
        const xcb_window_t child = WindowProperty(connection, root, check);
        return child != XCB_WINDOW_NONE && WindowProperty(connection, child, check) == child;
    }
#endif
    const QString platform = QGuiApplication::platformName();
    return platform != "offscreen" && platform != "minimal" && platform != "vnc" && platform != "linuxfb" &&
           platform != "eglfs";
}

std::string XSettingsThemeName() {
#if QT_CONFIG(xcb)
    xcb_connection_t* connection = X11Connection();
    if (!connection) {
        return {};
    }
    const xcb_window_t owner = SelectionOwner(connection, "_XSETTINGS_S" + ScreenSuffix());
    const xcb_atom_t property = Atom(connection, "_XSETTINGS_SETTINGS");
    if (owner == XCB_WINDOW_NONE || property == XCB_ATOM_NONE) {
        return {};
    }
    // Up to 256 kB: far more than any desktop publishes.
    constexpr std::uint32_t kMaxLongs = 64 * 1024;
    const CReply<xcb_get_property_reply_t> reply(xcb_get_property_reply(
        connection, xcb_get_property(connection, 0, owner, property, XCB_GET_PROPERTY_TYPE_ANY, 0, kMaxLongs),
        nullptr));
    if (!reply || reply->format != 8) {
        return {};
    }
    const auto* data = static_cast<const std::uint8_t*>(xcb_get_property_value(reply.get()));
    const std::vector<std::uint8_t> bytes(data, data + xcb_get_property_value_length(reply.get()));
    const std::map<std::string, std::string> settings = ParseXSettings(bytes);
    const auto theme = settings.find("Net/ThemeName");
    return theme != settings.end() ? theme->second : std::string();
#else
    return {};
#endif
}

bool IsHighContrastTheme(std::string_view name) {
    const std::string theme = Lower(name.substr(0, name.find(':')));
    return theme.find("highcontrast") != std::string::npos || theme.find("contrasthigh") != std::string::npos;
}

std::map<std::string, std::string> ParseXSettings(const std::vector<std::uint8_t>& bytes) {
    std::map<std::string, std::string> settings;
    CXSettingsReader reader(bytes);
    std::uint32_t count = 0;
    std::uint32_t unused = 0;
    if (!reader.Skip(4) || !reader.Card32(unused) || !reader.Card32(count)) {
        return settings;
    }
    for (std::uint32_t i = 0; i < count; ++i) {
        std::uint32_t type = 0;
        std::uint32_t nameLength = 0;
        std::string name;
        if (!reader.Card8(type) || !reader.Skip(1) || !reader.Card16(nameLength) ||
            !reader.PaddedText(nameLength, name) || !reader.Card32(unused)) {
            break;
        }
        if (type == kXSettingString) {
            std::uint32_t length = 0;
            std::string value;
            if (!reader.Card32(length) || !reader.PaddedText(length, value)) {
                break;
            }
            settings[name] = value;
        } else if (type == kXSettingInteger || type == kXSettingColour) {
            if (!reader.Skip(type == kXSettingInteger ? 4 : 8)) {
                break;
            }
        } else {
            break;  // a setting of an unknown type has no known length
        }
    }
    return settings;
}

int DisplayScreenNumber(std::string_view display) {
    const std::size_t colon = display.rfind(':');
    if (colon == std::string_view::npos) {
        return 0;
    }
    const std::size_t dot = display.find('.', colon);
    if (dot == std::string_view::npos || dot + 1 >= display.size()) {
        return 0;
    }
    int screen = 0;
    for (const char c : display.substr(dot + 1)) {
        if (c < '0' || c > '9' || screen > 9999) {
            return 0;
        }
        screen = screen * 10 + (c - '0');
    }
    return screen;
}

bool MenuShadows() {
    if (const std::optional<bool> forced = EnvironmentSwitch("VITRINE_MENU_SHADOWS")) {
        return *forced;
    }
    return CompositingManagerRunning();
}

bool HighContrast() {
    if (const std::optional<bool> forced = EnvironmentSwitch("VITRINE_HIGH_CONTRAST")) {
        return *forced;
    }
    const char* gtkTheme = std::getenv("GTK_THEME");
    if (gtkTheme && *gtkTheme) {
        return IsHighContrastTheme(gtkTheme);
    }
    return IsHighContrastTheme(XSettingsThemeName());
}

bool FlatMenus() {
    return EnvironmentSwitch("VITRINE_FLAT_MENUS").value_or(false);
}

}  // namespace DesktopSettings
