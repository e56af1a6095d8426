// The application icon: the board in miniature, a flat-topped hexagon holding
// seven pointy-topped cells, one flower of each colour around a white one.
#include "tools/datagen/Icon.h"

#include "tools/datagen/Flowers.h"
#include "tools/datagen/Painter.h"

#include <cmath>

namespace NDatagen
{
namespace
{
// pointy: a corner at the top; otherwise a flat side.
std::vector<SPoint> Hexagon(float cx, float cy, float radius, bool pointy)
{
    std::vector<SPoint> points;
    for (int i = 0; i < 6; ++i)
    {
        const float angle = static_cast<float>(M_PI) / 3.0f * static_cast<float>(i) -
                            (pointy ? static_cast<float>(M_PI) / 2.0f : 0.0f);
        points.push_back({cx + radius * std::cos(angle), cy + radius * std::sin(angle)});
    }
    return points;
}
} // namespace

CImage RenderIcon(int size)
{
    CImage icon(size, size);
    const float s = static_cast<float>(size);
    const float centre = s / 2.0f;
    const SBox all{0, 0, s, s};

    // The outer hexagon: a shadow, a green meadow shaded from the top, a dark rim.
    const float outer = s * 0.48f;
    const std::vector<SPoint> rim = Hexagon(centre, centre + s * 0.01f, outer, false);
    const auto rimDistance = [&](float x, float y) { return SdPolygon(x, y, rim); };
    Shadow(
        icon, all, [&](float x, float y) { return SdPolygon(x, y - s * 0.015f, rim); }, s * 0.03f,
        WithAlpha(Rgb(0, 0, 0), 0.45f));
    Fill(icon, all, rimDistance,
         LinearGradient({centre, centre - outer}, Rgb(122, 190, 86), {centre, centre + outer},
                        Rgb(46, 112, 52)));
    Stroke(icon, all, rimDistance, std::max(1.0f, s * 0.02f), Rgb(28, 66, 34));

    // Seven cells: the centre and its six neighbours, each with a flower.
    // The cluster is 2.6 cells wide and 2.5 high either side of its centre;
    // the flat-topped rim is 0.87 as high as wide.
    const float cell = outer / 2.9f;           // circumradius of a cell
    const float step = cell * std::sqrt(3.0f); // distance between neighbouring centres
    const int colours[7] = {5, 0, 1, 4, 2, 3, 0};
    for (int i = 0; i < 7; ++i)
    {
        float cx = centre;
        float cy = centre + s * 0.01f;
        if (i > 0)
        {
            const float angle = static_cast<float>(M_PI) / 3.0f * static_cast<float>(i - 1);
            cx += step * std::cos(angle);
            cy += step * std::sin(angle);
        }
        const std::vector<SPoint> hex = Hexagon(cx, cy, cell * 0.94f, true);
        const auto d = [&](float x, float y) { return SdPolygon(x, y, hex); };
        Fill(icon, all, d,
             RadialGradient({cx, cy - cell * 0.3f}, cell * 1.2f, Rgb(150, 206, 108), Rgb(74, 140, 66)));
        Stroke(icon, all, d, std::max(0.8f, s * 0.008f), WithAlpha(Rgb(30, 80, 36), 0.8f));
        const int flower = static_cast<int>(std::lround(cell * 1.5f));
        icon.Paste(RenderFlower(colours[i], 1.0f, flower), static_cast<int>(std::lround(cx - flower / 2.0f)),
                   static_cast<int>(std::lround(cy - flower / 2.0f)));
    }
    return icon;
}
} // namespace NDatagen
