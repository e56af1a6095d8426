// TGA decoding and the texture upload path from arbitrary bytes.
#include "media/Image.h"
#include "media/Texture.h"
#include "media/TgaDecoder.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    CImage image;
    if (DecodeTga(data, size, image) && image.m_pixels.size() != static_cast<std::size_t>(image.m_width) *
                                                                     image.m_height * image.m_components)
        __builtin_trap();
    CTexture texture;
    texture.LoadTga(data, size, size & 1, size & 2);
    return 0;
}
