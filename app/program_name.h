// The program's name, at the start of every line it prints.
#pragma once

namespace gachapoko {

inline constexpr const char* ProgramName = "gachapoko";

} // namespace gachapoko
