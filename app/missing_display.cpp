// Telling that there is no display before Qt would abort for want of one.
#include "app/missing_display.h"

#include "platform/platform.h"

namespace gachapoko {

std::optional<std::string>
missingDisplayReason(const std::function<std::optional<std::string>(const char*)>& environment) {
    if constexpr (!platform::Freedesktop) {
        return std::nullopt;
    }
    const auto isSet = [&](const char* name) {
        const auto value = environment(name);
        return value && !value->empty();
    };
    if (isSet("QT_QPA_PLATFORM") || isSet("DISPLAY") || isSet("WAYLAND_DISPLAY")) {
        return std::nullopt;
    }
    return "no display to show the window on (neither DISPLAY nor WAYLAND_DISPLAY is set)";
}

} // namespace gachapoko
