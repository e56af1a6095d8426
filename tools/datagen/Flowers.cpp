// Flower drawing. Shapes by colour: 0 five round petals, 1 twelve narrow
// petals, 2 four notched petals, 3 six pointed petals, 4 three broad
// teardrops, 5 a scalloped cup of ten. The petal counts all differ, so the
// shapes stay apart under the random rotation the board gives every cell.
#include "tools/datagen/Flowers.h"

#include "tools/datagen/Painter.h"

#include <algorithm>
#include <cmath>

namespace NDatagen
{
namespace
{
constexpr float kPi = 3.14159265f;

const SColour kColours[kFlowerColours] = {Rgb(226, 58, 74),  Rgb(250, 204, 46), Rgb(72, 128, 232),
                                          Rgb(160, 86, 210), Rgb(248, 136, 36), Rgb(248, 246, 252)};

struct SPetals
{
    int count;
    float reach; // distance from the centre to the petal tips
    float width; // 1 open, smaller while folding
    float twist; // radians
};

SPetals Petals(int colour)
{
    static const int counts[kFlowerColours] = {5, 12, 4, 6, 3, 10};
    return SPetals{counts[colour], 0, 1, 0};
}

// Distance to one petal lying along +x, in a frame centred on the flower.
float PetalDistance(int colour, float u, float v, float r, float wf)
{
    switch (colour)
    {
    case 0:
        return SdEllipse(u, v, 0.55f * r, 0, 0.46f * r, 0.36f * r * wf, 0);
    case 1:
        return SdEllipse(u, v, 0.56f * r, 0, 0.45f * r, 0.1f * r * (0.5f + 0.5f * wf), 0);
    case 2:
        return std::max(SdEllipse(u, v, 0.52f * r, 0, 0.5f * r, 0.44f * r * wf, 0),
                        -SdCircle(u, v, 1.03f * r, 0, 0.2f * r));
    case 3:
        return SdPolygon(u, v,
                         {{0.05f * r, 0}, {0.45f * r, 0.25f * r * wf}, {r, 0}, {0.45f * r, -0.25f * r * wf}});
    case 4:
        return std::min(SdCircle(u, v, 0.45f * r, 0, 0.4f * r * (0.4f + 0.6f * wf)),
                        SdPolygon(u, v, {{0.3f * r, 0.32f * r * wf}, {r, 0}, {0.3f * r, -0.32f * r * wf}}));
    default:
        return std::min(SdCircle(u, v, 0, 0, 0.64f * r),
                        SdCircle(u, v, 0.72f * r, 0, 0.26f * r * (0.5f + 0.5f * wf)));
    }
}

// The petals of one flower, with their rotations worked out once rather
// than for every pixel.
class CPetalRing
{
  public:
    CPetalRing(int colour, float reach, float width, float twist)
        : m_colour(colour), m_reach(reach), m_width(width)
    {
        const int count = Petals(colour).count;
        for (int i = 0; i < count; ++i)
        {
            const float a = twist + 2 * kPi * i / count;
            m_turns.push_back({std::cos(a), std::sin(a)});
        }
    }

    float operator()(float dx, float dy) const
    {
        float best = 1e9f;
        for (const SPoint& t : m_turns)
            best = std::min(
                best, PetalDistance(m_colour, dx * t.x + dy * t.y, -dx * t.y + dy * t.x, m_reach, m_width));
        return best;
    }

