// Soft airbrushed painting: blurred sprays, grain, and the median-cut palette of each picture.
#include "assets/painter/faces/airbrush.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <map>
#include <stdexcept>

namespace gachapoko::painter::faces {

namespace {

std::vector<double> gaussianBlur(const std::vector<double>& values, double sigma) {
    const int radius = static_cast<int>(std::ceil(sigma * 3));
    std::vector<double> kernel(static_cast<std::size_t>(2 * radius + 1));
    double total = 0;
    for (int i = -radius; i <= radius; ++i) {
        kernel[static_cast<std::size_t>(i + radius)] = std::exp(-(i * i) / (2 * sigma * sigma));
        total += kernel[static_cast<std::size_t>(i + radius)];
    }
    for (double& k : kernel) {
        k /= total;
    }
    auto sample = [&](const std::vector<double>& v, int x, int y) {
        x = std::clamp(x, 0, PictureSize - 1);
        y = std::clamp(y, 0, PictureSize - 1);
        return v[static_cast<std::size_t>(y * PictureSize + x)];
    };
    std::vector<double> across(values.size()), out(values.size());
    for (int y = 0; y < PictureSize; ++y) {
        for (int x = 0; x < PictureSize; ++x) {
            double sum = 0;
            for (int i = -radius; i <= radius; ++i) {
                sum += kernel[static_cast<std::size_t>(i + radius)] * sample(values, x + i, y);
            }
            across[static_cast<std::size_t>(y * PictureSize + x)] = sum;
        }
    }
    for (int y = 0; y < PictureSize; ++y) {
        for (int x = 0; x < PictureSize; ++x) {
            double sum = 0;
            for (int i = -radius; i <= radius; ++i) {
                sum += kernel[static_cast<std::size_t>(i + radius)] * sample(across, x, y + i);
            }
            out[static_cast<std::size_t>(y * PictureSize + x)] = sum;
        }
    }
    return out;
}

using Key = std::uint32_t; // 0xRRGGBB

int channel(Key key, int axis) {
    return static_cast<int>(key >> (16 - 8 * axis) & 0xFF);
}

struct Box {
    std::vector<std::pair<Key, long>> colours; // distinct colours and how many pixels have each

