// Uncompressed true-colour TGA pictures (24 or 32 bits), rows kept in stored order.
#pragma once

#include "media/Image.h"

#include <cstddef>

// Refuses anything but an uncompressed 24/32-bit picture without identifier or
// colour map, and any picture whose pixels do not fit the data. On success the
// pixels are RGB(A), `image` is replaced; on failure it is left alone.
bool DecodeTga(const unsigned char* data, std::size_t size, CImage& image);
