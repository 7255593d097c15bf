// Where the window's controls sit, in pixels of its fixed client area: the picture area at the
// top left (it sizes itself around the picture), "Next" under it and the three caption lines at
// the foot. The window places its controls by these, and the caption face is chosen to fit the
// room inside a caption line.
#pragma once

#include "logic/types.h"

#include <QRect>
#include <array>

namespace gachapoko::layout {

inline constexpr int ClientWidth = 201;
inline constexpr int ClientHeight = 273;

inline constexpr QRect CmdNextRect{0, 208, ClientWidth, 12};

// Each caption line spans the window inside a one-pixel sunken border; the lines overlap by a
// pixel (line 2 over line 1 over line 0), and the last ends at the window's foot.
inline constexpr int CaptionHeight = 17;
inline constexpr int CaptionBorder = 1;
inline constexpr std::array<QRect, CaptionLineCount> LblMsRects = {{
    {0, 224, ClientWidth, CaptionHeight},
    {0, 240, ClientWidth, CaptionHeight},
    {0, 256, ClientWidth, CaptionHeight},
}};
static_assert(LblMsRects.back().bottom() == ClientHeight - 1);

// The room a caption's text has inside its line's border.
inline constexpr int CaptionTextWidth = ClientWidth - 2 * CaptionBorder;
inline constexpr int CaptionTextHeight = CaptionHeight - 2 * CaptionBorder;

} // namespace gachapoko::layout
