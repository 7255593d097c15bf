// A small screen reader's view of one application over AT-SPI (libatspi): the objects, their
// roles, names, states and places on the screen, the actions they offer, and the events the
// application sends.
#pragma once

#include <atspi/atspi.h>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace gachapoko::test {

// One accessible object, holding its reference.
class Accessible {
public:
    Accessible() = default;
    explicit Accessible(AtspiAccessible* adopted);

    bool isNull() const { return !m_object; }
    AtspiAccessible* get() const { return m_object.get(); }

    std::string name() const;
    AtspiRole role() const;
    std::string roleName() const;
    bool has(AtspiStateType state) const;
    std::vector<Accessible> children() const;
    // On the screen, in device pixels.
    AtspiRect extents() const;
    // The names of the actions it offers, and doing one of them.
    std::vector<std::string> actions() const;
    bool doAction(const std::string& action) const;

    // The first descendant, depth first, for which `match` holds; null if none.
    Accessible find(const std::function<bool(const Accessible&)>& match) const;

private:
    std::shared_ptr<AtspiAccessible> m_object;
};

// The application of the process `pid` on the desktop, asking the application each time rather
// than keeping answers; null until it has registered (waits up to `timeoutMs`).
Accessible applicationOfProcess(unsigned pid, int timeoutMs);

// Lets the accessibility bus deliver what is waiting, until `done` holds or `timeoutMs` passes.
bool waitUntil(const std::function<bool()>& done, int timeoutMs);

// Records the events of one kind (e.g. "object:property-change:accessible-name") as their
// source's role and name at the moment they arrive.
class EventRecorder {
public:
    struct Event {
        AtspiRole role;
        std::string name;
    };

    explicit EventRecorder(const char* kind);
    EventRecorder(const EventRecorder&) = delete;
    EventRecorder& operator=(const EventRecorder&) = delete;
    ~EventRecorder();

    const std::vector<Event>& events() const { return m_events; }
    bool registered() const { return m_registered; }

private:
    static void received(AtspiEvent* event, void* recorder);

    std::string m_kind;
    AtspiEventListener* m_listener = nullptr;
    bool m_registered = false;
    std::vector<Event> m_events;
};

} // namespace gachapoko::test
