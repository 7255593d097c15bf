// The build-time painter: paints every picture of the catalogue and the icon, checks their
// stored forms, and writes what it is asked for: the source file the build compiles them into,
// PNGs to look at, a contact sheet of them all, or the icon in the sizes a desktop's icon theme
// asks for.
//
//   gachapoko_painter [--source FILE] [--png DIR] [--sheet FILE] [--only ID]
//                     [--icons DIR --icon-name NAME]
#include "assets/painter/checks.h"
#include "assets/painter/embedding.h"
#include "assets/painter/writers.h"

#include <cstdio>
#include <cstdlib>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace {

using namespace gachapoko;
using namespace gachapoko::painter;

constexpr const char* Usage = "usage: gachapoko_painter [--source FILE] [--png DIR] [--sheet FILE] "
                              "[--only ID] [--icons DIR --icon-name NAME]\n"
                              "  --source FILE  the stored pictures and icon as C++ byte arrays\n"
                              "  --png DIR      each picture as PNG, also at twice the size, and "
                              "the icon at 1x and 8x\n"
                              "  --sheet FILE   all pictures and the icon on one PNG\n"
                              "  --only ID      paint only picture ID (with --png)\n"
                              "  --icons DIR    the icon for the hicolor theme, DIR/SIZExSIZE/apps/"
                              "NAME.png\n"
                              "                 at 32, 64, 128 and 256 pixels\n"
                              "  --icon-name NAME  the icon's name in the theme\n";

struct Options {
    std::string source;
    std::string pngDir;
    std::string sheet;
    std::optional<PictureId> only;
    std::string iconsDir;
    std::string iconName;

    bool needsPictures() const { return !source.empty() || !pngDir.empty() || !sheet.empty(); }
};

std::optional<Options> parseOptions(int argc, char** argv) {
    Options options;
    for (int i = 1; i < argc; i += 2) {
        const std::string_view flag = argv[i];
        if (i + 1 >= argc) {
            std::fprintf(stderr, "painter: %s needs a value\n", argv[i]);
            return std::nullopt;
        }
        const std::string value = argv[i + 1];
        if (flag == "--source") {
            options.source = value;
        } else if (flag == "--png") {
            options.pngDir = value;
        } else if (flag == "--sheet") {
            options.sheet = value;
        } else if (flag == "--only") {
            const int id = std::atoi(value.c_str());
            if (!isValidPicture(id) || std::to_string(id) != value) {
                std::fprintf(stderr, "painter: no picture %s (the ids are %d to %d)\n",
                             value.c_str(), TitlePicture, ClosingPicture);
                return std::nullopt;
            }
            options.only = static_cast<PictureId>(id);
        } else if (flag == "--icons") {
            options.iconsDir = value;
        } else if (flag == "--icon-name") {
            options.iconName = value;
        } else {
            std::fprintf(stderr, "painter: unknown option %s\n", argv[i]);
            return std::nullopt;
        }
    }
    if (!options.needsPictures() && options.iconsDir.empty()) {
        return std::nullopt;
    }
    if (options.iconsDir.empty() != options.iconName.empty()) {
        std::fprintf(stderr, "painter: --icons and --icon-name go together\n");
        return std::nullopt;
    }
    if (options.only && (!options.source.empty() || !options.sheet.empty())) {
        std::fprintf(stderr, "painter: --source and --sheet need every picture, not --only\n");
        return std::nullopt;
    }
    return options;
}

int run(const Options& options) {
    std::vector<StoredPicture> pictures;
    std::vector<std::string> problems;
    const Bytes icon = paintStoredIcon();
    if (options.only) {
        const CataloguedPicture* row = findPicture(*options.only);
        pictures.push_back(paintStored(*row));
        problems = checkStoredPicture(*row, pictures.back().bytes);
    } else if (options.needsPictures()) {
        pictures = paintAllPictures();
        problems = checkStoredPictures(pictures, icon);
    } else {
        problems = checkStoredIcon(icon);
    }
    for (const auto& problem : problems) {
        std::fprintf(stderr, "painter: %s\n", problem.c_str());
    }
    if (!problems.empty()) {
        return 1;
    }
    const bool written =
        (options.source.empty() || writeEmbeddingSource(options.source, pictures, icon)) &&
        (options.pngDir.empty() ||
         writePngs(options.pngDir, pictures, options.only ? nullptr : &icon)) &&
        (options.sheet.empty() || writeSheet(options.sheet, pictures, icon)) &&
        (options.iconsDir.empty() || writeThemeIcons(options.iconsDir, options.iconName, icon));
    return written ? 0 : 1;
}

} // namespace

int main(int argc, char** argv) {
    const std::optional<Options> options = parseOptions(argc, argv);
    if (!options) {
        std::fputs(Usage, stderr);
        return 2;
    }
    try {
        return run(*options);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "painter: %s\n", error.what());
        return 1;
    }
}
