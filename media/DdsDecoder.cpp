// DDS reader: header check, format table, surface extraction and vertical
// flipping, including the rows inside S3TC blocks.
#include "media/DdsDecoder.h"

#include <GL/gl.h>

#include <algorithm>
#include <cstring>

namespace
{
constexpr std::size_t kHeaderEnd = 4 + 124;

constexpr std::uint32_t kPixelFormatAlpha = 0x1;
constexpr std::uint32_t kPixelFormatFourCc = 0x4;
constexpr std::uint32_t kPixelFormatRgb = 0x40;
constexpr std::uint32_t kCapsCubeMap = 0x200;
constexpr std::uint32_t kCapsVolume = 0x200000;

// Sides beyond this are no texture any driver takes; refusing them keeps the
// size arithmetic far from overflow.
constexpr std::uint32_t kMaxSide = 65536;
constexpr std::uint32_t kMaxMipLevels = 32;

std::uint32_t Read32(const unsigned char* p)
{
    return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}

constexpr std::uint32_t FourCc(const char (&code)[5])
{
    return static_cast<std::uint32_t>(code[0]) | (static_cast<std::uint32_t>(code[1]) << 8) |
           (static_cast<std::uint32_t>(code[2]) << 16) | (static_cast<std::uint32_t>(code[3]) << 24);
}

std::uint32_t BlockSize(std::uint32_t format)
{
    return format == kGlCompressedDxt1 ? 8 : 16;
}

std::uint64_t SurfaceSize(const CDdsImage& image, std::uint32_t width, std::uint32_t height,
                          std::uint32_t depth)
{
    if (image.m_compressed)
        return static_cast<std::uint64_t>((width + 3) / 4) * ((height + 3) / 4) * BlockSize(image.m_format) *
               depth;
    return static_cast<std::uint64_t>(width) * height * image.m_components * depth;
}

void FlipPlainSurface(CDdsSurface& surface, std::uint32_t components)
{
    const std::size_t stride = static_cast<std::size_t>(surface.m_width) * components;
    const std::size_t slice = stride * surface.m_height;
    for (std::uint32_t z = 0; z < surface.m_depth; ++z)
    {
        unsigned char* base = surface.m_bytes.data() + slice * z;
        for (std::uint32_t top = 0, bottom = surface.m_height - 1; top < bottom; ++top, --bottom)
            std::swap_ranges(base + stride * top, base + stride * (top + 1), base + stride * bottom);
    }
}

// Reverses the first `rows` pixel rows of the 4x4 colour block (one index byte per row).
void FlipColourBlock(unsigned char* block, std::uint32_t rows)
{
    std::reverse(block + 4, block + 4 + rows);
}

// DXT3 alpha: four rows of 16 bits.
void FlipExplicitAlphaBlock(unsigned char* block, std::uint32_t rows)
{
    for (std::uint32_t top = 0, bottom = rows - 1; top < bottom; ++top, --bottom)
    {
        std::swap(block[top * 2], block[bottom * 2]);
        std::swap(block[top * 2 + 1], block[bottom * 2 + 1]);
    }
}

// DXT5 alpha: two end points, then 48 bits of 3-bit indices, 12 bits per row.
void FlipInterpolatedAlphaBlock(unsigned char* block, std::uint32_t rows)
{
    std::uint64_t bits = 0;
    for (int i = 0; i < 6; ++i)
        bits |= static_cast<std::uint64_t>(block[2 + i]) << (8 * i);
    std::uint64_t row[4];
    for (int r = 0; r < 4; ++r)
        row[r] = (bits >> (12 * r)) & 0xFFF;
    for (std::uint32_t top = 0, bottom = rows - 1; top < bottom; ++top, --bottom)
        std::swap(row[top], row[bottom]);
    bits = 0;
    for (int r = 0; r < 4; ++r)
        bits |= row[r] << (12 * r);
    for (int i = 0; i < 6; ++i)
        block[2 + i] = static_cast<unsigned char>(bits >> (8 * i));
}

bool ReadFormat(const unsigned char* header, CDdsImage& image)
{
    const std::uint32_t flags = Read32(header + 76);
    const std::uint32_t fourCc = Read32(header + 80);
    const std::uint32_t bits = Read32(header + 84);
    image.m_compressed = false;
    if (flags & kPixelFormatFourCc)
    {
        image.m_compressed = true;
        if (fourCc == FourCc("DXT1"))
        {
            image.m_format = kGlCompressedDxt1;
            image.m_components = 3;
        }
        else if (fourCc == FourCc("DXT3"))
        {
            image.m_format = kGlCompressedDxt3;
            image.m_components = 4;
        }
        else if (fourCc == FourCc("DXT5"))
        {
            image.m_format = kGlCompressedDxt5;
            image.m_components = 4;
        }
        else
            return false;
    }
    else if ((flags == (kPixelFormatRgb | kPixelFormatAlpha) || flags == kPixelFormatRgb) && bits == 32)
    {
        image.m_format = GL_BGRA;
        image.m_components = 4;
    }
    else if (flags == kPixelFormatRgb && bits == 24)
    {
        image.m_format = GL_BGR;
        image.m_components = 3;
    }
    else if (bits == 8)
    {
        image.m_format = GL_LUMINANCE;
        image.m_components = 1;
    }
    else
        return false;
    return true;
}
} // namespace

