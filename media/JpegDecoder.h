// JPEG pictures through libjpeg, decoded from memory.
#pragma once

#include "media/Image.h"

#include <cstddef>

// The file's own colour space (3 components for colour, 1 for grey). Rows are
// stored bottom row first, so the top of the picture lies at t = 1. A broken or
// truncated file fails (image untouched) instead of ending the program.
bool DecodeJpeg(const unsigned char* data, std::size_t size, CImage& image);
