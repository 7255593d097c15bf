// One connection to the X display, its answers read with libxcb.
#include "app/x_display.h"

#include "platform/platform.h"

#if GACHAPOKO_FREEDESKTOP
#include "app/startup.h"

#include <array>
#include <cstdlib>
#include <fcntl.h>
#include <memory>
#include <unistd.h>
#include <xcb/xcb.h>
#endif

namespace gachapoko {

#if GACHAPOKO_FREEDESKTOP

namespace {

// libxcb writes a refusing server's reason raw to file descriptor 2: it goes into a pipe instead,
// to be quoted in the game's line.
xcb_connection_t* connectQuietly(const std::string& display, std::string& written) {
    const int saved = fcntl(STDERR_FILENO, F_DUPFD_CLOEXEC, 3);
    int ends[2];
    if (saved < 0 || pipe2(ends, O_CLOEXEC | O_NONBLOCK) != 0) {
        close(saved); // nothing where there is no copy
        return xcb_connect(display.c_str(), nullptr);
    }
    dup2(ends[1], STDERR_FILENO);
    xcb_connection_t* connection = xcb_connect(display.c_str(), nullptr);
    dup2(saved, STDERR_FILENO);
    std::array<char, 512> buffer{};
    const ssize_t got = read(ends[0], buffer.data(), buffer.size());
    written.assign(buffer.data(), static_cast<std::size_t>(std::max<ssize_t>(got, 0)));
    for (const int fd : {saved, ends[0], ends[1]}) {
        close(fd);
    }
    return connection;
}

template <typename Reply>
std::unique_ptr<Reply, decltype(&std::free)> owned(Reply* reply) {
    return {reply, &std::free};
}

} // namespace

DisplayCheck checkDisplay(const std::string& display, const std::string& busSelection) {
    DisplayCheck check;
    std::string written;
    const std::unique_ptr<xcb_connection_t, decltype(&xcb_disconnect)> connection(
        connectQuietly(display, written), &xcb_disconnect);
    xcb_connection_t* c = connection.get();
    if (xcb_connection_has_error(c) != 0) {
        check.failure = written.empty() ? "could not connect to display " + display
                                        : "display " + display + " refused the connection (" +
                                              quotable(written.substr(0, written.find('\n'))) + ")";
        return check;
    }
    // Only atoms that exist: a bus announced for this display would have made them. The first
    // answer also shows whether the server kept the game.
    const auto atom = [c](const std::string& name) {
        const auto reply = owned(xcb_intern_atom_reply(
            c, xcb_intern_atom(c, 1, static_cast<std::uint16_t>(name.size()), name.data()),
            nullptr));
        return reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
    };
    const xcb_atom_t property = atom("_DBUS_SESSION_BUS_ADDRESS");
    const xcb_atom_t selection =
        busSelection.empty() ? xcb_atom_t{XCB_ATOM_NONE} : atom(busSelection);
    if (property != XCB_ATOM_NONE && selection != XCB_ATOM_NONE) {
        const auto owner =
            owned(xcb_get_selection_owner_reply(c, xcb_get_selection_owner(c, selection), nullptr));
        const auto value = owned(
            owner && owner->owner != XCB_WINDOW_NONE
                ? xcb_get_property_reply(
                      c, xcb_get_property(c, 0, owner->owner, property, XCB_ATOM_STRING, 0, 128),
                      nullptr)
                : nullptr);
        if (value && value->type == XCB_ATOM_STRING && value->format == 8) {
            check.sessionBus.emplace(
                static_cast<const char*>(xcb_get_property_value(value.get())),
                static_cast<std::size_t>(xcb_get_property_value_length(value.get())));
        }
    }
    if (xcb_connection_has_error(c) != 0) {
        return {"display " + display + " closed the connection", std::nullopt};
    }
    return check;
}

#else

DisplayCheck checkDisplay(const std::string&, const std::string&) {
    return {};
}

#endif

} // namespace gachapoko
