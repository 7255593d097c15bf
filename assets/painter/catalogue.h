// Every picture of the game under its id, painted and stored, and the checks the painter makes
// on what it stores before the build embeds it.
#pragma once

#include "assets/painter/storage.h"

#include <string>
#include <vector>

namespace gachapoko::painter {

inline constexpr int FirstPictureId = 101;
inline constexpr int LastPictureId = 111;

struct StoredPicture {
    int id = 0;
    Bytes bytes;
};

// Pictures 101 to 111 in id order, in their stored form.
std::vector<StoredPicture> paintAllPictures();
Bytes paintStoredIcon();

// Problems found in the stored pictures and icon: sizes, header fields per group, the shared
// palette, palettes that must be used whole. Empty when all is well.
std::vector<std::string> checkStoredPictures(const std::vector<StoredPicture>& pictures,
                                             const Bytes& icon);

} // namespace gachapoko::painter
