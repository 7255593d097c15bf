// Paints every picture under its id and checks the stored forms.
#include "assets/painter/catalogue.h"

#include "assets/painter/faces.h"
#include "assets/painter/pictures.h"

#include <algorithm>
#include <array>
#include <functional>

namespace gachapoko::painter {

namespace {

// The airbrushed pictures whose shading uses every entry of their own palette.
constexpr std::array<int, 3> WholePaletteIds = {109, 110, 111};

bool usesWholePalette(int id) {
    return std::find(WholePaletteIds.begin(), WholePaletteIds.end(), id) != WholePaletteIds.end();
}

enum class Group { TrueColour, SharedPalette, OwnPalette };

Group groupOf(int id) {
    if (id <= 102) {
        return Group::TrueColour;
    }
    return id <= 108 ? Group::SharedPalette : Group::OwnPalette;
}

std::uint32_t read32(const Bytes& b, std::size_t at) {
    return static_cast<std::uint32_t>(b[at]) | static_cast<std::uint32_t>(b[at + 1]) << 8 |
           static_cast<std::uint32_t>(b[at + 2]) << 16 |
           static_cast<std::uint32_t>(b[at + 3]) << 24;
}

std::uint16_t read16(const Bytes& b, std::size_t at) {
    return static_cast<std::uint16_t>(b[at] | b[at + 1] << 8);
}

struct Expected {
    std::uint32_t width, height;
    std::uint16_t bitCount;
    std::uint32_t imageSize, pixelsPerMetre, coloursUsed;
    std::size_t size;
};

void checkHeader(const std::string& name, const Bytes& b, const Expected& e,
                 std::vector<std::string>& problems) {
    if (b.size() != e.size) {
        problems.push_back(name + ": " + std::to_string(b.size()) + " bytes, not " +
                           std::to_string(e.size));
        return;
    }
    struct Field {
        const char* name;
        std::uint32_t stored, wanted;
    };
    const std::array<Field, 11> fields = {{
        {"header size", read32(b, 0), 40},
        {"width", read32(b, 4), e.width},
        {"height", read32(b, 8), e.height},
        {"planes", read16(b, 12), 1},
        {"bits per pixel", read16(b, 14), e.bitCount},
        {"compression", read32(b, 16), 0},
        {"image size", read32(b, 20), e.imageSize},
        {"x resolution", read32(b, 24), e.pixelsPerMetre},
        {"y resolution", read32(b, 28), e.pixelsPerMetre},
        {"colours used", read32(b, 32), e.coloursUsed},
        {"colours important", read32(b, 36), 0},
    }};
    for (const Field& f : fields) {
        if (f.stored != f.wanted) {
            problems.push_back(name + ": " + f.name + " is " + std::to_string(f.stored) + ", not " +
                               std::to_string(f.wanted));
        }
    }
}

Bytes paletteBytes(const Bytes& b) {
    return Bytes(b.begin() + 40, b.begin() + 40 + 1024);
}

int distinctIndices(const Bytes& b) {
    std::array<bool, 256> used{};
    for (std::size_t i = 40 + 1024; i < b.size(); ++i) {
        used[b[i]] = true;
    }
    return static_cast<int>(std::count(used.begin(), used.end(), true));
}

} // namespace

std::vector<StoredPicture> paintAllPictures() {
    const auto indexed = [](IndexedPicture (*paint)(), IndexedHeader header) {
        return [paint, header] { return storeIndexed(paint(), header); };
    };
    const std::array<std::function<Bytes()>, 11> painters = {
        [] { return storeTrueColour(paintTitle()); },
        [] { return storeTrueColour(paintMap()); },
        indexed(paintSumoWrestler, IndexedHeader::SharedPalette),
        indexed(paintDwarf, IndexedHeader::SharedPalette),
        indexed(paintYoungMan, IndexedHeader::SharedPalette),
        indexed(paintEldestSon, IndexedHeader::SharedPalette),
        indexed(paintSecondSon, IndexedHeader::SharedPalette),
        indexed(paintGoddess, IndexedHeader::SharedPalette),
        indexed(paintFinalOpponent, IndexedHeader::OwnPalette),
        indexed(paintFinalOpponentBeaten, IndexedHeader::OwnPalette),
        indexed(paintClosing, IndexedHeader::OwnPalette),
    };
    std::vector<StoredPicture> pictures;
    for (std::size_t i = 0; i < painters.size(); ++i) {
        pictures.push_back({FirstPictureId + static_cast<int>(i), painters[i]()});
    }
    return pictures;
}

Bytes paintStoredIcon() {
    return storeIcon(paintIcon());
}

std::vector<std::string> checkStoredPictures(const std::vector<StoredPicture>& pictures,
                                             const Bytes& icon) {
    std::vector<std::string> problems;
    if (pictures.size() != LastPictureId - FirstPictureId + 1) {
        problems.push_back("not eleven pictures");
        return problems;
    }
    Bytes shared;
    for (const Rgb c : sharedPalette()) {
        shared.insert(shared.end(), {c.b, c.g, c.r, 0});
    }
    for (std::size_t i = 0; i < pictures.size(); ++i) {
        const auto& [id, bytes] = pictures[i];
        const std::string name = "picture " + std::to_string(id);
        if (id != FirstPictureId + static_cast<int>(i)) {
            problems.push_back(name + ": out of order");
            continue;
        }
        const std::size_t before = problems.size();
        switch (groupOf(id)) {
        case Group::TrueColour:
            checkHeader(name, bytes, {200, 200, 24, 120000, 7087, 0, TrueColourSize}, problems);
            break;
        case Group::SharedPalette:
            checkHeader(name, bytes, {200, 200, 8, 0, 0, 256, IndexedSize}, problems);
            if (problems.size() == before && paletteBytes(bytes) != shared) {
                problems.push_back(name + ": palette is not the shared palette");
            }
            break;
        case Group::OwnPalette:
            checkHeader(name, bytes, {200, 200, 8, 40000, 7087, 0, IndexedSize}, problems);
            if (problems.size() == before && usesWholePalette(id) &&
                distinctIndices(bytes) != 256) {
                problems.push_back(name + ": uses " + std::to_string(distinctIndices(bytes)) +
                                   " palette entries, not 256");
            }
            break;
        }
    }
    const std::size_t before = problems.size();
    checkHeader("icon", icon, {32, 64, 4, 640, 0, 0, IconStoredSize}, problems);
    if (problems.size() == before) {
        Bytes standard;
        for (const Rgb c : standardIconPalette()) {
            standard.insert(standard.end(), {c.b, c.g, c.r, 0});
        }
        if (!std::equal(standard.begin(), standard.end(), icon.begin() + 40)) {
            problems.push_back("icon: palette is not the standard 16 colours");
        }
    }
    return problems;
}

} // namespace gachapoko::painter
