// Xlib writes the window's legacy title (WM_NAME) in the character encoding of the C library's
// locale; under LANG=C that is ASCII and the title would turn to garbage. The game's texts are
// UTF-8, so the encoding is switched to UTF-8 where the locale's is anything else. Only the
// encoding changes: messages, dates and sorting keep the user's locale.
#pragma once

namespace gachapoko {

void useUtf8CharacterEncoding();

} // namespace gachapoko
