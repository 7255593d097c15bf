// The game logic's only way to change the window: five operations, nothing read back.
#pragma once

#include "logic/types.h"

#include <cstdint>
#include <string_view>

namespace gachapoko {

class View {
public:
    virtual ~View() = default;

    // Shows built-in picture `id` in the picture area in place of the current one.
    virtual void SetPicture(PictureId id) = 0;
    // Caption line 0, 1 or 2 shows `text`; an empty text leaves the line blank.
    virtual void SetCaption(CaptionLine line, std::u16string_view text) = 0;
    // An enabled site takes the mouse over its rectangle; a disabled one lets it through.
    virtual void SetSiteEnabled(SiteIndex site, bool enabled) = 0;
    // Shows or hides the "Next" button.
    virtual void SetNextVisible(bool visible) = 0;
    // 0 stops the timer; any other value starts it anew with that interval in milliseconds.
    virtual void SetTimerInterval(std::int32_t milliseconds) = 0;
};

} // namespace gachapoko
