// Signed-distance shape painting: coverage is half a pixel either side of the
// edge, at any scale.
#include "tools/datagen/Painter.h"

#include <algorithm>
#include <cmath>

namespace NDatagen
{
float SdCircle(float x, float y, float cx, float cy, float r)
{
    return Length(x - cx, y - cy) - r;
}

float SdEllipse(float x, float y, float cx, float cy, float rx, float ry, float angleRad)
{
    const float c = std::cos(angleRad), s = std::sin(angleRad);
    const float dx = x - cx, dy = y - cy;
    const float u = dx * c + dy * s, v = -dx * s + dy * c;
    const float k = Length(u / rx, v / ry);
    if (k < 1e-6f)
        return -std::min(rx, ry);
    // Scale the normalised radius by the local radius along this direction.
    const float local = Length(u, v) / k;
    return (k - 1.0f) * local;
}

float SdRoundRect(float x, float y, float x0, float y0, float x1, float y1, float radius)
{
    const float cx = (x0 + x1) / 2, cy = (y0 + y1) / 2;
    const float hx = (x1 - x0) / 2 - radius, hy = (y1 - y0) / 2 - radius;
    const float qx = std::fabs(x - cx) - hx, qy = std::fabs(y - cy) - hy;
    const float outside = Length(std::max(qx, 0.0f), std::max(qy, 0.0f));
    return outside + std::min(std::max(qx, qy), 0.0f) - radius;
}

float SdSegment(float x, float y, SPoint a, SPoint b, float halfWidth)
{
    const float px = x - a.x, py = y - a.y, bx = b.x - a.x, by = b.y - a.y;
    const float len2 = bx * bx + by * by;
    const float h = len2 > 0 ? std::clamp((px * bx + py * by) / len2, 0.0f, 1.0f) : 0.0f;
    return Length(px - bx * h, py - by * h) - halfWidth;
}

float SdPolygon(float x, float y, const std::vector<SPoint>& pts)
{
    float best = 1e30f;
    bool inside = false;
    const size_t n = pts.size();
    for (size_t i = 0, j = n - 1; i < n; j = i++)
    {
        const SPoint& a = pts[i];
        const SPoint& b = pts[j];
        best = std::min(best, SdSegment(x, y, a, b, 0.0f));
        if ((a.y > y) != (b.y > y) && x < (b.x - a.x) * (y - a.y) / (b.y - a.y) + a.x)
            inside = !inside;
    }
    return inside ? -best : best;
}

// Calls cover(x, y, ux, uy, pixel) for every pixel (x, y) of the box, with
// its centre (ux, uy) in layout units and the size of a pixel in them.
template <typename FCover> static void Cover(CImage& img, const SBox& box, const FCover& cover)
{
    const int s = img.Scale();
    const int x0 = std::max(0, static_cast<int>(std::floor(box.x0 * s)));
    const int y0 = std::max(0, static_cast<int>(std::floor(box.y0 * s)));
    const int x1 = std::min(img.PixelWidth() - 1, static_cast<int>(std::ceil(box.x1 * s)));
    const int y1 = std::min(img.PixelHeight() - 1, static_cast<int>(std::ceil(box.y1 * s)));
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x)
            cover(x, y, (x + 0.5f) / s, (y + 0.5f) / s, static_cast<float>(s));
}

void Fill(CImage& img, const SBox& box, const FDistance& dist, const FPaint& paint)
{
    // Coverage runs over one pixel across the edge, whatever the scale.
    Cover(img, Grow(box, 1),
          [&](int x, int y, float fx, float fy, float s)
          {
              const float c = std::clamp(0.5f - dist(fx, fy) * s, 0.0f, 1.0f);
              if (c > 0)
                  img.Blend(x, y, paint(fx, fy), c);
          });
}

void Fill(CImage& img, const SBox& box, const FDistance& dist, const SColour& colour)
{
    Fill(img, box, dist, [&](float, float) { return colour; });
}

void Stroke(CImage& img, const SBox& box, const FDistance& dist, float width, const SColour& colour)
{
    Cover(img, Grow(box, width),
          [&](int x, int y, float fx, float fy, float s)
          {
              const float c = std::clamp(0.5f - (std::fabs(dist(fx, fy)) - width / 2) * s, 0.0f, 1.0f);
              if (c > 0)
                  img.Blend(x, y, colour, c);
          });
}

void Shadow(CImage& img, const SBox& box, const FDistance& dist, float blur, const SColour& colour)
{
    Cover(img, Grow(box, blur + 1),
          [&](int x, int y, float fx, float fy, float)
          {
              const float t = std::clamp(0.5f - dist(fx, fy) / (2 * blur), 0.0f, 1.0f);
              const float c = t * t * (3 - 2 * t);
              if (c > 0)
                  img.Blend(x, y, colour, c);
          });
}

FPaint LinearGradient(SPoint p0, const SColour& c0, SPoint p1, const SColour& c1)
{
    const float dx = p1.x - p0.x, dy = p1.y - p0.y;
    const float len2 = std::max(1e-6f, dx * dx + dy * dy);
    return [=](float x, float y)
    {
        const float t = std::clamp(((x - p0.x) * dx + (y - p0.y) * dy) / len2, 0.0f, 1.0f);
        return Mix(c0, c1, t);
    };
}

FPaint RadialGradient(SPoint centre, float radius, const SColour& inner, const SColour& outer)
{
    return [=](float x, float y)
    {
        const float t = std::clamp(Length(x - centre.x, y - centre.y) / radius, 0.0f, 1.0f);
        return Mix(inner, outer, t);
    };
}

void Panel(CImage& img, float x0, float y0, float x1, float y1, float radius, const SColour& top,
           const SColour& bottom, const SColour& outline, float outlineWidth)
{
    const SBox box{x0, y0, x1, y1};
    const float inset = outlineWidth / 2;
    auto shape = [=](float x, float y)
    { return SdRoundRect(x, y, x0 + inset, y0 + inset, x1 - inset, y1 - inset, radius); };
    Fill(img, box, shape, LinearGradient({0, y0}, top, {0, y1}, bottom));
    // Gloss on the upper half.
    const float gy1 = y0 + (y1 - y0) * 0.48f;
    auto gloss = [=](float x, float y)
    { return std::max(shape(x, y) + 2.5f, SdRoundRect(x, y, x0, y0 - radius, x1, gy1, radius)); };
    Fill(img, box, gloss,
         LinearGradient({0, y0}, WithAlpha(Rgb(255, 255, 255), 0.45f), {0, gy1},
                        WithAlpha(Rgb(255, 255, 255), 0.05f)));
    if (outlineWidth > 0)
        Stroke(img, box, shape, outlineWidth, outline);
}

SBox Grow(const SBox& b, float by)
{
    return SBox{b.x0 - by, b.y0 - by, b.x1 + by, b.y1 + by};
}

uint32_t CRandom::Next()
{
    // xorshift32
    m_state ^= m_state << 13;
    m_state ^= m_state >> 17;
    m_state ^= m_state << 5;
    return m_state;
}

float CRandom::Unit()
{
    return static_cast<float>(Next() >> 8) / 16777216.0f;
}
} // namespace NDatagen
