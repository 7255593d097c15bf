// Reads another client's window through Xlib: XGetImage for its pixels, the ICCCM class hint and
// the EWMH icon property.
#include "tests/packaging/x_window.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

namespace gachapoko::test {

XWindowReader::XWindowReader(const std::string& display) {
    m_display = XOpenDisplay(display.c_str());
}

XWindowReader::~XWindowReader() {
    if (m_display != nullptr) {
        XCloseDisplay(m_display);
    }
}

QImage XWindowReader::grab(unsigned long window) {
    XWindowAttributes attributes;
    if (XGetWindowAttributes(m_display, window, &attributes) == 0) {
        return {};
    }
    XImage* shot = XGetImage(m_display, window, 0, 0, static_cast<unsigned>(attributes.width),
                             static_cast<unsigned>(attributes.height), AllPlanes, ZPixmap);
    if (shot == nullptr) {
        return {};
    }
    // The test server's screen is 24-bit TrueColor: each pixel is 0xRRGGBB under the masks.
    QImage image(attributes.width, attributes.height, QImage::Format_RGB32);
    for (int y = 0; y < attributes.height; ++y) {
        for (int x = 0; x < attributes.width; ++x) {
            const unsigned long pixel = XGetPixel(shot, x, y);
            const auto channel = [pixel](unsigned long mask) {
                unsigned long value = pixel & mask;
                while (mask != 0 && (mask & 1) == 0) {
                    mask >>= 1;
                    value >>= 1;
                }
                return static_cast<int>(value);
            };
            image.setPixel(
                x, y,
                qRgb(channel(shot->red_mask), channel(shot->green_mask), channel(shot->blue_mask)));
        }
    }
    XDestroyImage(shot);
    return image;
}

XWindowReader::WmClass XWindowReader::wmClass(unsigned long window) {
    XClassHint hint{};
    WmClass result;
    if (XGetClassHint(m_display, window, &hint) != 0) {
        result.instance = QString::fromLocal8Bit(hint.res_name);
        result.className = QString::fromLocal8Bit(hint.res_class);
        XFree(hint.res_name);
        XFree(hint.res_class);
    }
    return result;
}

std::vector<QImage> XWindowReader::icons(unsigned long window) {
    std::vector<QImage> images;
    const Atom iconAtom = XInternAtom(m_display, "_NET_WM_ICON", False);
    Atom type = 0;
    int format = 0;
    unsigned long items = 0;
    unsigned long after = 0;
    unsigned char* data = nullptr;
    if (XGetWindowProperty(m_display, window, iconAtom, 0, 1 << 20, False, XA_CARDINAL, &type,
                           &format, &items, &after, &data) != Success ||
        data == nullptr) {
        return images;
    }
    // Xlib hands 32-bit properties over as longs: width, height, then width x height ARGB
    // values, for each icon in turn.
    const auto* values = reinterpret_cast<const unsigned long*>(data);
    unsigned long at = 0;
    while (at + 2 <= items) {
        const auto width = static_cast<int>(values[at]);
        const auto height = static_cast<int>(values[at + 1]);
        at += 2;
        if (width <= 0 || height <= 0 ||
            items - at < static_cast<unsigned long>(width) * static_cast<unsigned long>(height)) {
            break;
        }
        QImage icon(width, height, QImage::Format_ARGB32);
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) {
                icon.setPixel(x, y, static_cast<QRgb>(values[at++] & 0xffffffffu));
            }
        }
        images.push_back(icon);
    }
    XFree(data);
    return images;
}

} // namespace gachapoko::test
