// The painter without the images it writes with Qt: paints every picture and the icon, writes the
// source file the build embeds, and checks the stored forms as the build does. Cross compilers
// have no Qt, so tools/compare-painter-builds.sh builds this to compare the bytes painted on other
// processors and systems.
//
//   painter_source_only FILE
#include "assets/painter/checks.h"
#include "assets/painter/embedding.h"

#include <cstdio>

int main(int argc, char** argv) {
    using namespace gachapoko::painter;
    if (argc != 2) {
        std::fputs("usage: painter_source_only FILE\n", stderr);
        return 2;
    }
    const std::vector<StoredPicture> pictures = paintAllPictures();
    const Bytes icon = paintStoredIcon();
    // Written even when a check fails, so that the comparison shows which bytes differ.
    const bool written = writeEmbeddingSource(argv[1], pictures, icon);
    const std::vector<std::string> problems = checkStoredPictures(pictures, icon);
    for (const std::string& problem : problems) {
        std::fprintf(stderr, "painter: %s\n", problem.c_str());
    }
    return written && problems.empty() ? 0 : 1;
}
