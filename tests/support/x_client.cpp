// The tests' X connection: XTest input and queries of other programs' windows.
#include "tests/support/x_client.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <clocale>

namespace gachapoko::test {

namespace {

// One property of a window as Xlib hands it over; freed when done.
struct Property {
    Atom type = None;
    int format = 0;
    unsigned long items = 0;
    unsigned char* data = nullptr;

    Property(Display* display, Window window, Atom name, long length, Atom wanted) {
        unsigned long after = 0;
        if (XGetWindowProperty(display, window, name, 0, length, False, wanted, &type, &format,
                               &items, &after, &data) != Success) {
            data = nullptr;
        }
    }
    Property(const Property&) = delete;
    Property& operator=(const Property&) = delete;
    ~Property() { XFree(data); }
};

} // namespace

XClient::XClient(const std::string& display) : m_display(XOpenDisplay(display.c_str())) {
    int ignored = 0;
    if (m_display == nullptr) {
        m_error = "cannot connect to " + display;
    } else if (XTestQueryExtension(m_display, &ignored, &ignored, &ignored, &ignored) == False) {
        m_error = "the X server has no XTest extension";
    }
}

XClient::~XClient() {
    if (m_display != nullptr) {
        XCloseDisplay(m_display);
    }
}

void XClient::moveTo(int x, int y) {
    XTestFakeMotionEvent(m_display, DefaultScreen(m_display), x, y, CurrentTime);
    XFlush(m_display);
}

void XClient::press(int button) {
    XTestFakeButtonEvent(m_display, static_cast<unsigned>(button), True, CurrentTime);
}

void XClient::release(int button) {
    XTestFakeButtonEvent(m_display, static_cast<unsigned>(button), False, CurrentTime);
}

void XClient::click(int x, int y, int button) {
    moveTo(x, y);
    press(button);
    release(button);
    sync();
}

void XClient::pressKey(const std::string& keysymName, bool shift) {
    const KeyCode key = XKeysymToKeycode(m_display, XStringToKeysym(keysymName.c_str()));
    const KeyCode shiftKey = XKeysymToKeycode(m_display, XStringToKeysym("Shift_L"));
    if (shift) {
        XTestFakeKeyEvent(m_display, shiftKey, True, CurrentTime);
    }
    XTestFakeKeyEvent(m_display, key, True, CurrentTime);
    XTestFakeKeyEvent(m_display, key, False, CurrentTime);
    if (shift) {
        XTestFakeKeyEvent(m_display, shiftKey, False, CurrentTime);
    }
    sync();
}

void XClient::giveFocus(unsigned long window) {
    XSetInputFocus(m_display, window, RevertToParent, CurrentTime);
    sync();
}

void XClient::flush() {
    XFlush(m_display);
}

void XClient::sync() {
    XSync(m_display, False);
}

unsigned long XClient::findWindow(long pid, const std::string& title) {
    const Atom pidAtom = XInternAtom(m_display, "_NET_WM_PID", False);
    const Atom nameAtom = XInternAtom(m_display, "_NET_WM_NAME", False);
    const Atom utf8 = XInternAtom(m_display, "UTF8_STRING", False);
    Window unused = 0;
    Window* children = nullptr;
    unsigned count = 0;
    // On failure it leaves no children.
    XQueryTree(m_display, DefaultRootWindow(m_display), &unused, &unused, &children, &count);
    unsigned long found = 0;
    for (unsigned i = 0; i < count && found == 0; ++i) {
        const Property owner(m_display, children[i], pidAtom, 1, XA_CARDINAL);
        const Property name(m_display, children[i], nameAtom, 256, utf8);
        XWindowAttributes attributes;
        if (owner.items == 1 && *reinterpret_cast<const long*>(owner.data) == pid &&
            std::string(reinterpret_cast<const char*>(name.data), name.items) == title &&
            XGetWindowAttributes(m_display, children[i], &attributes) != 0 &&
            attributes.map_state == IsViewable) {
            found = children[i];
        }
    }
    XFree(children); // as free(), it takes a null pointer
    return found;
}

unsigned long XClient::waitForWindow(Process& program, const std::string& title,
                                     std::chrono::milliseconds timeout) {
    unsigned long window = 0;
    program.waitUntil([&] { return (window = findWindow(program.pid(), title)) != 0; }, timeout);
    return window;
}

std::string XClient::legacyTitle(unsigned long window) {
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
    XFreeStringList(list); // which takes a null pointer too
    std::setlocale(LC_CTYPE, previous.c_str());
    XFree(property.value);
    return title;
}

bool XClient::windowOrigin(unsigned long window, int& x, int& y) {
    Window child = 0;
    return XTranslateCoordinates(m_display, window, DefaultRootWindow(m_display), 0, 0, &x, &y,
                                 &child) != 0;
}

void XClient::askToClose(unsigned long window) {
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

XClient::WindowManagerHints XClient::windowManagerHints(unsigned long window) {
    WindowManagerHints hints;
    const Atom motif = XInternAtom(m_display, "_MOTIF_WM_HINTS", False);
    const Property property(m_display, window, motif, 5, motif);
    if (property.format == 32 && property.items >= 3) {
        // Flags, functions, decorations, input mode, status; Xlib hands them over as longs.
        const auto* fields = reinterpret_cast<const unsigned long*>(property.data);
        hints.functions = (fields[0] & 1) != 0 ? fields[1] : 0;
        hints.decorations = (fields[0] & 2) != 0 ? fields[2] : 0;
    }
    XSizeHints size{};
    long supplied = 0;
    XGetWMNormalHints(m_display, window, &size, &supplied); // no flags where it has none
    if ((size.flags & PMinSize) != 0) {
        hints.minWidth = size.min_width;
        hints.minHeight = size.min_height;
    }
    if ((size.flags & PMaxSize) != 0) {
        hints.maxWidth = size.max_width;
        hints.maxHeight = size.max_height;
    }
    return hints;
}

QImage XClient::grab(unsigned long window) {
    XWindowAttributes attributes;
    if (XGetWindowAttributes(m_display, window, &attributes) == 0) {
        return {};
    }
    XImage* shot = XGetImage(m_display, window, 0, 0, static_cast<unsigned>(attributes.width),
                             static_cast<unsigned>(attributes.height), AllPlanes, ZPixmap);
    if (shot == nullptr) {
        return {};
    }
    // On XServer's 24-bit true-colour screen a pixel reads 0xRRGGBB, as a QRgb holds it.
    QImage image(attributes.width, attributes.height, QImage::Format_RGB32);
    for (int y = 0; y < attributes.height; ++y) {
        for (int x = 0; x < attributes.width; ++x) {
            image.setPixel(x, y, static_cast<QRgb>(XGetPixel(shot, x, y)));
        }
    }
    XDestroyImage(shot);
    return image;
}

XClient::WmClass XClient::wmClass(unsigned long window) {
    XClassHint hint{};
    WmClass result;
    if (XGetClassHint(m_display, window, &hint) != 0) {
        result.instance = hint.res_name;
        result.className = hint.res_class;
        XFree(hint.res_name);
        XFree(hint.res_class);
    }
    return result;
}

std::vector<QImage> XClient::icons(unsigned long window) {
    std::vector<QImage> images;
    const Property icon(m_display, window, XInternAtom(m_display, "_NET_WM_ICON", False), 1 << 20,
                        XA_CARDINAL);
    // Xlib hands 32-bit properties over as longs: width, height, then width x height ARGB
    // values, for each icon in turn.
    const auto* values = reinterpret_cast<const unsigned long*>(icon.data);
    for (unsigned long at = 0; at + 2 <= icon.items;) {
        const unsigned long width = values[at];
        const unsigned long height = values[at + 1];
        at += 2;
        if (width == 0 || height == 0 || icon.items - at < width * height) {
            break;
        }
        QImage image(static_cast<int>(width), static_cast<int>(height), QImage::Format_ARGB32);
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                image.setPixel(x, y, static_cast<QRgb>(values[at++] & 0xffffffffu));
            }
        }
        images.push_back(image);
    }
    return images;
}

} // namespace gachapoko::test
