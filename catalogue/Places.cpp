// The check on a place read from a layout file.
#include "catalogue/Places.h"

#include <cmath>

namespace NPlaces
{
float Checked(float read, float builtIn, bool size)
{
    // Far beyond the 800 x 600 screen a place only hides what it places;
    // a text of size 0 or below, or a picture scaled to nothing, is gone.
    constexpr float kReach = 10000.0f;
    if (!std::isfinite(read) || std::fabs(read) > kReach || (size && read <= 0.0f))
        return builtIn;
    return read;
}
} // namespace NPlaces
