// What the X server knows of another program's window: what it shows, the WM_CLASS by which a
// desktop matches it to its entry, and the icons it offers the window manager.
#pragma once

#include <QImage>
#include <QString>
#include <string>
#include <vector>

using Display = struct _XDisplay;

namespace gachapoko::test {

class XWindowReader {
public:
    explicit XWindowReader(const std::string& display);
    XWindowReader(const XWindowReader&) = delete;
    XWindowReader& operator=(const XWindowReader&) = delete;
    ~XWindowReader();

    bool connected() const { return m_display != nullptr; }

    // The window's contents as the server has them; a null image when it cannot be read.
    QImage grab(unsigned long window);

    struct WmClass {
        QString instance;
        QString className;
    };
    WmClass wmClass(unsigned long window);

    // The images of _NET_WM_ICON, in the order the window gives them.
    std::vector<QImage> icons(unsigned long window);

private:
    Display* m_display = nullptr;
};

} // namespace gachapoko::test
