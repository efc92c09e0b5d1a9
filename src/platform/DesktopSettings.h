#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// What the desktop says about menus, contrast and its window manager. Linux has no single
// switch for these, so each answer is taken from where desktops keep it:
// - menu shadows: drawn by a compositing manager, which on X11 owns the selection
//   _NET_WM_CM_S<screen>; without one (a bare X server, Wayland, offscreen) nobody draws them;
// - high contrast: the GTK theme named by GTK_THEME, else by the XSETTINGS daemon of GNOME,
//   MATE, Cinnamon or Xfce ("Net/ThemeName"), is a high-contrast theme;
// - flat menus: no Linux desktop has such a setting, so they are off.
// The environment variables VITRINE_MENU_SHADOWS, VITRINE_HIGH_CONTRAST and VITRINE_FLAT_MENUS,
// set to 1 or 0, override each answer.
namespace DesktopSettings {

// The value of an on/off environment variable: "1", "true", "yes", "on" or "0", "false", "no",
// "off" (any case); nothing when it is unset or says something else.
std::optional<bool> EnvironmentSwitch(const char* name);

// Whether a compositing manager runs on the X11 display Qt uses; false elsewhere.
bool CompositingManagerRunning();

// Whether a window manager runs that minimises windows and gives them back. On X11 one that
// follows the desktop conventions says so on the root window; Wayland compositors and other
// desktops always do; the offscreen and framebuffer platforms have none.
bool WindowManagerRunning();

// The GTK theme the XSETTINGS daemon announces on the X11 display Qt uses; empty without one.
std::string XSettingsThemeName();

// Whether a GTK theme of this name is a high-contrast one ("HighContrast",
// "HighContrastInverse", "ContrastHighInverse", ...); a GTK_THEME value may carry a variant
// after a colon.
bool IsHighContrastTheme(std::string_view name);

// The string settings of an _XSETTINGS_SETTINGS property; integer and colour settings are
// skipped, and reading stops at the first setting that does not fit in `bytes`.
std::map<std::string, std::string> ParseXSettings(const std::vector<std::uint8_t>& bytes);

// The screen number of an X display name such as ":0.1" or "host:10.2"; 0 without one.
int DisplayScreenNumber(std::string_view display);

bool MenuShadows();
bool HighContrast();
bool FlatMenus();

}  // namespace DesktopSettings
