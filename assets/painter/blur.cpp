// Gaussian blur, one pass along the rows and one down the columns.
#include "assets/painter/blur.h"

#include "assets/painter/maths.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

namespace gachapoko::painter {

namespace {

// The weights of the kernel from -radius to radius, summing to 1; it reaches three deviations.
std::vector<double> kernelFor(double deviation) {
    const int radius = static_cast<int>(std::ceil(deviation * 3));
    std::vector<double> kernel(static_cast<std::size_t>(2 * radius + 1));
    double total = 0;
    for (int i = -radius; i <= radius; ++i) {
        const double weight = exponential(-(i * i) / (2 * deviation * deviation));
        kernel[static_cast<std::size_t>(i + radius)] = weight;
        total += weight;
    }
    for (double& k : kernel) {
        k /= total;
    }
    return kernel;
}

// Blurs a 200x200 grid of values in place.
void blurGrid(std::vector<double>& values, const std::vector<double>& kernel) {
    const int radius = static_cast<int>(kernel.size() / 2);
    const auto pass = [&](const std::vector<double>& from, std::vector<double>& to, int dx,
                          int dy) {
        for (int y = 0; y < PictureSize; ++y) {
            for (int x = 0; x < PictureSize; ++x) {
                double sum = 0;
                for (int i = -radius; i <= radius; ++i) {
                    const int sx = std::clamp(x + i * dx, 0, PictureSize - 1);
                    const int sy = std::clamp(y + i * dy, 0, PictureSize - 1);
                    sum += kernel[static_cast<std::size_t>(i + radius)] *
                           from[static_cast<std::size_t>(sy * PictureSize + sx)];
                }
                to[static_cast<std::size_t>(y * PictureSize + x)] = sum;
            }
        }
    };
    std::vector<double> across(values.size());
    pass(values, across, 1, 0);
    pass(across, values, 0, 1);
}

} // namespace

void blur(Mask& mask, double deviation) {
    if (deviation <= 0) {
        return;
    }
    std::vector<double> values(static_cast<std::size_t>(PictureSize * PictureSize));
    for (int y = 0; y < PictureSize; ++y) {
        for (int x = 0; x < PictureSize; ++x) {
            values[static_cast<std::size_t>(y * PictureSize + x)] = mask.at(x, y);
        }
    }
    blurGrid(values, kernelFor(deviation));
    for (int y = 0; y < PictureSize; ++y) {
        for (int x = 0; x < PictureSize; ++x) {
            mask.set(x, y, values[static_cast<std::size_t>(y * PictureSize + x)]);
        }
    }
}

void blur(Layer& layer, double deviation) {
    if (deviation <= 0) {
        return;
    }
    const std::vector<double> kernel = kernelFor(deviation);
    std::array<std::vector<double>, 3> channels;
    for (auto& channel : channels) {
        channel.resize(static_cast<std::size_t>(PictureSize * PictureSize));
    }
    for (int y = 0; y < PictureSize; ++y) {
        for (int x = 0; x < PictureSize; ++x) {
            const auto i = static_cast<std::size_t>(y * PictureSize + x);
            const Colour c = layer.at(x, y);
            channels[0][i] = c.r;
            channels[1][i] = c.g;
            channels[2][i] = c.b;
        }
    }
    for (auto& channel : channels) {
        blurGrid(channel, kernel);
    }
    for (int y = 0; y < PictureSize; ++y) {
        for (int x = 0; x < PictureSize; ++x) {
            const auto i = static_cast<std::size_t>(y * PictureSize + x);
            layer.set(x, y, {channels[0][i], channels[1][i], channels[2][i]});
        }
    }
}

} // namespace gachapoko::painter
