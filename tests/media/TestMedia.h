// Small pictures, sounds and folders made by the media tests themselves.
#pragma once

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include <jpeglib.h>

#include "storage/TempFolder.h"

namespace NTestMedia
{
using Bytes = std::vector<unsigned char>;
struct Rgba
{
    unsigned char r, g, b, a;
};
using PixelFunction = std::function<Rgba(std::uint32_t x, std::uint32_t row)>;

using ::CTempFolder;

// Rows in stored order (row 0 first), pixels stored BGR(A) as the format wants.
inline Bytes MakeTga(std::uint32_t width, std::uint32_t height, int depth, const PixelFunction& pixel)
{
    Bytes bytes = {0, 0, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    bytes.push_back(width & 0xFF);
    bytes.push_back(width >> 8);
    bytes.push_back(height & 0xFF);
    bytes.push_back(height >> 8);
    bytes.push_back(static_cast<unsigned char>(depth));
    bytes.push_back(0);
    for (std::uint32_t row = 0; row < height; ++row)
        for (std::uint32_t x = 0; x < width; ++x)
        {
            const Rgba p = pixel(x, row);
            bytes.push_back(p.b);
            bytes.push_back(p.g);
            bytes.push_back(p.r);
            if (depth == 32)
                bytes.push_back(p.a);
        }
    return bytes;
}

// `pixel` is asked top row first, as a JPEG stores it; grey pictures use r.
inline Bytes MakeJpeg(std::uint32_t width, std::uint32_t height, int components, const PixelFunction& pixel)
{
    jpeg_compress_struct info;
    jpeg_error_mgr error;
    info.err = jpeg_std_error(&error);
    jpeg_create_compress(&info);
    unsigned char* out = nullptr;
    unsigned long outSize = 0;
    jpeg_mem_dest(&info, &out, &outSize);
    info.image_width = width;
    info.image_height = height;
    info.input_components = components;
    info.in_color_space = components == 3 ? JCS_RGB : JCS_GRAYSCALE;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 95, TRUE);
    jpeg_start_compress(&info, TRUE);
    Bytes row(static_cast<std::size_t>(width) * components);
    while (info.next_scanline < height)
    {
        for (std::uint32_t x = 0; x < width; ++x)
        {
            const Rgba p = pixel(x, info.next_scanline);
            row[x * components] = p.r;
            if (components == 3)
            {
                row[x * 3 + 1] = p.g;
                row[x * 3 + 2] = p.b;
            }
        }
        JSAMPROW rows[1] = {row.data()};
        jpeg_write_scanlines(&info, rows, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    Bytes bytes(out, out + outSize);
    std::free(out);
    return bytes;
}

inline void Put32(Bytes& bytes, std::size_t offset, std::uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        bytes[offset + i] = static_cast<unsigned char>(value >> (8 * i));
}

// A DDS header (offsets from the file start); surfaces are appended by the caller.
inline Bytes MakeDdsHeader(std::uint32_t width, std::uint32_t height, const char* fourCc,
                           std::uint32_t rgbBits = 0, std::uint32_t mipCount = 1)
{
    Bytes bytes(128, 0);
    std::copy_n("DDS ", 4, bytes.begin());
    Put32(bytes, 4, 124);
    Put32(bytes, 12, height);
    Put32(bytes, 16, width);
    Put32(bytes, 28, mipCount);
    Put32(bytes, 76, 32);
    if (fourCc)
    {
        Put32(bytes, 80, 0x4);
        for (int i = 0; i < 4; ++i)
            bytes[84 + i] = static_cast<unsigned char>(fourCc[i]);
    }
    else
    {
        Put32(bytes, 80, 0x40);
        Put32(bytes, 88, rgbBits);
    }
    return bytes;
}

// A mono 8-bit PCM WAV of `milliseconds` of silence.
inline Bytes MakeWav(int milliseconds)
{
    const std::uint32_t rate = 22050, samples = rate * milliseconds / 1000;
    Bytes bytes(44 + samples, 128);
    std::copy_n("RIFF....WAVEfmt ", 16, bytes.begin());
    Put32(bytes, 4, 36 + samples);
    Put32(bytes, 16, 16);
    Put32(bytes, 20, 1 | 1 << 16); // PCM, mono
    Put32(bytes, 24, rate);
    Put32(bytes, 28, rate);
    Put32(bytes, 32, 1 | 8 << 16); // one byte a sample, 8 bits
    std::copy_n("data", 4, bytes.begin() + 36);
    Put32(bytes, 40, samples);
    return bytes;
}
// A 256 x 20 font picture: two lines of glyphs, each opened by a 2-pixel lead
// run, glyph n `width(n)` pixels wide, glyphs one transparent column apart. The
// upper line (rows 12..17, stored last) holds the first `upperCount` glyphs.
constexpr std::uint32_t kFontWidth = 256;
constexpr std::uint32_t kFontHeight = 20;
inline Bytes MakeFontPicture(int glyphs, int upperCount, const std::function<int(int)>& width)
{
    std::vector<std::vector<bool>> ink(kFontHeight, std::vector<bool>(kFontWidth, false));
    const auto line = [&](std::uint32_t bottom, std::uint32_t top, int from, int to)
    {
        std::uint32_t x = 0;
        for (int n = from - 1; n < to; ++n)
        {
            const std::uint32_t run = n < from ? 2 : static_cast<std::uint32_t>(width(n));
            for (std::uint32_t c = x; c < x + run; ++c)
                for (std::uint32_t r = bottom; r <= top; ++r)
                    ink[r][c] = true;
            x += run + 1;
        }
    };
    line(12, 17, 0, std::min(glyphs, upperCount));
    if (glyphs > upperCount)
        line(3, 8, upperCount, glyphs);
    return MakeTga(kFontWidth, kFontHeight, 32,
                   [&](std::uint32_t x, std::uint32_t row) {
                       return Rgba{255, 255, 255, static_cast<unsigned char>(ink[row][x] ? 255 : 0)};
                   });
}
} // namespace NTestMedia
