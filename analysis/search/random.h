#pragma once

#include <cstdint>

namespace playfair::analysis {

// A fast, splittable random number generator (SplitMix64).
class Random
{
public:
    explicit Random(std::uint64_t seed) : m_state(seed) {}
    std::uint64_t next()
    {
        std::uint64_t z = (m_state += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    // A number in 0..n-1.
    std::uint32_t below(std::uint32_t n) { return std::uint32_t(((next() >> 32) * n) >> 32); }

private:
    std::uint64_t m_state;
};

} // namespace playfair::analysis
