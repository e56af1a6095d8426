// DirectDraw Surface pictures: S3TC-compressed or plain, with their stored
// mip levels, flat, cube map or volume.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

struct CDdsSurface
{
    std::uint32_t m_width = 0;
    std::uint32_t m_height = 0;
    std::uint32_t m_depth = 1;
    std::vector<unsigned char> m_bytes;
};

struct CDdsImage
{
    // GL pixel format: one of the S3TC formats, BGRA, BGR or LUMINANCE.
    std::uint32_t m_format = 0;
    std::uint32_t m_components = 0;
    bool m_compressed = false;
    bool m_cube_map = false;
    bool m_volume = false;
    // One entry per face (6 for a cube map), each the top surface and then the
    // stored mip levels.
    std::vector<std::vector<CDdsSurface>> m_faces;

    std::uint32_t Width() const { return m_faces.empty() ? 0 : m_faces[0][0].m_width; }
    std::uint32_t Height() const { return m_faces.empty() ? 0 : m_faces[0][0].m_height; }
};

constexpr std::uint32_t kGlCompressedDxt1 = 0x83F1;
constexpr std::uint32_t kGlCompressedDxt3 = 0x83F2;
constexpr std::uint32_t kGlCompressedDxt5 = 0x83F3;

// With `flip`, every surface is turned upside down (compressed ones block by
// block) and cube faces 2 and 3 change places. Refuses unknown formats and
// files too short for the surfaces their header announces.
bool DecodeDds(const unsigned char* data, std::size_t size, bool flip, CDdsImage& image);

// Turns one compressed surface upside down in place; exposed for its tests.
void FlipCompressedSurface(CDdsSurface& surface, std::uint32_t format);
