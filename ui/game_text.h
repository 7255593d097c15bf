// The game's texts, UTF-16 views into the content table, as the Qt strings the window shows.
#pragma once

#include <QString>
#include <string_view>

namespace gachapoko {

inline QString toQString(std::u16string_view text) {
    return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace gachapoko
