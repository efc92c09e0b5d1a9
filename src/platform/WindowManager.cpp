#include "WindowManager.h"

#include <QGuiApplication>

#ifdef VITRINE_HAVE_XCB
#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>
#include <memory>
#endif

namespace {

#ifdef VITRINE_HAVE_XCB

template <typename Reply>
using CReply = std::unique_ptr<Reply, decltype(&std::free)>;

xcb_atom_t Atom(xcb_connection_t* connection, const char* name) {
    const CReply<xcb_intern_atom_reply_t> reply(
        xcb_intern_atom_reply(connection,
                              xcb_intern_atom(connection, 1, static_cast<uint16_t>(std::strlen(name)), name),
                              nullptr),
        &std::free);
    return reply ? reply->atom : static_cast<xcb_atom_t>(XCB_ATOM_NONE);
}

// The window that `window`'s property `atom` names, or none.
xcb_window_t WindowProperty(xcb_connection_t* connection, xcb_window_t window, xcb_atom_t atom) {
    const CReply<xcb_get_property_reply_t> reply(
        xcb_get_property_reply(connection,
                               xcb_get_property(connection, 0, window, atom, XCB_ATOM_WINDOW, 0, 1), nullptr),
        &std::free);
    if (!reply || reply->type != XCB_ATOM_WINDOW || reply->format != 32 ||
        xcb_get_property_value_length(reply.get()) < 4) {
        return XCB_WINDOW_NONE;
    }
    return *static_cast<const xcb_window_t*>(xcb_get_property_value(reply.get()));
}

// A window manager that follows the desktop conventions names a window of its own on the
// root window and names that window again on itself; a name left behind by a manager that
// has ended points at a window that no longer says so.
bool X11WindowManagerRuns() {
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    if (!x11 || !x11->connection()) {
        return true;
    }
    xcb_connection_t* connection = x11->connection();
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
    const xcb_atom_t check = Atom(connection, "_NET_SUPPORTING_WM_CHECK");
    if (!screen || check == XCB_ATOM_NONE) {
        return false;
    }
    const xcb_window_t child = WindowProperty(connection, screen->root, check);
    return child != XCB_WINDOW_NONE && WindowProperty(connection, child, check) == child;
}

#endif

}  // namespace

bool WindowManagerRuns() {
    const QString platform = QGuiApplication::platformName();
    if (platform == "offscreen" || platform == "minimal" || platform == "vnc") {
        return false;
    }
#ifdef VITRINE_HAVE_XCB
    if (platform == "xcb") {
        return X11WindowManagerRuns();
    }
#endif
    // Other desktops (Wayland compositors, Windows, macOS) always manage their windows.
    return true;
}
