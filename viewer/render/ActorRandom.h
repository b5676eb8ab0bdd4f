#pragma once

#include <cstdint>

namespace tarn {

// The random sequence actors are placed with: a 32-bit linear congruential
// generator that can be seeded from an integer, so every square can start
// its own repeatable sequence from its index. The seed is hashed first:
// sequences of consecutive seeds would otherwise start in lockstep, and
// their first draws would rise with the index (stripes across the map).
class TActorRandom {
public:
    void Seed(std::uint32_t seed);
    // An integer 0..range-1 (0 when range < 1).
    int Next(int range);
    // A real in 0..1 (1 excluded).
    double NextReal();

private:
    std::uint32_t Advance();
    std::uint32_t state_ = 0;
};

}  // namespace tarn
