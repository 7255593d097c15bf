// The display's announcements, read through libxcb: unlike Xlib it never prints and never ends
// the program when the server refuses or drops the connection.
#include "app/display_announcements.h"

#include "app/stderr_capture.h"
#include "platform/platform.h"

#include <cstdlib>
#include <memory>

#if GACHAPOKO_FREEDESKTOP
#include <xcb/xcb.h>
#endif

namespace gachapoko {

#if GACHAPOKO_FREEDESKTOP

namespace {

// Qt reads AT_SPI_BUS up to 128 four-byte units; the bus address is read as far.
constexpr std::uint32_t PropertyUnits = 128;

template <typename Reply>
using ReplyPtr = std::unique_ptr<Reply, decltype(&std::free)>;

class Asking {
public:
    explicit Asking(xcb_connection_t* connection) : m_connection(connection) {}

    bool lost() const { return xcb_connection_has_error(m_connection) != 0; }

    xcb_atom_t existingAtom(xcb_intern_atom_cookie_t cookie) {
        const ReplyPtr<xcb_intern_atom_reply_t> reply(
            xcb_intern_atom_reply(m_connection, cookie, nullptr), &std::free);
        return reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
    }

    xcb_intern_atom_cookie_t atomCookie(const std::string& name) {
        // Only an atom that exists: a bus for this display would have made it.
        return xcb_intern_atom(m_connection, 1, static_cast<std::uint16_t>(name.size()),
                               name.c_str());
    }

    xcb_get_property_cookie_t propertyCookie(xcb_window_t window, xcb_atom_t property) {
        return xcb_get_property(m_connection, 0, window, property, XCB_ATOM_STRING, 0,
                                PropertyUnits);
    }

    // A property that is a string; nothing for another type, or a window that went away.
    std::optional<std::string> string(xcb_get_property_cookie_t cookie) {
        const ReplyPtr<xcb_get_property_reply_t> reply(
            xcb_get_property_reply(m_connection, cookie, nullptr), &std::free);
        if (!reply || reply->type != XCB_ATOM_STRING || reply->format != 8) {
            return std::nullopt;
        }
        return std::string(static_cast<const char*>(xcb_get_property_value(reply.get())),
                           static_cast<std::size_t>(xcb_get_property_value_length(reply.get())));
    }

    xcb_window_t owner(xcb_atom_t selection) {
        const ReplyPtr<xcb_get_selection_owner_reply_t> reply(
            xcb_get_selection_owner_reply(
                m_connection, xcb_get_selection_owner(m_connection, selection), nullptr),
            &std::free);
        return reply ? reply->owner : xcb_window_t{XCB_WINDOW_NONE};
    }

private:
    xcb_connection_t* m_connection;
};

xcb_window_t rootOf(xcb_connection_t* connection, int screen) {
    xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(connection));
    for (int i = 0; screens.rem > 0; ++i, xcb_screen_next(&screens)) {
        if (i == screen) {
            return screens.data->root;
        }
    }
    return XCB_WINDOW_NONE;
}

} // namespace

DisplayAnnouncements readDisplayAnnouncements(const std::string& display,
                                              const std::string& userName,
                                              const std::string& machineId) {
    DisplayAnnouncements found;
    int screen = 0;
    std::string refusal;
    xcb_connection_t* raw = nullptr;
    {
        // libxcb writes a refusing server's reason on standard error.
        StderrCapture capture;
        raw = xcb_connect(display.c_str(), &screen);
        refusal = firstLine(capture.release());
    }
    const std::unique_ptr<xcb_connection_t, decltype(&xcb_disconnect)> connection(raw,
                                                                                  &xcb_disconnect);
    if (xcb_connection_has_error(raw) != 0) {
        if (!refusal.empty()) {
            found.failure =
                "the X server of display " + display + " refused the connection (" + refusal + ")";
        }
        return found;
    }
    const xcb_window_t root = rootOf(raw, screen);
    if (root == XCB_WINDOW_NONE) {
        return found;
    }

    Asking ask(raw);
    const bool wantsSessionBus = !userName.empty() && !machineId.empty();
    const auto selectionCookie =
        ask.atomCookie("_DBUS_SESSION_BUS_SELECTION_" + userName + "_" + machineId);
    const auto addressCookie = ask.atomCookie("_DBUS_SESSION_BUS_ADDRESS");
    const auto accessibilityCookie = ask.atomCookie("AT_SPI_BUS");
    const xcb_atom_t selection = ask.existingAtom(selectionCookie);
    const xcb_atom_t address = ask.existingAtom(addressCookie);
    const xcb_atom_t accessibility = ask.existingAtom(accessibilityCookie);

    if (accessibility != XCB_ATOM_NONE) {
        found.accessibilityBus = ask.string(ask.propertyCookie(root, accessibility));
    }
    if (wantsSessionBus && selection != XCB_ATOM_NONE && address != XCB_ATOM_NONE) {
        if (const xcb_window_t owner = ask.owner(selection); owner != XCB_WINDOW_NONE) {
            found.sessionBus = ask.string(ask.propertyCookie(owner, address));
        }
    }
    if (ask.lost()) {
        return {std::nullopt, std::nullopt,
                "the X server of display " + display + " closed the connection"};
    }
    return found;
}

#else

DisplayAnnouncements readDisplayAnnouncements(const std::string&, const std::string&,
                                              const std::string&) {
    return {};
}

#endif

} // namespace gachapoko
