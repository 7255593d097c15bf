// The painter's one source of randomness: a small seeded generator (splitmix64) that every
// picture with texture makes for itself from its own seed, so each build paints the same.
// Draw one number per statement: C++ leaves the order of the arguments of one call open, and
// compilers differ in it.
#pragma once

#include <cstdint>

namespace gachapoko::painter {

class Random {
public:
    explicit Random(std::uint64_t seed) : m_state(seed) {}

    std::uint64_t next();
    // A number from 0 up to, not including, 1, in steps of 2^-53.
    double unit();
    // A number from `low` up to, not including, `high`.
    double real(double low, double high);
    // A whole number from `low` to `high`, both included.
    int integer(int low, int high);

private:
    std::uint64_t m_state;
};

} // namespace gachapoko::painter
