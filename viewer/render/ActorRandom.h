#pragma once

#include <cstdint>

namespace tarn {

// The random sequence actors are placed with: a 32-bit linear congruential
// generator that can be seeded from an integer, so every square can start
// its own repeatable sequence from its index.
class TActorRandom {
public:
    void Seed(std::uint32_t seed) { state_ = seed; }
    // An integer 0..range-1 (0 when range < 1).
    int Next(int range);
    // A real in 0..1 (1 excluded).
    double NextReal();

private:
    std::uint32_t Advance();
    std::uint32_t state_ = 0;
};

}  // namespace tarn
