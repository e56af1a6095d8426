// Mip levels of decoded pictures, made on the CPU.
#include "media/Image.h"

#include <algorithm>

namespace
{
// The plain mean of each two by two of a row pair, N bytes a pixel; the
// pairs lie whole in the row (the loop the compiler can widen).
template <std::uint32_t N>
void MeanOfPairs(const unsigned char* upper, const unsigned char* lower, std::uint32_t pairs,
                 unsigned char* out)
{
    for (std::uint32_t x = 0; x < pairs; ++x)
        for (std::uint32_t k = 0; k < N; ++k)
        {
            const std::uint32_t at = 2 * N * x + k;
            out[N * x + k] =
                static_cast<unsigned char>((upper[at] + upper[at + N] + lower[at] + lower[at + N] + 2) >> 2);
        }
}

void MeanOfPairs(std::uint32_t n, const unsigned char* upper, const unsigned char* lower, std::uint32_t pairs,
                 unsigned char* out)
{
    if (n == 3)
        MeanOfPairs<3>(upper, lower, pairs, out);
    else if (n == 4)
        MeanOfPairs<4>(upper, lower, pairs, out);
    else
        for (std::uint32_t x = 0; x < pairs; ++x)
            for (std::uint32_t k = 0; k < n; ++k)
            {
                const std::uint32_t at = 2 * n * x + k;
                out[n * x + k] = static_cast<unsigned char>(
                    (upper[at] + upper[at + n] + lower[at] + lower[at + n] + 2) >> 2);
            }
}
} // namespace

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
    for (std::uint32_t y = 0; y < half.m_height; ++y)
    {
        const unsigned char* upper = image.m_pixels.data() + std::min(2 * y, image.m_height - 1) * stride;
        const unsigned char* lower = image.m_pixels.data() + std::min(2 * y + 1, image.m_height - 1) * stride;
        unsigned char* out = half.m_pixels.data() + static_cast<std::size_t>(y) * half.m_width * n;
        if (image.m_width == 1)
            for (std::uint32_t k = 0; k < n; ++k)
                out[k] = static_cast<unsigned char>((2 * upper[k] + 2 * lower[k] + 2) >> 2);
        else
            MeanOfPairs(n, upper, lower, image.m_width / 2, out);
        if (n != 4)
            continue;
        // Where the four are not equally opaque, colour is weighted by alpha.
        for (std::uint32_t x = 0; x < half.m_width; ++x)
        {
            const std::size_t left = static_cast<std::size_t>(std::min(2 * x, image.m_width - 1)) * 4;
            const std::size_t right = static_cast<std::size_t>(std::min(2 * x + 1, image.m_width - 1)) * 4;
            const unsigned char* a = upper + left;
            const unsigned char* b = upper + right;
            const unsigned char* c = lower + left;
            const unsigned char* d = lower + right;
            if (a[3] == b[3] && a[3] == c[3] && a[3] == d[3])
                continue;
            const std::uint32_t weight = a[3] + b[3] + c[3] + d[3];
            for (std::uint32_t k = 0; k < 3; ++k)
                out[4 * x + k] = static_cast<unsigned char>(
                    (a[k] * a[3] + b[k] * b[3] + c[k] * c[3] + d[k] * d[3] + weight / 2) / weight);
        }
    }
    return half;
}
