// The tests' picture helpers: the stored bytes the program carries and their header fields, the
// colours and areas of decoded pictures, and how a window or an icon fails to show the built-in
// picture or icon as painted.
#pragma once

#include "assets/stored_form.h"

#include <QImage>
#include <cstdint>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

namespace gachapoko::test {

using Bytes = std::vector<std::uint8_t>;

// The stored bytes of picture `id` (empty for an id that names none) and of the icon.
Bytes storedPicture(std::int16_t id);
Bytes storedIcon();

// Writes a little-endian field of `width` bytes (4 or 2) of the information header (at
// headerAt::...), to damage stored data.
void setField(Bytes& bytes, std::size_t at, std::uint32_t value, std::size_t width = 4);

struct Colour {
    int r = 0, g = 0, b = 0;
    friend bool operator==(Colour, Colour) = default;
};

Colour colourAt(const QImage& image, int x, int y);
// The largest difference between two colours' channels.
int distance(Colour a, Colour b);
// Whether the channels lie within `tolerance` of one another.
bool isGrey(Colour c, int tolerance = 12);
// A test for count(): the colour within `tolerance` of `want`.
inline auto near(Colour want, int tolerance) {
    return [want, tolerance](Colour c) { return distance(c, want) <= tolerance; };
}

// An area of a picture, its edges included; the whole picture unless given.
struct Rect {
    int left = 0, top = 0, right = 199, bottom = 199;
    int area() const { return (right - left + 1) * (bottom - top + 1); }
    bool contains(int x, int y) const { return x >= left && x <= right && y >= top && y <= bottom; }
};

// How many pixels of the area pass `test`: a test of their Colour, or of their QRgb with its
// alpha.
template <typename Test>
int count(const QImage& image, Rect r, Test test) {
    int hits = 0;
    for (int y = r.top; y <= r.bottom; ++y) {
        for (int x = r.left; x <= r.right; ++x) {
            if constexpr (std::is_invocable_v<Test, QRgb>) {
                hits += test(image.pixel(x, y)) ? 1 : 0;
            } else {
                hits += test(colourAt(image, x, y)) ? 1 : 0;
            }
        }
    }
    return hits;
}
// Their share of the area, 0 to 1.
template <typename Test>
double share(const QImage& image, Rect r, Test test) {
    return static_cast<double>(count(image, r, test)) / r.area();
}

// How a grab of the game's window fails to show the 200x200 `picture` as painted, or an empty
// string when it shows it: the picture lies unscaled inside the picture area's 2-pixel border,
// its last column under the border's far side.
std::string pictureOnScreenDifference(const QImage& grab, const QImage& picture);

// The first and last columns where `shown` differs from `blank` (the same widget before its
// text was set): where the text put ink. First past last where nothing differs.
std::pair<int, int> inkColumns(const QImage& blank, const QImage& shown);

// How `image` fails to be the built-in icon with every pixel a factor-by-factor block (a 32x32
// icon for factor 1), or an empty string when it is; a see-through pixel matches whatever colour
// it carries.
std::string iconDifference(const QImage& image, int factor);

} // namespace gachapoko::test
