// The screen reader's side of AT-SPI, through libatspi.
#include "tests/a11y/atspi_client.h"

#include <chrono>
#include <thread>

namespace gachapoko::test {

namespace {

// Takes the string a libatspi call hands over, or an empty one after an error.
std::string adoptString(gchar* text, GError* error) {
    if (error != nullptr) {
        g_error_free(error);
    }
    std::string result = text != nullptr ? text : "";
    g_free(text);
    return result;
}

} // namespace

Accessible::Accessible(AtspiAccessible* adopted)
    : m_object(adopted, [](AtspiAccessible* object) {
          if (object != nullptr) {
              g_object_unref(object);
          }
      }) {}

std::string Accessible::name() const {
    GError* error = nullptr;
    gchar* name = atspi_accessible_get_name(get(), &error);
    return adoptString(name, error);
}

AtspiRole Accessible::role() const {
    GError* error = nullptr;
    const AtspiRole role = atspi_accessible_get_role(get(), &error);
    if (error != nullptr) {
        g_error_free(error);
        return ATSPI_ROLE_INVALID;
    }
    return role;
}

std::string Accessible::roleName() const {
    GError* error = nullptr;
    gchar* name = atspi_accessible_get_role_name(get(), &error);
    return adoptString(name, error);
}

bool Accessible::has(AtspiStateType state) const {
    AtspiStateSet* states = atspi_accessible_get_state_set(get());
    const bool found = states != nullptr && atspi_state_set_contains(states, state);
    if (states != nullptr) {
        g_object_unref(states);
    }
    return found;
}

std::vector<Accessible> Accessible::children() const {
    std::vector<Accessible> found;
    GError* error = nullptr;
    const gint count = atspi_accessible_get_child_count(get(), &error);
    if (error != nullptr) {
        g_error_free(error);
        return found;
    }
    for (gint i = 0; i < count; ++i) {
        AtspiAccessible* child = atspi_accessible_get_child_at_index(get(), i, &error);
        if (error != nullptr) {
            g_error_free(error);
            error = nullptr;
        }
        if (child != nullptr) {
            found.emplace_back(child);
        }
    }
    return found;
}

AtspiRect Accessible::extents() const {
    AtspiRect rect{-1, -1, 0, 0};
    AtspiComponent* component = atspi_accessible_get_component_iface(get());
    if (component == nullptr) {
        return rect;
    }
    GError* error = nullptr;
    AtspiRect* got = atspi_component_get_extents(component, ATSPI_COORD_TYPE_SCREEN, &error);
    if (error != nullptr) {
        g_error_free(error);
    }
    if (got != nullptr) {
        rect = *got;
        g_free(got);
    }
    g_object_unref(component);
    return rect;
}

std::vector<std::string> Accessible::actions() const {
    std::vector<std::string> names;
    AtspiAction* action = atspi_accessible_get_action_iface(get());
    if (action == nullptr) {
        return names;
    }
    GError* error = nullptr;
    const gint count = atspi_action_get_n_actions(action, &error);
    for (gint i = 0; error == nullptr && i < count; ++i) {
        gchar* name = atspi_action_get_action_name(action, i, &error);
        names.push_back(adoptString(name, error));
        error = nullptr;
    }
    if (error != nullptr) {
        g_error_free(error);
    }
    g_object_unref(action);
    return names;
}

bool Accessible::doAction(const std::string& name) const {
    const std::vector<std::string> names = actions();
    AtspiAction* action = atspi_accessible_get_action_iface(get());
    if (action == nullptr) {
        return false;
    }
    bool done = false;
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (names[i] == name) {
            GError* error = nullptr;
            done = atspi_action_do_action(action, static_cast<gint>(i), &error);
            if (error != nullptr) {
                g_error_free(error);
                done = false;
            }
            break;
        }
    }
    g_object_unref(action);
    return done;
}

Accessible Accessible::find(const std::function<bool(const Accessible&)>& match) const {
    for (const Accessible& child : children()) {
        if (match(child)) {
            return child;
        }
        Accessible deeper = child.find(match);
        if (!deeper.isNull()) {
            return deeper;
        }
    }
    return {};
}

bool waitUntil(const std::function<bool()>& done, int timeoutMs) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (!done()) {
        if (std::chrono::steady_clock::now() > deadline) {
            return false;
        }
        while (g_main_context_iteration(nullptr, FALSE)) {
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return true;
}

Accessible applicationOfProcess(unsigned pid, int timeoutMs) {
    Accessible found;
    waitUntil(
        [&] {
            Accessible desktop(atspi_get_desktop(0));
            for (const Accessible& application : desktop.children()) {
                GError* error = nullptr;
                const guint process = atspi_accessible_get_process_id(application.get(), &error);
                if (error != nullptr) {
                    g_error_free(error);
                    continue;
                }
                if (process == pid) {
                    atspi_accessible_set_cache_mask(application.get(), ATSPI_CACHE_NONE);
                    found = application;
                    return true;
                }
            }
            return false;
        },
        timeoutMs);
    return found;
}

EventRecorder::EventRecorder(const char* kind) : m_kind(kind) {
    m_listener = atspi_event_listener_new(&EventRecorder::received, this, nullptr);
    GError* error = nullptr;
    m_registered = atspi_event_listener_register(m_listener, m_kind.c_str(), &error);
    if (error != nullptr) {
        g_error_free(error);
        m_registered = false;
    }
}

EventRecorder::~EventRecorder() {
    if (m_registered) {
        atspi_event_listener_deregister(m_listener, m_kind.c_str(), nullptr);
    }
    g_object_unref(m_listener);
}

void EventRecorder::received(AtspiEvent* event, void* recorder) {
    auto* self = static_cast<EventRecorder*>(recorder);
    if (event->source != nullptr) {
        g_object_ref(event->source);
        const Accessible source(event->source);
        self->m_events.push_back({source.role(), source.name()});
    }
    g_boxed_free(ATSPI_TYPE_EVENT, event);
}

} // namespace gachapoko::test
