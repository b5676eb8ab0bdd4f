#include "viewer/render/ActorRandom.h"

namespace tarn {

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
