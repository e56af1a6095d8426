// A floating-point RGBA picture and the writers that store it (TGA, JPEG, PNG).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace NDatagen
{
struct SColour
{
    float r = 0, g = 0, b = 0, a = 0;
};

constexpr SColour Rgb(int r, int g, int b, float a = 1.0f)
{
    return SColour{r / 255.0f, g / 255.0f, b / 255.0f, a};
}
SColour Mix(const SColour& a, const SColour& b, float t);
SColour Shade(const SColour& c, float factor); // factor > 1 lightens, < 1 darkens
SColour WithAlpha(const SColour& c, float a);

// Pixels per layout unit that new pictures are painted at on this thread: 1
// for the ordinary set, 2 for its sharper twin. Every drawing takes layout
// units, so one drawing makes both.
int PaintScale();

// Paints at `scale` for its lifetime.
class CPaintScale
{
  public:
    explicit CPaintScale(int scale);
    ~CPaintScale();
    CPaintScale(const CPaintScale&) = delete;
    CPaintScale& operator=(const CPaintScale&) = delete;

  private:
    int m_previous;
};

// Pixels are stored top row first, as they are painted; the writers put them
// in the order each file format expects. Sizes and positions are in layout
// units; At and Blend address pixels, Scale() of them to a unit.
class CImage
{
  public:
    CImage() = default;
    // width x height units at the current PaintScale().
    CImage(int width, int height, SColour fill = {});

    int Width() const { return m_width; }
    int Height() const { return m_height; }
    int Scale() const { return m_scale; }
    int PixelWidth() const { return m_width * m_scale; }
    int PixelHeight() const { return m_height * m_scale; }
    SColour& At(int x, int y) { return m_pixels[static_cast<size_t>(y) * PixelWidth() + x]; }
    const SColour& At(int x, int y) const { return m_pixels[static_cast<size_t>(y) * PixelWidth() + x]; }
    // The layout position of a pixel's centre along either axis.
    float Unit(int pixel) const { return (pixel + 0.5f) / m_scale - 0.5f; }

    // Source-over compositing of colour c with the given coverage (0..1), in pixels.
    void Blend(int x, int y, const SColour& c, float coverage = 1.0f);
    // Draws another picture of the same scale with its top-left corner at (x, y).
    void Paste(const CImage& src, int x, int y, float opacity = 1.0f);
    // Copies a rectangle without blending.
    void Copy(const CImage& src, int x, int y);
    CImage Crop(int x, int y, int w, int h) const;
    // Scales by area averaging (downscale) or bilinear (upscale).
    CImage Resized(int w, int h) const;
    void Clear(SColour c = {});

    std::vector<uint8_t> ToRgba8() const;

  private:
    int m_width = 0;
    int m_height = 0;
    int m_scale = 1;
    std::vector<SColour> m_pixels;
};

// Uncompressed true-colour TGA, bottom row first (the common origin).
std::vector<uint8_t> EncodeTga(const CImage& img, bool alpha);
std::vector<uint8_t> EncodeJpeg(const CImage& img, int quality);
bool WritePng(const std::string& path, const CImage& img);
} // namespace NDatagen
