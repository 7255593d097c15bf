// Fake pointer motion and button events, injected into the X server.
#include "tests/e2e/x_input.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <clocale>

namespace gachapoko::test {

XInput::XInput(const std::string& display) {
    m_display = XOpenDisplay(display.c_str());
    if (m_display == nullptr) {
        m_error = "cannot connect to " + display;
        return;
    }
    int eventBase = 0;
    int errorBase = 0;
    int major = 0;
    int minor = 0;
    if (XTestQueryExtension(m_display, &eventBase, &errorBase, &major, &minor) == False) {
        m_error = "the X server has no XTest extension";
    }
}

XInput::~XInput() {
    if (m_display != nullptr) {
        XCloseDisplay(m_display);
    }
}

void XInput::moveTo(int x, int y) {
    XTestFakeMotionEvent(m_display, DefaultScreen(m_display), x, y, CurrentTime);
    XFlush(m_display);
}

void XInput::press(int button) {
    XTestFakeButtonEvent(m_display, static_cast<unsigned>(button), True, CurrentTime);
}

void XInput::release(int button) {
    XTestFakeButtonEvent(m_display, static_cast<unsigned>(button), False, CurrentTime);
}

void XInput::click(int x, int y, int button) {
    moveTo(x, y);
    press(button);
    release(button);
    sync();
}

unsigned long XInput::findWindow(long pid, const std::string& title) {
    const Window root = DefaultRootWindow(m_display);
    const Atom pidAtom = XInternAtom(m_display, "_NET_WM_PID", False);
    const Atom nameAtom = XInternAtom(m_display, "_NET_WM_NAME", False);
    const Atom utf8 = XInternAtom(m_display, "UTF8_STRING", False);
    Window rootReturn = 0;
    Window parent = 0;
    Window* children = nullptr;
    unsigned count = 0;
    unsigned long found = 0;
    if (XQueryTree(m_display, root, &rootReturn, &parent, &children, &count) == 0) {
        return 0;
    }
    for (unsigned i = 0; i < count && found == 0; ++i) {
        Atom type = 0;
        int format = 0;
        unsigned long items = 0;
        unsigned long after = 0;
        unsigned char* data = nullptr;
        if (XGetWindowProperty(m_display, children[i], pidAtom, 0, 1, False, XA_CARDINAL, &type,
                               &format, &items, &after, &data) != Success ||
            data == nullptr) {
            continue;
        }
        const long windowPid = items == 1 ? *reinterpret_cast<long*>(data) : -1;
        XFree(data);
        if (windowPid != pid) {
            continue;
        }
        data = nullptr;
        if (XGetWindowProperty(m_display, children[i], nameAtom, 0, 256, False, utf8, &type,
                               &format, &items, &after, &data) == Success &&
            data != nullptr) {
            const std::string name(reinterpret_cast<const char*>(data), items);
            XFree(data);
            XWindowAttributes attributes;
            if (name == title && XGetWindowAttributes(m_display, children[i], &attributes) != 0 &&
                attributes.map_state == IsViewable) {
                found = children[i];
            }
        }
    }
    if (children != nullptr) {
        XFree(children);
    }
    return found;
}

std::string XInput::legacyTitle(unsigned long window) {
    XTextProperty property{};
    if (XGetWMName(m_display, window, &property) == 0 || property.value == nullptr) {
        return {};
    }
    // Xlib decodes compound text through the locale: decode in a UTF-8 one, whatever this
    // process runs under.
    const std::string previous = std::setlocale(LC_CTYPE, nullptr);
    std::setlocale(LC_CTYPE, "C.UTF-8");
    char** list = nullptr;
    int count = 0;
    std::string title;
    if (Xutf8TextPropertyToTextList(m_display, &property, &list, &count) >= Success && count > 0) {
        title = list[0];
    }
    if (list != nullptr) {
        XFreeStringList(list);
    }
    std::setlocale(LC_CTYPE, previous.c_str());
    XFree(property.value);
    return title;
}

bool XInput::windowOrigin(unsigned long window, int& x, int& y) {
    Window child = 0;
    return XTranslateCoordinates(m_display, window, DefaultRootWindow(m_display), 0, 0, &x, &y,
                                 &child) != 0;
}

void XInput::askToClose(unsigned long window) {
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(m_display, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = static_cast<long>(XInternAtom(m_display, "WM_DELETE_WINDOW", False));
    event.xclient.data.l[1] = CurrentTime;
    XSendEvent(m_display, window, False, NoEventMask, &event);
    XSync(m_display, False);
}

void XInput::flush() {
    XFlush(m_display);
}

void XInput::sync() {
    XSync(m_display, False);
}

} // namespace gachapoko::test