void FlipCompressedSurface(CDdsSurface& surface, std::uint32_t format)
{
    const std::uint32_t blockSize = BlockSize(format);
    const std::uint32_t blocksAcross = (surface.m_width + 3) / 4;
    const std::uint32_t blocksDown = (surface.m_height + 3) / 4;
    const std::size_t rowBytes = static_cast<std::size_t>(blocksAcross) * blockSize;
    const std::size_t slice = rowBytes * blocksDown;
    // A surface less than a block high only uses the block's first rows.
    const std::uint32_t rows = std::min<std::uint32_t>(surface.m_height, 4);
    for (std::uint32_t z = 0; z < surface.m_depth; ++z)
    {
        unsigned char* base = surface.m_bytes.data() + slice * z;
        for (std::uint32_t top = 0, bottom = blocksDown - 1; top < bottom; ++top, --bottom)
            std::swap_ranges(base + rowBytes * top, base + rowBytes * (top + 1), base + rowBytes * bottom);
        for (std::size_t offset = 0; offset < slice; offset += blockSize)
        {
            unsigned char* block = base + offset;
            if (format == kGlCompressedDxt1)
                FlipColourBlock(block, rows);
            else if (format == kGlCompressedDxt3)
            {
                FlipExplicitAlphaBlock(block, rows);
                FlipColourBlock(block + 8, rows);
            }
            else
            {
                FlipInterpolatedAlphaBlock(block, rows);
                FlipColourBlock(block + 8, rows);
            }
        }
    }
}

bool DecodeDds(const unsigned char* data, std::size_t size, bool flip, CDdsImage& image)
{
    if (data == nullptr || size < kHeaderEnd || std::memcmp(data, "DDS ", 4) != 0)
        return false;
    const unsigned char* header = data + 4;
    CDdsImage result;
    if (!ReadFormat(header, result))
        return false;

    const std::uint32_t height = Read32(header + 8);
    const std::uint32_t width = Read32(header + 12);
    const std::uint32_t headerDepth = Read32(header + 20);
    const std::uint32_t mipCount = Read32(header + 24);
    const std::uint32_t caps2 = Read32(header + 108);
    if (width == 0 || height == 0 || width > kMaxSide || height > kMaxSide || headerDepth > kMaxSide)
        return false;
    result.m_cube_map = (caps2 & kCapsCubeMap) != 0;
    result.m_volume = (caps2 & kCapsVolume) != 0 && headerDepth > 0;
    const std::uint32_t depth = result.m_volume ? headerDepth : 1;
    const std::uint32_t faces = result.m_cube_map ? 6 : 1;
    const std::uint32_t extraLevels = std::min(mipCount > 1 ? mipCount - 1 : 0, kMaxMipLevels);

    std::size_t position = kHeaderEnd;
    for (std::uint32_t face = 0; face < faces; ++face)
    {
        std::vector<CDdsSurface> levels;
        std::uint32_t w = width, h = height, d = depth;
        for (std::uint32_t level = 0; level <= extraLevels; ++level)
        {
            const std::uint64_t bytes = SurfaceSize(result, w, h, d);
            if (bytes > size - position)
                return false; // the header promises more than the file holds
            CDdsSurface surface;
            surface.m_width = w;
            surface.m_height = h;
            surface.m_depth = d;
            surface.m_bytes.assign(data + position, data + position + bytes);
            position += bytes;
            if (flip)
            {
                if (result.m_compressed)
                    FlipCompressedSurface(surface, result.m_format);
                else
                    FlipPlainSurface(surface, result.m_components);
            }
            levels.push_back(std::move(surface));
            w = std::max<std::uint32_t>(w / 2, 1);
            h = std::max<std::uint32_t>(h / 2, 1);
            d = std::max<std::uint32_t>(d / 2, 1);
        }
        result.m_faces.push_back(std::move(levels));
    }
    if (flip && result.m_cube_map)
        std::swap(result.m_faces[2], result.m_faces[3]);
    image = std::move(result);
    return true;
}
