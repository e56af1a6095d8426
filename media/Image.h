// A decoded picture in memory: rows in upload order, tightly packed bytes.
#pragma once

#include <cstdint>
#include <vector>

struct CImage
{
    std::uint32_t m_width = 0;
    std::uint32_t m_height = 0;
    // Bytes per pixel: 1 (grey), 3 (RGB) or 4 (RGBA).
    std::uint32_t m_components = 0;
    std::vector<unsigned char> m_pixels;

    const unsigned char* Pixel(std::uint32_t column, std::uint32_t row) const
    {
        return m_pixels.data() + (static_cast<std::size_t>(row) * m_width + column) * m_components;
    }
};

// The next mip level: half the size (at least one pixel), each pixel the mean
// of the two by two it covers (clamped at an odd edge). Colour is weighted by
// alpha, so that see-through pixels' colour does not bleed into edges.
CImage HalfSize(const CImage& image);
