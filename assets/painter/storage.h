// Turns painted pictures into the bytes the program carries: a bitmap information header, the
// palette of an 8-bit picture, and the pixel rows bottom row first; the icon with its mask.
#pragma once

#include "assets/painter/canvas.h"

#include <cstdint>
#include <vector>

namespace gachapoko::painter {

using Bytes = std::vector<std::uint8_t>;

inline constexpr std::int32_t PixelsPerMetre = 7087; // 180 dots per inch
inline constexpr std::size_t TrueColourSize = 120040;
inline constexpr std::size_t IndexedSize = 41064;
inline constexpr std::size_t IconStoredSize = 744;

// The 8-bit pictures come in two header styles: the faces on the shared palette say so with a
// colours-used count and leave size and resolution empty; those with palettes of their own give
// size and resolution and leave colours-used at 0, which means all 256.
enum class IndexedHeader { SharedPalette, OwnPalette };

Bytes storeTrueColour(const RgbPicture& picture);
Bytes storeIndexed(const IndexedPicture& picture, IndexedHeader header);
Bytes storeIcon(const IconPicture& icon);

} // namespace gachapoko::painter
