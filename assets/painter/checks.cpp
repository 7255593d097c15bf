// The checks of the stored pictures and the icon.
#include "assets/painter/checks.h"

#include "logic/site_table.h"

#include <algorithm>
#include <span>

namespace gachapoko::painter {

namespace {

// What the header of a stored form says, field by field.
struct Expected {
    std::int32_t width, height;
    std::uint16_t bitCount;
    std::uint32_t imageSize;
    std::int32_t pixelsPerMetre;
    std::uint32_t coloursUsed;
    std::size_t size;
};

Expected expectedFor(StoredForm form, PaletteKind palette) {
    if (form == StoredForm::TrueColour) {
        return {.width = PictureSize,
                .height = PictureSize,
                .bitCount = 24,
                .imageSize = TrueColourSize - TrueColourRowsAt,
                .pixelsPerMetre = PixelsPerMetre,
                .coloursUsed = 0,
                .size = TrueColourSize};
    }
    if (palette == PaletteKind::Shared) {
        return {.width = PictureSize,
                .height = PictureSize,
                .bitCount = 8,
                .imageSize = 0,
                .pixelsPerMetre = 0,
                .coloursUsed = 256,
                .size = IndexedSize};
    }
    return {.width = PictureSize,
            .height = PictureSize,
            .bitCount = 8,
            .imageSize = IndexedSize - IndexedRowsAt,
            .pixelsPerMetre = PixelsPerMetre,
            .coloursUsed = 0,
            .size = IndexedSize};
}

void checkHeader(const std::string& name, const Bytes& b, const Expected& e,
                 std::vector<std::string>& problems) {
    if (b.size() != e.size) {
        problems.push_back(name + ": " + std::to_string(b.size()) + " bytes, not " +
                           std::to_string(e.size));
        return;
    }
    const BitmapHeader h = *readBitmapHeader(b);
    struct Field {
        const char* name;
        long long stored, wanted;
    };
    const std::array<Field, 11> fields = {{
        {"header size", h.headerSize, BitmapHeaderSize},
        {"width", h.width, e.width},
        {"height", h.height, e.height},
        {"planes", h.planes, 1},
        {"bits per pixel", h.bitCount, e.bitCount},
        {"compression", h.compression, 0},
        {"image size", h.imageSize, e.imageSize},
        {"x resolution", h.xPixelsPerMetre, e.pixelsPerMetre},
        {"y resolution", h.yPixelsPerMetre, e.pixelsPerMetre},
        {"colours used", h.coloursUsed, e.coloursUsed},
        {"colours important", h.coloursImportant, 0},
    }};
    for (const Field& f : fields) {
        if (f.stored != f.wanted) {
            problems.push_back(name + ": " + f.name + " is " + std::to_string(f.stored) + ", not " +
                               std::to_string(f.wanted));
        }
    }
}

// Each site's region on the map, cut to the picture, must lie mostly over painted places, not
// over the bare ground (the map's most common colour).
constexpr int LeastPaintedPercent = 60;

void checkSitesOverPlaces(const std::string& name, const Bytes& b,
                          std::vector<std::string>& problems) {
    const auto colourAt = [&b](int x, int y) {
        const std::size_t at = TrueColourRowsAt +
                               static_cast<std::size_t>(PictureSize - 1 - y) * TrueColourStride +
                               static_cast<std::size_t>(3 * x);
        return Rgb{b[at + 2], b[at + 1], b[at]};
    };
    const auto key = [](Rgb c) { return c.r << 16 | c.g << 8 | c.b; };
    std::vector<int> keys;
    for (int y = 0; y < PictureSize; ++y) {
        for (int x = 0; x < PictureSize; ++x) {
            keys.push_back(key(colourAt(x, y)));
        }
    }
    std::sort(keys.begin(), keys.end());
    int ground = keys[0], longest = 0;
    for (std::size_t i = 0; i < keys.size();) {
        std::size_t j = i;
        while (j < keys.size() && keys[j] == keys[i]) {
            ++j;
        }
        if (static_cast<int>(j - i) > longest) {
            longest = static_cast<int>(j - i);
            ground = keys[i];
        }
        i = j;
    }
    const Rgb g{static_cast<std::uint8_t>(ground >> 16), static_cast<std::uint8_t>(ground >> 8),
                static_cast<std::uint8_t>(ground)};
    for (std::size_t site = 0; site < SiteTable.size(); ++site) {
        const MapRect& r = SiteTable[site].Region;
        int painted = 0, all = 0;
        for (int y = r.y; y <= std::min(r.bottom(), PictureSize - 1); ++y) {
            for (int x = r.x; x <= std::min(r.right(), PictureSize - 1); ++x) {
                const Rgb c = colourAt(x, y);
                const int apart =
                    std::max({std::abs(c.r - g.r), std::abs(c.g - g.g), std::abs(c.b - g.b)});
                painted += apart > 10 ? 1 : 0;
                ++all;
            }
        }
        if (painted * 100 < LeastPaintedPercent * all) {
            problems.push_back(name + ": only " + std::to_string(painted * 100 / all) +
                               " % of site " + std::to_string(site) + "'s region is painted, not " +
                               std::to_string(LeastPaintedPercent) + " %");
        }
    }
}

} // namespace

std::vector<std::string> checkSharedPalette(const Palette& palette) {
    std::vector<std::string> problems;
    const auto entry = [](std::size_t i) { return "shared palette entry " + std::to_string(i); };
    // The faces name their colours by value (shared(r, g, b)), which finds the first entry with
    // the colour: a second entry with it could never be painted.
    for (std::size_t i = 0; i < palette.size(); ++i) {
        for (std::size_t j = 0; j < i; ++j) {
            if (palette[i] == palette[j]) {
                problems.push_back(entry(i) + " repeats entry " + std::to_string(j));
            }
        }
    }
    // Black first, where darker() knows it as the outline's colour and never shades to it, and
    // white last, with the static colours.
    if (palette.front() != Rgb{0, 0, 0} || palette.back() != Rgb{255, 255, 255}) {
        problems.push_back("shared palette does not run from black to white");
    }
    // Between the static colours lies the grid: each channel on one of the seven levels 63,
    // 95, ..., 255, the entries in grid order (red fastest, then green, then blue), the order in
    // which darker() chooses between equally near shades.
    const auto onGrid = [](std::uint8_t v) { return v >= 63 && (v - 63) % 32 == 0; };
    const auto position = [](Rgb c) {
        return (c.r - 63) / 32 + 7 * ((c.g - 63) / 32) + 49 * ((c.b - 63) / 32);
    };
    for (std::size_t i = 10; i < 246; ++i) {
        const Rgb c = palette[i];
        if (!onGrid(c.r) || !onGrid(c.g) || !onGrid(c.b)) {
            problems.push_back(entry(i) + " lies off the seven-level grid");
        } else if (i > 10 && position(c) <= position(palette[i - 1])) {
            problems.push_back(entry(i) + " is out of grid order");
        }
    }
    return problems;
}

std::vector<std::string> checkStoredPicture(const CataloguedPicture& picture, const Bytes& bytes) {
    std::vector<std::string> problems;
    const std::string name = "picture " + std::to_string(picture.id);
    checkHeader(name, bytes, expectedFor(picture.form, picture.palette), problems);
    if (!problems.empty()) {
        return problems;
    }
    const Bytes shared = storedPalette(sharedPalette());
    if (picture.palette == PaletteKind::Shared &&
        !std::equal(shared.begin(), shared.end(), bytes.begin() + PaletteAt)) {
        problems.push_back(name + ": palette is not the shared palette");
    }
    if (picture.palette == PaletteKind::Own) {
        const int used = usedEntries(std::span(bytes).subspan(IndexedRowsAt));
        if (used != 256) {
            problems.push_back(name + ": uses " + std::to_string(used) +
                               " palette entries, not 256");
        }
    }
    if (picture.id == MapPicture) {
        checkSitesOverPlaces(name, bytes, problems);
    }
    return problems;
}

std::vector<std::string> checkStoredIcon(const Bytes& icon) {
    std::vector<std::string> problems;
    // The height counts both layers, the colour image and the mask.
    checkHeader("icon", icon,
                {.width = IconSize,
                 .height = 2 * IconSize,
                 .bitCount = 4,
                 .imageSize = IconStoredSize - IconColourAt,
                 .pixelsPerMetre = 0,
                 .coloursUsed = 0,
                 .size = IconStoredSize},
                problems);
    if (problems.empty()) {
        const Bytes standard = storedPalette(standardIconPalette());
        if (!std::equal(standard.begin(), standard.end(), icon.begin() + PaletteAt)) {
            problems.push_back("icon: palette is not the standard 16 colours");
        }
    }
    return problems;
}

std::vector<std::string> checkStoredPictures(const std::vector<StoredPicture>& pictures,
                                             const Bytes& icon) {
    std::vector<std::string> problems = checkSharedPalette(sharedPalette());
    if (pictures.size() != PictureCount) {
        problems.push_back(std::to_string(pictures.size()) + " pictures, not " +
                           std::to_string(PictureCount));
        return problems;
    }
    for (std::size_t i = 0; i < pictures.size(); ++i) {
        const auto id = static_cast<PictureId>(TitlePicture + i);
        const CataloguedPicture* row = findPicture(id);
        if (pictures[i].id != id || row == nullptr) {
            problems.push_back("picture " + std::to_string(pictures[i].id) + " where " +
                               std::to_string(id) + " belongs");
            continue;
        }
        for (std::string& problem : checkStoredPicture(*row, pictures[i].bytes)) {
            problems.push_back(std::move(problem));
        }
    }
    for (std::string& problem : checkStoredIcon(icon)) {
        problems.push_back(std::move(problem));
    }
    return problems;
}

} // namespace gachapoko::painter