  private:
    int m_colour;
    float m_reach, m_width;
    std::vector<SPoint> m_turns;
};
} // namespace

SColour FlowerColour(int colour)
{
    return kColours[std::clamp(colour, 0, kFlowerColours - 1)];
}

CImage RenderFlower(int colour, float openness, int size, float twistDeg)
{
    CImage img(size, size);
    const float s = static_cast<float>(size);
    const float cx = s / 2, cy = s / 2;
    const SBox all{0, 0, s, s};
    const float t = std::clamp(openness, 0.0f, 1.0f);

    // Leaves behind the flower, spreading as it opens.
    const SColour leaf = Rgb(70, 150, 64), leafDark = Rgb(36, 96, 40);
    for (int i = 0; i < 3; ++i)
    {
        const float a = (30.0f + 120.0f * i) * kPi / 180;
        const float reach = s * (0.2f + 0.2f * t);
        const float lx = cx + std::cos(a) * reach, ly = cy + std::sin(a) * reach;
        auto d = [=](float x, float y) { return SdEllipse(x, y, lx, ly, reach * 0.75f, s * 0.09f, a); };
        Fill(img, all, d, LinearGradient({cx, cy}, leafDark, {lx, ly}, leaf));
        Stroke(img, all, d, 1.0f, WithAlpha(Rgb(24, 60, 28), 0.8f));
    }

    const SColour base = FlowerColour(colour);
    const float r = s / 2 * (0.3f + 0.64f * t);
    const float wf = 0.45f + 0.55f * t;
    const float twist = (twistDeg + (1 - t) * 35.0f) * kPi / 180;
    const CPetalRing ring(colour, r, wf, twist);
    auto petals = [=](float x, float y) { return ring(x - cx, y - cy); };
    Shadow(
        img, all, [=](float x, float y) { return petals(x - 1.0f, y - 1.5f); }, 2.0f,
        WithAlpha(Rgb(0, 0, 0), 0.35f));
    const SColour inner = colour == 5 ? Rgb(236, 176, 200) : Shade(base, 0.72f);
    Fill(img, all, petals, RadialGradient({cx, cy}, r, inner, Shade(base, 1.18f)));
    Stroke(img, all, petals, 1.1f, WithAlpha(Shade(colour == 5 ? Rgb(170, 150, 180) : base, 0.5f), 0.9f));

    // Sepals close over the bud.
    if (t < 0.45f)
    {
        const float k = 1 - t / 0.45f;
        for (int i = 0; i < 5; ++i)
        {
            const float a = twist + (i * 72.0f + 36.0f) * kPi / 180;
            const float len = s * 0.13f * k + 2;
            const float mx = cx + std::cos(a) * len * 0.5f, my = cy + std::sin(a) * len * 0.5f;
            auto d = [=](float x, float y) { return SdEllipse(x, y, mx, my, len * 0.6f, s * 0.05f, a); };
            Fill(img, all, d, LinearGradient({cx, cy}, leafDark, {mx, my}, Rgb(110, 180, 80)));
            Stroke(img, all, d, 0.8f, WithAlpha(Rgb(24, 60, 28), 0.8f));
        }
    }
    else
    {
        // The heart: seeds on a golden disc.
        const float cr = r * (colour == 1 ? 0.3f : 0.22f);
        auto disc = [=](float x, float y) { return SdCircle(x, y, cx, cy, cr); };
        Fill(img, all, disc,
             RadialGradient({cx - cr * 0.3f, cy - cr * 0.3f}, cr * 1.3f, Rgb(255, 226, 110),
                            Rgb(196, 120, 30)));
        Stroke(img, all, disc, 0.8f, WithAlpha(Rgb(120, 70, 20), 0.8f));
        for (int i = 0; i < 6; ++i)
        {
            const float a = i * kPi / 3 + twist;
            Fill(
                img, all,
                [=](float x, float y) {
                    return SdCircle(x, y, cx + std::cos(a) * cr * 0.5f, cy + std::sin(a) * cr * 0.5f,
                                    cr * 0.14f);
                },
                WithAlpha(Rgb(130, 70, 20), 0.8f));
        }
    }
    return img;
}

CImage RenderFlowerShape(int colour, int size)
{
    CImage img(size, size);
    const float s = static_cast<float>(size);
    const float r = s / 2 * 0.94f;
    Fill(
        img, {0, 0, s, s},
        [ring = CPetalRing(colour, r, 1, 0), s](float x, float y) { return ring(x - s / 2, y - s / 2); },
        Rgb(255, 255, 255));
    return img;
}

CImage RenderHole(float scale, int size)
{
    CImage img(size, size);
    const float s = static_cast<float>(size);
    const float cx = s / 2, cy = s / 2;
    const float r = s * 0.44f * std::clamp(scale, 0.05f, 1.0f);
    const SBox all{0, 0, s, s};
    auto pit = [=](float x, float y) { return SdCircle(x, y, cx, cy, r); };
    Shadow(
        img, all, [=](float x, float y) { return pit(x, y) - 1.5f; }, 2.5f, WithAlpha(Rgb(30, 50, 20), 0.5f));
    Fill(img, all, pit,
         RadialGradient({cx + r * 0.2f, cy + r * 0.25f}, r * 1.1f, Rgb(24, 16, 10), Rgb(96, 68, 40)));
    Stroke(img, all, pit, std::max(1.0f, r * 0.12f), Rgb(120, 92, 58));
    // A few pebbles on the rim.
    for (int i = 0; i < 5; ++i)
    {
        const float a = (i * 73.0f + 20.0f) * kPi / 180;
        const float px = cx + std::cos(a) * r * 0.95f, py = cy + std::sin(a) * r * 0.95f;
        auto d = [=](float x, float y) { return SdCircle(x, y, px, py, r * 0.11f + 0.5f); };
        Fill(img, all, d,
             RadialGradient({px - 1, py - 1}, r * 0.15f + 1, Rgb(200, 196, 186), Rgb(120, 116, 108)));
    }
    return img;
}
} // namespace NDatagen