    int range(int axis) const {
        int low = 255, high = 0;
        for (const auto& [key, count] : colours) {
            low = std::min(low, channel(key, axis));
            high = std::max(high, channel(key, axis));
        }
        return high - low;
    }
    int widestAxis() const {
        int best = 0;
        for (int axis = 1; axis < 3; ++axis) {
            if (range(axis) > range(best)) {
                best = axis;
            }
        }
        return best;
    }
};

} // namespace

void Airbrush::spray(const Mask& area, Colour colour, double softness, double strength) {
    std::vector<double> cover(m_pixels.size());
    for (int y = 0; y < PictureSize; ++y) {
        for (int x = 0; x < PictureSize; ++x) {
            cover[static_cast<std::size_t>(y * PictureSize + x)] = area.has(x, y) ? 1.0 : 0.0;
        }
    }
    cover = gaussianBlur(cover, softness);
    for (std::size_t i = 0; i < m_pixels.size(); ++i) {
        const double a = std::clamp(cover[i] * strength, 0.0, 1.0);
        Colour& p = m_pixels[i];
        p.r += a * (colour.r - p.r);
        p.g += a * (colour.g - p.g);
        p.b += a * (colour.b - p.b);
    }
}

void Airbrush::grain(Dice& dice, double amount) {
    for (Colour& p : m_pixels) {
        const double jitter = dice.between(-amount, amount);
        if (p.r + p.g + p.b > 12) {
            p.r = std::clamp(p.r + jitter, 0.0, 255.0);
            p.g = std::clamp(p.g + jitter, 0.0, 255.0);
            p.b = std::clamp(p.b + jitter, 0.0, 255.0);
        }
    }
}

IndexedPicture Airbrush::toIndexed(std::initializer_list<Colour> exact) const {
    auto keyOf = [](Colour c) {
        auto level = [](double v) {
            return static_cast<Key>(std::clamp(std::lround(v), 0L, 255L));
        };
        return level(c.r) << 16 | level(c.g) << 8 | level(c.b);
    };
    std::map<Key, long> counts;
    for (const Colour& p : m_pixels) {
        ++counts[keyOf(p)];
    }

    // Exact colours that occur keep their own entries at the front of the palette.
    std::map<Key, std::size_t> entryOf;
    IndexedPicture picture;
    std::size_t next = 0;
    for (const Colour& c : exact) {
        const Key key = keyOf(c);
        if (counts.count(key) != 0 && entryOf.count(key) == 0) {
            entryOf[key] = next;
            picture.palette[next++] = {static_cast<std::uint8_t>(channel(key, 0)),
                                       static_cast<std::uint8_t>(channel(key, 1)),
                                       static_cast<std::uint8_t>(channel(key, 2))};
        }
    }

    // Median cut over the other colours: always split the box whose spread weighs most, counting
    // how many pixels it holds, until there is one box per remaining entry. Weighing by pixels
    // gives the large grey areas finer steps than the few bright ones.
    std::vector<Box> boxes(1);
    for (const auto& [key, count] : counts) {
        if (entryOf.count(key) == 0) {
            boxes[0].colours.emplace_back(key, count);
        }
    }
    const std::size_t wanted = picture.palette.size() - next;
    if (boxes[0].colours.size() < wanted) {
        throw std::logic_error("too few colours to use every palette entry");
    }
    while (boxes.size() < wanted) {
        std::size_t pick = 0;
        double heaviest = -1;
        for (std::size_t i = 0; i < boxes.size(); ++i) {
            if (boxes[i].colours.size() < 2) {
                continue;
            }
            long pixels = 0;
            for (const auto& entry : boxes[i].colours) {
                pixels += entry.second;
            }
            const double weight =
                boxes[i].range(boxes[i].widestAxis()) * static_cast<double>(pixels);
            if (weight > heaviest) {
                heaviest = weight;
                pick = i;
            }
        }
        Box& box = boxes[pick];
        const int axis = box.widestAxis();
        std::sort(box.colours.begin(), box.colours.end(), [axis](const auto& a, const auto& b) {
            return channel(a.first, axis) != channel(b.first, axis)
                       ? channel(a.first, axis) < channel(b.first, axis)
                       : a.first < b.first;
        });
        long total = 0;
        for (const auto& entry : box.colours) {
            total += entry.second;
        }
        std::size_t cut = 0;
        for (long seen = 0;
             cut + 1 < box.colours.size() && seen + box.colours[cut].second <= total / 2;) {
            seen += box.colours[cut++].second;
        }
        cut = std::clamp<std::size_t>(cut, 1, box.colours.size() - 1);
        Box upper;
        upper.colours.assign(box.colours.begin() + static_cast<long>(cut), box.colours.end());
        box.colours.resize(cut);
        boxes.push_back(std::move(upper));
    }

    for (const Box& box : boxes) {
        std::array<double, 3> sum{};
        long total = 0;
        for (const auto& [key, count] : box.colours) {
            for (int axis = 0; axis < 3; ++axis) {
                sum[static_cast<std::size_t>(axis)] +=
                    static_cast<double>(channel(key, axis)) * count;
            }
            total += count;
            entryOf[key] = next;
        }
        auto mean = [&](int axis) {
            return static_cast<std::uint8_t>(
                std::lround(sum[static_cast<std::size_t>(axis)] / total));
        };
        picture.palette[next++] = {mean(0), mean(1), mean(2)};
    }

    for (int y = 0; y < PictureSize; ++y) {
        for (int x = 0; x < PictureSize; ++x) {
            picture.at(x, y) = static_cast<std::uint8_t>(entryOf.at(keyOf(at(x, y))));
        }
    }
    return picture;
}

} // namespace gachapoko::painter::faces
