#include "viewer/render/ActorRandom.h"

namespace tarn {

namespace {

// A bijective 32-bit mix (the finaliser of MurmurHash3): neighbouring inputs
// give unrelated outputs.
std::uint32_t Mix(std::uint32_t x)
{
    x ^= x >> 16;
    x *= 0x85ebca6bu;
    x ^= x >> 13;
    x *= 0xc2b2ae35u;
    x ^= x >> 16;
    return x;
}

}  // namespace

void TActorRandom::Seed(std::uint32_t seed) { state_ = Mix(seed); }

std::uint32_t TActorRandom::Advance()
{
    state_ = state_ * 134775813u + 1u;
    return state_;
}

int TActorRandom::Next(int range)
{
    const std::uint64_t value = Advance();
    if (range < 1)
        return 0;
    return static_cast<int>((value * static_cast<std::uint64_t>(range)) >> 32);
}

double TActorRandom::NextReal() { return Advance() / 4294967296.0; }

}  // namespace tarn
