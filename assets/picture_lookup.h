// The built-in pictures and the program's icon, decoded from the data embedded in the program.
#pragma once

#include <QIcon>
#include <QImage>
#include <cstdint>
#include <optional>

namespace gachapoko {

// Decodes built-in picture `id` (TitlePicture to ClosingPicture of logic/types.h) into a new
// 200x200 image on every call; nothing is cached. Gives nothing for an unknown id or data that is
// not a well-formed stored picture.
std::optional<QImage> loadPicture(std::int16_t id);

// The program's 32x32 icon with its transparency mask, and the same doubled to 64x64.
QIcon loadProgramIcon();

} // namespace gachapoko
