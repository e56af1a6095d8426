// Mip levels of decoded pictures, made on the CPU.
#include "media/Image.h"

#include <algorithm>

CImage HalfSize(const CImage& image)
{
    CImage half;
    half.m_width = std::max(1u, image.m_width / 2);
    half.m_height = std::max(1u, image.m_height / 2);
    half.m_components = image.m_components;
    const std::uint32_t n = image.m_components;
    half.m_pixels.resize(static_cast<std::size_t>(half.m_width) * half.m_height * n);
    if (image.m_pixels.empty() || n == 0)
        return half;
    const std::size_t stride = static_cast<std::size_t>(image.m_width) * n;
    unsigned char* out = half.m_pixels.data();
    for (std::uint32_t y = 0; y < half.m_height; ++y)
    {
        const unsigned char* upper = image.m_pixels.data() + std::min(2 * y, image.m_height - 1) * stride;
        const unsigned char* lower = image.m_pixels.data() + std::min(2 * y + 1, image.m_height - 1) * stride;
        for (std::uint32_t x = 0; x < half.m_width; ++x, out += n)
        {
            const std::size_t left = static_cast<std::size_t>(std::min(2 * x, image.m_width - 1)) * n;
            const std::size_t right = static_cast<std::size_t>(std::min(2 * x + 1, image.m_width - 1)) * n;
            const unsigned char* a = upper + left;
            const unsigned char* b = upper + right;
            const unsigned char* c = lower + left;
            const unsigned char* d = lower + right;
            // Mostly all four are equally opaque (or see-through): a plain mean.
            if (n != 4 || (a[3] == b[3] && a[3] == c[3] && a[3] == d[3]))
            {
                for (std::uint32_t k = 0; k < n; ++k)
                    out[k] = static_cast<unsigned char>((a[k] + b[k] + c[k] + d[k] + 2) >> 2);
                continue;
            }
            const std::uint32_t weight = a[3] + b[3] + c[3] + d[3];
            for (std::uint32_t k = 0; k < 3; ++k)
                out[k] = static_cast<unsigned char>(
                    (a[k] * a[3] + b[k] * b[3] + c[k] * c[3] + d[k] * d[3] + weight / 2) / weight);
            out[3] = static_cast<unsigned char>((weight + 2) >> 2);
        }
    }
    return half;
}
