// JPEG decoding from arbitrary bytes, alone and as a colour + alpha pair.
#include "media/Image.h"
#include "media/JpegDecoder.h"
#include "media/Texture.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    CImage image;
    DecodeJpeg(data, size, image);
    CTexture texture;
    texture.LoadJpeg(data, size, false, true);
    const std::size_t half = size / 2;
    texture.LoadJpegPair(data, half, data + half, size - half, false, false);
    return 0;
}
