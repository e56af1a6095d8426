// The rules draw every random number from the one process-wide generator, so a
// seed replays a whole game; "random modulo n" is always exactly one draw.
#pragma once

#include <cstdlib>

namespace NGame
{
inline int RandomModulo(int n)
{
    return n > 0 ? std::rand() % n : 0;
}
} // namespace NGame
