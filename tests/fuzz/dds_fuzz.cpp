// DDS decoding (with flipping) and the texture path from arbitrary bytes.
#include "media/DdsDecoder.h"
#include "media/Texture.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    CDdsImage image;
    DecodeDds(data, size, size & 1, image);
    CTexture texture;
    texture.LoadDds(data, size, true);
    return 0;
}
