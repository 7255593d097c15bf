// Helpers for the face tests: loading through the lookup and counting colours.
#include "tests/faces/face_pictures.h"

#include "assets/picture_lookup.h"

#include <gtest/gtest.h>
#include <set>

namespace gachapoko::test {

QImage loadFace(std::int16_t id) {
    const std::optional<QImage> picture = loadPicture(id);
    if (!picture) {
        ADD_FAILURE() << "no picture " << id;
        return {};
    }
    EXPECT_EQ(picture->format(), QImage::Format_Indexed8) << id;
    EXPECT_EQ(picture->size(), QSize(200, 200)) << id;
    return *picture;
}

Rgb colourAt(const QImage& face, int x, int y) {
    const QRgb c = face.pixel(x, y);
    return {qRed(c), qGreen(c), qBlue(c)};
}

int distinctIndices(const QImage& face) {
    std::set<int> used;
    for (int y = 0; y < face.height(); ++y) {
        for (int x = 0; x < face.width(); ++x) {
            used.insert(face.pixelIndex(x, y));
        }
    }
    return static_cast<int>(used.size());
}

double shareOf(const QImage& face, Rgb colour, Area area) {
    int hits = 0;
    for (int y = area.top; y <= area.bottom; ++y) {
        for (int x = area.left; x <= area.right; ++x) {
            hits += colourAt(face, x, y) == colour ? 1 : 0;
        }
    }
    return static_cast<double>(hits) / area.pixels();
}

} // namespace gachapoko::test
