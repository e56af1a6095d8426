// Picture storage, compositing and the TGA/JPEG/PNG encoders of the generator.
#include "tools/datagen/Image.h"

#include <algorithm>
#include <cmath>
#include <csetjmp>
#include <cstdio>
#include <jpeglib.h>
#include <png.h>

namespace NDatagen
{
SColour Mix(const SColour& a, const SColour& b, float t)
{
    return SColour{a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t,
                   a.a + (b.a - a.a) * t};
}

SColour Shade(const SColour& c, float factor)
{
    if (factor >= 1.0f)
    {
        const float t = std::min(1.0f, factor - 1.0f);
        return SColour{c.r + (1 - c.r) * t, c.g + (1 - c.g) * t, c.b + (1 - c.b) * t, c.a};
    }
    return SColour{c.r * factor, c.g * factor, c.b * factor, c.a};
}

SColour WithAlpha(const SColour& c, float a)
{
    return SColour{c.r, c.g, c.b, a};
}

namespace
{
thread_local int t_paintScale = 1;
}

int PaintScale()
{
    return t_paintScale;
}

CPaintScale::CPaintScale(int scale) : m_previous(t_paintScale)
{
    t_paintScale = scale;
}

CPaintScale::~CPaintScale()
{
    t_paintScale = m_previous;
}

CImage::CImage(int width, int height, SColour fill)
    : m_width(width), m_height(height), m_scale(t_paintScale),
      m_pixels(static_cast<size_t>(width) * height * m_scale * m_scale, fill)
{
}

void CImage::Blend(int x, int y, const SColour& c, float coverage)
{
    if (x < 0 || y < 0 || x >= PixelWidth() || y >= PixelHeight() || coverage <= 0.0f)
        return;
    SColour& d = At(x, y);
    const float sa = c.a * std::min(coverage, 1.0f);
    const float oa = sa + d.a * (1.0f - sa);
    if (oa <= 1e-6f)
    {
        d = SColour{};
        return;
    }
    const float dw = d.a * (1.0f - sa);
    d.r = (c.r * sa + d.r * dw) / oa;
    d.g = (c.g * sa + d.g * dw) / oa;
    d.b = (c.b * sa + d.b * dw) / oa;
    d.a = oa;
}

void CImage::Paste(const CImage& src, int x, int y, float opacity)
{
    x *= m_scale;
    y *= m_scale;
    for (int sy = 0; sy < src.PixelHeight(); ++sy)
        for (int sx = 0; sx < src.PixelWidth(); ++sx)
            Blend(x + sx, y + sy, src.At(sx, sy), opacity);
}

void CImage::Copy(const CImage& src, int x, int y)
{
    x *= m_scale;
    y *= m_scale;
    for (int sy = 0; sy < src.PixelHeight(); ++sy)
        for (int sx = 0; sx < src.PixelWidth(); ++sx)
        {
            const int dx = x + sx, dy = y + sy;
            if (dx >= 0 && dy >= 0 && dx < PixelWidth() && dy < PixelHeight())
                At(dx, dy) = src.At(sx, sy);
        }
}

CImage CImage::Crop(int x, int y, int w, int h) const
{
    const CPaintScale same(m_scale);
    CImage out(w, h);
    x *= m_scale;
    y *= m_scale;
    for (int yy = 0; yy < out.PixelHeight(); ++yy)
        for (int xx = 0; xx < out.PixelWidth(); ++xx)
        {
            const int sx = x + xx, sy = y + yy;
            if (sx >= 0 && sy >= 0 && sx < PixelWidth() && sy < PixelHeight())
                out.At(xx, yy) = At(sx, sy);
        }
    return out;
}

CImage CImage::Resized(int w, int h) const
{
    const CPaintScale same(m_scale);
    CImage out(w, h);
    const float fx = static_cast<float>(m_width) / w;
    const float fy = static_cast<float>(m_height) / h;
    for (int y = 0; y < out.PixelHeight(); ++y)
        for (int x = 0; x < out.PixelWidth(); ++x)
        {
            // Average premultiplied colour over the source footprint so that
            // transparent pixels do not darken the edges.
            const int x0 = static_cast<int>(x * fx), x1 = std::max(x0 + 1, static_cast<int>((x + 1) * fx));
            const int y0 = static_cast<int>(y * fy), y1 = std::max(y0 + 1, static_cast<int>((y + 1) * fy));
            float r = 0, g = 0, b = 0, a = 0;
            int n = 0;
            for (int sy = y0; sy < y1 && sy < PixelHeight(); ++sy)
                for (int sx = x0; sx < x1 && sx < PixelWidth(); ++sx)
                {
                    const SColour& c = At(sx, sy);
                    r += c.r * c.a;
                    g += c.g * c.a;
                    b += c.b * c.a;
                    a += c.a;
                    ++n;
                }
            if (n == 0 || a <= 0)
                continue;
            out.At(x, y) = SColour{r / a, g / a, b / a, a / n};
        }
    return out;
}

void CImage::Clear(SColour c)
{
    std::fill(m_pixels.begin(), m_pixels.end(), c);
}

static uint8_t ToByte(float v)
{
    return static_cast<uint8_t>(std::lround(std::clamp(v, 0.0f, 1.0f) * 255.0f));
}

std::vector<uint8_t> CImage::ToRgba8() const
{
    std::vector<uint8_t> out;
    out.reserve(m_pixels.size() * 4);
    for (const SColour& c : m_pixels)
    {
        out.push_back(ToByte(c.r));
        out.push_back(ToByte(c.g));
        out.push_back(ToByte(c.b));
        out.push_back(ToByte(c.a));
    }
    return out;
}

std::vector<uint8_t> EncodeTga(const CImage& img, bool alpha)
{
    const int bpp = alpha ? 4 : 3;
    std::vector<uint8_t> out(18, 0);
    out[2] = 2;
    const int width = img.PixelWidth(), height = img.PixelHeight();
    out[12] = static_cast<uint8_t>(width & 0xff);
    out[13] = static_cast<uint8_t>(width >> 8);
    out[14] = static_cast<uint8_t>(height & 0xff);
    out[15] = static_cast<uint8_t>(height >> 8);
    out[16] = static_cast<uint8_t>(bpp * 8);
    out[17] = alpha ? 8 : 0; // alpha bits; origin bottom-left
    out.reserve(18 + static_cast<size_t>(width) * height * bpp);
    for (int y = height - 1; y >= 0; --y)
        for (int x = 0; x < width; ++x)
        {
            const SColour& c = img.At(x, y);
            out.push_back(ToByte(c.b));
            out.push_back(ToByte(c.g));
            out.push_back(ToByte(c.r));
            if (alpha)
                out.push_back(ToByte(c.a));
        }
    return out;
}

std::vector<uint8_t> EncodeJpeg(const CImage& img, int quality)
{
    jpeg_compress_struct cinfo{};
    jpeg_error_mgr jerr{};
    cinfo.err = jpeg_std_error(&jerr);
    jpeg_create_compress(&cinfo);
    unsigned char* mem = nullptr;
    unsigned long memSize = 0;
    jpeg_mem_dest(&cinfo, &mem, &memSize);
    cinfo.image_width = static_cast<JDIMENSION>(img.PixelWidth());
    cinfo.image_height = static_cast<JDIMENSION>(img.PixelHeight());
    cinfo.input_components = 3;
    cinfo.in_color_space = JCS_RGB;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, quality, TRUE);
    jpeg_start_compress(&cinfo, TRUE);
    std::vector<uint8_t> row(static_cast<size_t>(img.PixelWidth()) * 3);
    while (cinfo.next_scanline < cinfo.image_height)
    {
        const int y = static_cast<int>(cinfo.next_scanline);
        for (int x = 0; x < img.PixelWidth(); ++x)
        {
            // Pictures stored as JPEG are opaque; composite over black.
            const SColour& c = img.At(x, y);
            row[x * 3 + 0] = ToByte(c.r * c.a);
            row[x * 3 + 1] = ToByte(c.g * c.a);
            row[x * 3 + 2] = ToByte(c.b * c.a);
        }
        JSAMPROW rp = row.data();
        jpeg_write_scanlines(&cinfo, &rp, 1);
    }
    jpeg_finish_compress(&cinfo);
    std::vector<uint8_t> out(mem, mem + memSize);
    jpeg_destroy_compress(&cinfo);
    free(mem);
    return out;
}

bool WritePng(const std::string& path, const CImage& img)
{
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f)
        return false;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    if (!png || !info || setjmp(png_jmpbuf(png)))
    {
        png_destroy_write_struct(&png, &info);
        std::fclose(f);
        return false;
    }
    png_init_io(png, f);
    png_set_IHDR(png, info, img.PixelWidth(), img.PixelHeight(), 8, PNG_COLOR_TYPE_RGBA, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    std::vector<uint8_t> rgba = img.ToRgba8();
    for (int y = 0; y < img.PixelHeight(); ++y)
        png_write_row(png, rgba.data() + static_cast<size_t>(y) * img.PixelWidth() * 4);
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    std::fclose(f);
    return true;
}
} // namespace NDatagen
