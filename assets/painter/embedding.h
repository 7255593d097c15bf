// The source file the build compiles the stored pictures and the icon into: C++ byte arrays
// behind assets/embedded_pictures.h. Plain C++, like the rest of the painting.
#pragma once

#include "assets/painter/storage.h"

#include <string>
#include <vector>

namespace gachapoko::painter {

std::string embeddingSource(const std::vector<StoredPicture>& pictures, const Bytes& icon);
// Writes it to `file`; false after a line on standard error when it cannot.
bool writeEmbeddingSource(const std::string& file, const std::vector<StoredPicture>& pictures,
                          const Bytes& icon);

} // namespace gachapoko::painter
