// The UTF-8 switch of the C library's character encoding.
#include "app/character_encoding.h"

#include "platform/platform.h"

#include <clocale>

#if GACHAPOKO_FREEDESKTOP
#include <langinfo.h>
#include <strings.h>
#endif

namespace gachapoko {

void useUtf8CharacterEncoding() {
#if GACHAPOKO_FREEDESKTOP
    const char* encoding = nl_langinfo(CODESET);
    if (strcasecmp(encoding, "UTF-8") != 0 && strcasecmp(encoding, "utf8") != 0) {
        std::setlocale(LC_CTYPE, "C.UTF-8");
    }
#endif
}

} // namespace gachapoko
