// The autolaunched session bus of an X display, read through Xlib.
#include "app/display_bus.h"

#include <cctype>
#include <fstream>

#if defined(GACHAPOKO_HAVE_X11)
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#endif

namespace gachapoko {

namespace {

#if defined(GACHAPOKO_HAVE_X11)
// A window that vanishes between the questions gives an X error, which by default ends the
// program; here it only means that there is no bus.
int ignoreXError(Display*, XErrorEvent*) {
    return 0;
}
#endif

} // namespace

std::optional<std::string> autolaunchedBusOfDisplay([[maybe_unused]] const std::string& display,
                                                    [[maybe_unused]] const std::string& userName,
                                                    [[maybe_unused]] const std::string& machineId) {
#if defined(GACHAPOKO_HAVE_X11)
    if (display.empty() || userName.empty() || machineId.empty()) {
        return std::nullopt;
    }
    Display* connection = XOpenDisplay(display.c_str());
    if (connection == nullptr) {
        return std::nullopt;
    }
    const auto previousHandler = XSetErrorHandler(ignoreXError);
    std::optional<std::string> address;
    const std::string selectionName = "_DBUS_SESSION_BUS_SELECTION_" + userName + "_" + machineId;
    // Only atoms that exist already: a bus for this display would have made them.
    const Atom selection = XInternAtom(connection, selectionName.c_str(), True);
    const Atom addressAtom = XInternAtom(connection, "_DBUS_SESSION_BUS_ADDRESS", True);
    const Window owner = selection != None ? XGetSelectionOwner(connection, selection) : None;
    if (owner != None && addressAtom != None) {
        Atom type = None;
        int format = 0;
        unsigned long items = 0;
        unsigned long after = 0;
        unsigned char* data = nullptr;
        if (XGetWindowProperty(connection, owner, addressAtom, 0, 1024, False, XA_STRING, &type,
                               &format, &items, &after, &data) == Success &&
            data != nullptr) {
            if (type == XA_STRING && format == 8 && items > 0) {
                address = std::string(reinterpret_cast<const char*>(data), items);
            }
            XFree(data);
        }
    }
    XSync(connection, False);
    XSetErrorHandler(previousHandler);
    XCloseDisplay(connection);
    return address;
#else
    return std::nullopt;
#endif
}

std::string machineId() {
    for (const char* path : {"/etc/machine-id", "/var/lib/dbus/machine-id"}) {
        std::ifstream file(path);
        std::string id;
        if (std::getline(file, id) && id.size() == 32) {
            bool hex = true;
            for (const char c : id) {
                hex = hex && std::isxdigit(static_cast<unsigned char>(c)) != 0;
            }
            if (hex) {
                return id;
            }
        }
    }
    return {};
}

} // namespace gachapoko
