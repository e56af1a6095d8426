// Anti-aliased shape painting from signed distance functions, with gradients.
#pragma once

#include "tools/datagen/Image.h"

#include <cmath>
#include <functional>
#include <vector>

namespace NDatagen
{
// Signed distance in layout units from (x, y) to a shape's edge; negative inside.
using FDistance = std::function<float(float x, float y)>;
using FPaint = std::function<SColour(float x, float y)>;

// Euclidean length; std::hypot's overflow care costs more than all the
// painting around it, and these values are pixel-sized.
inline float Length(float x, float y)
{
    return std::sqrt(x * x + y * y);
}

struct SBox
{
    float x0, y0, x1, y1;
};

struct SPoint
{
    float x, y;
};

float SdCircle(float x, float y, float cx, float cy, float r);
// Rotated ellipse; the distance is approximate but exact enough for one-pixel
// anti-aliasing at the edge.
float SdEllipse(float x, float y, float cx, float cy, float rx, float ry, float angleRad);
float SdRoundRect(float x, float y, float x0, float y0, float x1, float y1, float radius);
float SdSegment(float x, float y, SPoint a, SPoint b, float halfWidth);
float SdPolygon(float x, float y, const std::vector<SPoint>& pts);

// Fills the shape; pixels are sampled at their centres.
void Fill(CImage& img, const SBox& box, const FDistance& dist, const FPaint& paint);
void Fill(CImage& img, const SBox& box, const FDistance& dist, const SColour& colour);
// Paints a band of the given width centred on the shape's edge.
void Stroke(CImage& img, const SBox& box, const FDistance& dist, float width, const SColour& colour);
// A soft shadow: coverage falls off over `blur` units outside the edge.
void Shadow(CImage& img, const SBox& box, const FDistance& dist, float blur, const SColour& colour);

FPaint LinearGradient(SPoint p0, const SColour& c0, SPoint p1, const SColour& c1);
FPaint RadialGradient(SPoint centre, float radius, const SColour& inner, const SColour& outer);

// A rounded, outlined, vertically shaded panel with a highlight: the common
// look of buttons, frames and plates.
void Panel(CImage& img, float x0, float y0, float x1, float y1, float radius, const SColour& top,
           const SColour& bottom, const SColour& outline, float outlineWidth = 2.0f);

SBox Grow(const SBox& b, float by);

// Deterministic pseudo-random numbers so that every run writes the same data.
class CRandom
{
  public:
    explicit CRandom(uint32_t seed) : m_state(seed * 2654435761u + 1u) {}
    uint32_t Next();
    float Unit(); // [0, 1)
    float Range(float lo, float hi) { return lo + (hi - lo) * Unit(); }
    int Int(int n) { return static_cast<int>(Next() % static_cast<uint32_t>(n)); }

  private:
    uint32_t m_state;
};
} // namespace NDatagen
