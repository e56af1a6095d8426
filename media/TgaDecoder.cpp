// TGA reader: the fixed 18-byte header, then BGR(A) rows turned into RGB(A).
#include "media/TgaDecoder.h"

#include <cstring>
#include <utility>

namespace
{
constexpr std::size_t kHeaderSize = 18;
constexpr unsigned char kExpectedStart[12] = {0, 0, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0};
} // namespace

bool DecodeTga(const unsigned char* data, std::size_t size, CImage& image)
{
    if (data == nullptr || size < kHeaderSize || std::memcmp(data, kExpectedStart, 12) != 0)
        return false;
    const std::uint32_t width = data[12] | (data[13] << 8);
    const std::uint32_t height = data[14] | (data[15] << 8);
    const unsigned depth = data[16];
    if (width == 0 || height == 0 || (depth != 24 && depth != 32))
        return false;

    const std::uint32_t components = depth / 8;
    const std::size_t bytes = static_cast<std::size_t>(width) * height * components;
    // A header that claims more pixels than the file holds is as faulty as a
    // wrong header.
    if (size - kHeaderSize < bytes)
        return false;

    image.m_width = width;
    image.m_height = height;
    image.m_components = components;
    image.m_pixels.assign(data + kHeaderSize, data + kHeaderSize + bytes);
    for (std::size_t i = 0; i < bytes; i += components)
        std::swap(image.m_pixels[i], image.m_pixels[i + 2]);
    return true;
}
