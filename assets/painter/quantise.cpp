// Median-cut quantisation for the airbrushed 8-bit pictures.
#include "assets/painter/quantise.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <vector>

namespace gachapoko::painter {

namespace {

int channel(Rgb c, int which) {
    return which == 0 ? c.r : which == 1 ? c.g : c.b;
}

std::uint32_t key(Rgb c) {
    return static_cast<std::uint32_t>(c.r) << 16 | static_cast<std::uint32_t>(c.g) << 8 | c.b;
}

Rgb colourOf(std::uint32_t key) {
    return {static_cast<std::uint8_t>(key >> 16), static_cast<std::uint8_t>(key >> 8 & 0xFF),
            static_cast<std::uint8_t>(key & 0xFF)};
}

// A box of distinct colours with their pixel counts.
struct Box {
    std::vector<std::pair<Rgb, int>> colours;

    int range(int which) const {
        int lo = 255, hi = 0;
        for (const auto& [c, n] : colours) {
            lo = std::min(lo, channel(c, which));
            hi = std::max(hi, channel(c, which));
        }
        return hi - lo;
    }
    int widestChannel() const {
        int best = 0;
        for (int which = 1; which < 3; ++which) {
            if (range(which) > range(best)) {
                best = which;
            }
        }
        return best;
    }
    long long pixels() const {
        long long sum = 0;
        for (const auto& [c, n] : colours) {
            sum += n;
        }
        return sum;
    }
    Rgb mean() const {
        long long r = 0, g = 0, b = 0, total = 0;
        for (const auto& [c, n] : colours) {
            r += static_cast<long long>(c.r) * n;
            g += static_cast<long long>(c.g) * n;
            b += static_cast<long long>(c.b) * n;
            total += n;
        }
        const auto avg = [total](long long v) {
            return static_cast<std::uint8_t>((v + total / 2) / total);
        };
        return {avg(r), avg(g), avg(b)};
    }
};

// Splits boxes until there are `count` of them or no box holds two colours. A split falls
// where the widest channel changes value, so the boxes' means stay distinct.
std::vector<Box> medianCut(std::vector<std::pair<Rgb, int>> colours, int count) {
    std::vector<Box> boxes;
    if (colours.empty() || count <= 0) {
        return boxes;
    }
    boxes.push_back({std::move(colours)});
    while (static_cast<int>(boxes.size()) < count) {
        // Split the box with most pixels times spread; ties go to the earlier box.
        long long bestScore = 0;
        std::size_t best = boxes.size();
        for (std::size_t i = 0; i < boxes.size(); ++i) {
            if (boxes[i].colours.size() < 2) {
                continue;
            }
            const Box& b = boxes[i];
            const long long score = b.pixels() * (b.range(b.widestChannel()) + 1);
            if (best == boxes.size() || score > bestScore) {
                bestScore = score;
                best = i;
            }
        }
        if (best == boxes.size()) {
            break;
        }
        Box& box = boxes[best];
        const int which = box.widestChannel();
        std::sort(box.colours.begin(), box.colours.end(), [which](const auto& a, const auto& b) {
            const int ca = channel(a.first, which), cb = channel(b.first, which);
            return ca != cb ? ca < cb : key(a.first) < key(b.first);
        });
        const long long half = box.pixels() / 2;
        long long seen = 0;
        std::size_t cut = 0;
        for (; cut < box.colours.size() && seen + box.colours[cut].second <= half; ++cut) {
            seen += box.colours[cut].second;
        }
        // Move the cut to a change of value in the channel, never to an end.
        const auto valueAt = [&](std::size_t i) { return channel(box.colours[i].first, which); };
        cut = std::clamp<std::size_t>(cut, 1, box.colours.size() - 1);
        std::size_t up = cut;
        while (up < box.colours.size() && valueAt(up) == valueAt(up - 1)) {
            ++up;
        }
        std::size_t down = cut;
        while (down > 0 && valueAt(down) == valueAt(down - 1)) {
            --down;
        }
        if (up < box.colours.size() && (down == 0 || up - cut <= cut - down)) {
            cut = up;
        } else if (down > 0) {
            cut = down;
        } else {
            cut = up; // cannot happen: the widest channel of a two-colour box has two values
        }
        Box upper{{box.colours.begin() + static_cast<std::ptrdiff_t>(cut), box.colours.end()}};
        box.colours.resize(cut);
        boxes.push_back(std::move(upper));
    }
    return boxes;
}

bool isGrey(Rgb c, int tolerance) {
    const int hi = std::max({c.r, c.g, c.b});
    const int lo = std::min({c.r, c.g, c.b});
    return hi - lo <= tolerance;
}

int brightness(Rgb c) {
    return 299 * c.r + 587 * c.g + 114 * c.b;
}

} // namespace

IndexedPicture quantise(const RgbPicture& picture, const PaletteBudget& budget) {
    // The exact colours that occur, in the order given, each once.
    std::vector<std::uint32_t> keys;
    keys.reserve(picture.pixels.size());
    for (const Rgb c : picture.pixels) {
        keys.push_back(key(c));
    }
    std::sort(keys.begin(), keys.end());
    std::vector<std::uint32_t> exact;
    for (const Rgb c : budget.exact) {
        if (std::binary_search(keys.begin(), keys.end(), key(c)) &&
            std::find(exact.begin(), exact.end(), key(c)) == exact.end()) {
            exact.push_back(key(c));
        }
    }

    std::vector<std::pair<Rgb, int>> greys, colours;
    for (std::size_t i = 0; i < keys.size();) {
        std::size_t j = i;
        while (j < keys.size() && keys[j] == keys[i]) {
            ++j;
        }
        if (std::find(exact.begin(), exact.end(), keys[i]) == exact.end()) {
            const Rgb c = colourOf(keys[i]);
            (isGrey(c, budget.greyTolerance) ? greys : colours)
                .push_back({c, static_cast<int>(j - i)});
        }
        i = j;
    }
    const int remaining = 256 - static_cast<int>(exact.size());
    int colourBudget = std::min<int>(budget.colourEntries, static_cast<int>(colours.size()));
    const int greyBudget = std::min<int>(remaining - colourBudget, static_cast<int>(greys.size()));
    colourBudget = std::min<int>(remaining - greyBudget, static_cast<int>(colours.size()));

    std::vector<Box> boxes;
    for (const std::uint32_t k : exact) {
        boxes.push_back({{{colourOf(k), 1}}});
    }
    std::vector<Box> greyBoxes = medianCut(std::move(greys), greyBudget);
    // Dark to light; ties go by the mean's value and then keep their order, so that no standard
    // library's sorting algorithm can order them otherwise.
    std::stable_sort(greyBoxes.begin(), greyBoxes.end(), [](const Box& a, const Box& b) {
        const Rgb ma = a.mean(), mb = b.mean();
        return brightness(ma) != brightness(mb) ? brightness(ma) < brightness(mb)
                                                : key(ma) < key(mb);
    });
    for (auto& b : greyBoxes) {
        boxes.push_back(std::move(b));
    }
    for (auto& b : medianCut(std::move(colours), colourBudget)) {
        boxes.push_back(std::move(b));
    }

    IndexedPicture result;
    std::vector<std::pair<std::uint32_t, std::uint8_t>> lookup;
    for (std::size_t i = 0; i < boxes.size() && i < 256; ++i) {
        result.palette[i] = boxes[i].mean();
        for (const auto& [c, n] : boxes[i].colours) {
            lookup.push_back({key(c), static_cast<std::uint8_t>(i)});
        }
    }
    std::sort(lookup.begin(), lookup.end());
    for (std::size_t p = 0; p < picture.pixels.size(); ++p) {
        const auto it =
            std::lower_bound(lookup.begin(), lookup.end(),
                             std::pair<std::uint32_t, std::uint8_t>{key(picture.pixels[p]), 0});
        result.indices[p] = it->second;
    }
    return result;
}

} // namespace gachapoko::painter
