// The seeded generator behind the painted textures.
#include "assets/painter/random.h"

namespace gachapoko::painter {

std::uint64_t Random::next() {
    m_state += 0x9E3779B97F4A7C15ull;
    std::uint64_t z = m_state;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

double Random::unit() {
    return static_cast<double>(next() >> 11) / 9007199254740992.0; // 2^53
}

double Random::real(double low, double high) {
    return low + (high - low) * unit();
}

int Random::integer(int low, int high) {
    const auto span = static_cast<std::uint64_t>(static_cast<std::int64_t>(high) - low + 1);
    return low + static_cast<int>(next() % span);
}

} // namespace gachapoko::painter
