// Coins, insects, dragons, the cursor and the hover marker.
#include "tools/datagen/Creatures.h"

#include "tools/datagen/Painter.h"
#include "tools/datagen/Text.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace NDatagen
{
namespace
{
constexpr float kPi = 3.14159265f;

struct SCoinLook
{
    SColour face, rim;
    const char* label;
    float radius; // of the cell
};

const SCoinLook kCoins[kCoinKinds] = {
    {Rgb(214, 126, 70), Rgb(140, 70, 36), "1", 0.27f},
    {Rgb(214, 218, 226), Rgb(120, 126, 140), "5", 0.28f},
    {Rgb(188, 206, 236), Rgb(90, 110, 150), "10", 0.30f},
    {Rgb(250, 206, 70), Rgb(170, 120, 20), "25", 0.32f},
    {Rgb(255, 222, 90), Rgb(60, 140, 70), "$1", 0.36f},
};

CImage CoinFace(int kind, int size)
{
    const SCoinLook& c = kCoins[kind];
    CImage img(size, size);
    const float s = static_cast<float>(size), cx = s / 2, cy = s / 2, r = s * c.radius;
    const SBox all{0, 0, s, s};
    auto disc = [=](float x, float y) { return SdCircle(x, y, cx, cy, r); };
    Shadow(
        img, all, [=](float x, float y) { return disc(x - 1.5f, y - 2); }, 2.0f,
        WithAlpha(Rgb(0, 0, 0), 0.45f));
    Fill(img, all, disc,
         RadialGradient({cx - r * 0.4f, cy - r * 0.4f}, r * 1.6f, Shade(c.face, 1.3f), Shade(c.face, 0.8f)));
    Stroke(
        img, all, [=](float x, float y) { return SdCircle(x, y, cx, cy, r * 0.8f); }, 1.0f,
        WithAlpha(c.rim, 0.7f));
    Stroke(img, all, disc, 1.6f, c.rim);
    STextStyle style;
    style.size = r * (std::string(c.label).size() > 1 ? 0.95f : 1.2f);
    style.colour = Shade(c.rim, 0.8f);
    style.align = EAlign::Centre;
    DrawText(img, c.label, cx, cy + style.size * 0.36f, style);
    return img;
}

CImage Squash(const CImage& img, float xScale)
{
    const int w = std::max(2, static_cast<int>(std::lround(img.Width() * xScale)));
    CImage narrow = img.Resized(w, img.Height());
    CImage out(img.Width(), img.Height());
    out.Paste(narrow, (img.Width() - w) / 2, 0);
    return out;
}
} // namespace

CImage RenderCoin(int kind, float phase, int size)
{
    const float scale = std::fabs(std::cos(phase * 2 * kPi));
    return Squash(CoinFace(std::clamp(kind, 0, kCoinKinds - 1), size), std::max(0.12f, scale));
}

CImage RenderInsect(float phase, int size)
{
    CImage img(size, size);
    const float s = static_cast<float>(size), cx = s / 2, cy = s / 2 + s * 0.04f;
    const SBox all{0, 0, s, s};
    const float flap = (20.0f + 45.0f * (0.5f + 0.5f * std::sin(phase * 2 * kPi))) * kPi / 180;
    // Wings first, under the body.
    for (int side : {-1, 1})
    {
        for (int pair = 0; pair < 2; ++pair)
        {
            const float len = s * (pair == 0 ? 0.24f : 0.17f);
            const float a = -kPi / 2 + side * (kPi / 2 - flap + pair * 0.5f);
            const float wx = cx + std::cos(a) * len * 0.9f + side * s * 0.04f,
                        wy = cy - s * 0.06f + std::sin(a) * len * 0.9f;
            auto d = [=](float x, float y) { return SdEllipse(x, y, wx, wy, len, len * 0.45f, a); };
            Fill(img, all, d, WithAlpha(Rgb(225, 240, 255), 0.55f));
            Stroke(img, all, d, 1.0f, WithAlpha(Rgb(90, 110, 140), 0.8f));
        }
    }
    auto body = [=](float x, float y) { return SdEllipse(x, y, cx, cy + s * 0.05f, s * 0.12f, s * 0.2f, 0); };
    Shadow(
        img, all, [=](float x, float y) { return body(x - 2, y - 3); }, 2.0f, WithAlpha(Rgb(0, 0, 0), 0.35f));
    Fill(img, all, body,
         RadialGradient({cx - s * 0.04f, cy - s * 0.02f}, s * 0.25f, Rgb(255, 220, 80), Rgb(214, 150, 20)));
    for (int i = 0; i < 3; ++i)
    {
        const float sy = cy + s * (0.0f + 0.08f * i);
        Fill(
            img, all, [=](float x, float y) { return std::max(body(x, y), std::fabs(y - sy) - s * 0.022f); },
            Rgb(40, 30, 20));
    }
    Stroke(img, all, body, 1.2f, Rgb(60, 40, 10));
    const float hy = cy - s * 0.19f;
    auto head = [=](float x, float y) { return SdCircle(x, y, cx, hy, s * 0.085f); };
    Fill(img, all, head, RadialGradient({cx - 2, hy - 2}, s * 0.1f, Rgb(90, 70, 50), Rgb(30, 22, 16)));
    for (int side : {-1, 1})
    {
        const SPoint a{cx + side * s * 0.03f, hy - s * 0.06f}, b{cx + side * s * 0.1f, hy - s * 0.17f};
        Fill(
            img, all, [=](float x, float y) { return SdSegment(x, y, a, b, 0.8f); }, Rgb(30, 22, 16));
        Fill(
            img, all, [=](float x, float y) { return SdCircle(x, y, b.x, b.y, 1.6f); }, Rgb(30, 22, 16));
        Fill(
            img, all,
            [=](float x, float y)
            { return SdCircle(x, y, cx + side * s * 0.035f, hy - s * 0.02f, s * 0.022f); },
            Rgb(255, 255, 255));
    }
    return img;
}

CImage RenderDragon(int hue, float phase, int size)
{
    static const SColour bodies[3] = {Rgb(90, 180, 90), Rgb(220, 90, 70), Rgb(90, 130, 220)};
    static const SColour bellies[3] = {Rgb(220, 230, 140), Rgb(250, 200, 120), Rgb(190, 220, 250)};
    const SColour bodyC = bodies[hue % 3], belly = bellies[hue % 3];
    CImage img(size, size);
    const float s = static_cast<float>(size), cx = s / 2, cy = s / 2;
    const SBox all{0, 0, s, s};
    const float flap = std::sin(phase * 2 * kPi);
    // Tail: a chain of shrinking discs swaying behind.
    for (int i = 0; i < 8; ++i)
    {
        const float t = i / 7.0f;
        const float tx = cx + std::sin(phase * 2 * kPi + t * 3) * s * 0.05f * t,
                    ty = cy + s * (0.1f + 0.32f * t);
        Fill(
            img, all, [=](float x, float y) { return SdCircle(x, y, tx, ty, s * (0.07f - 0.05f * t)); },
            Shade(bodyC, 0.85f));
    }
    // Wings: membranes that sweep up and down.
    for (int side : {-1, 1})
    {
        const float span = s * (0.36f + 0.08f * flap);
        const float lift = s * 0.12f * flap;
        std::vector<SPoint> wing = {{cx + side * s * 0.05f, cy - s * 0.08f},
                                    {cx + side * span, cy - s * 0.16f - lift},
                                    {cx + side * span * 0.85f, cy + s * 0.02f - lift * 0.5f},
                                    {cx + side * span * 0.5f, cy + s * 0.04f},
                                    {cx + side * s * 0.05f, cy + s * 0.08f}};
        auto d = [=](float x, float y) { return SdPolygon(x, y, wing); };
        Fill(img, all, d,
             LinearGradient({cx, cy}, WithAlpha(Shade(bodyC, 0.7f), 0.95f), {cx + side * span, cy},
                            WithAlpha(Shade(bodyC, 1.3f), 0.8f)));
        Stroke(img, all, d, 1.2f, Shade(bodyC, 0.45f));
    }
    auto body = [=](float x, float y) { return SdEllipse(x, y, cx, cy, s * 0.09f, s * 0.17f, 0); };
    Fill(img, all, body, LinearGradient({cx - s * 0.09f, 0}, Shade(bodyC, 0.8f), {cx + s * 0.09f, 0}, belly));
    Stroke(img, all, body, 1.2f, Shade(bodyC, 0.45f));
    const float hy = cy - s * 0.2f;
    auto head = [=](float x, float y) { return SdEllipse(x, y, cx, hy, s * 0.075f, s * 0.09f, 0); };
    Fill(img, all, head, RadialGradient({cx, hy - 2}, s * 0.1f, Shade(bodyC, 1.2f), bodyC));
    Stroke(img, all, head, 1.0f, Shade(bodyC, 0.45f));
    for (int side : {-1, 1})
    {
        Fill(
            img, all,
            [=](float x, float y)
            { return SdCircle(x, y, cx + side * s * 0.035f, hy - s * 0.02f, s * 0.02f); },
            Rgb(255, 250, 220));
        Fill(
            img, all,
            [=](float x, float y)
            {
                return SdSegment(x, y, {cx + side * s * 0.04f, hy - s * 0.07f},
                                 {cx + side * s * 0.07f, hy - s * 0.13f}, 1.0f);
            },
            Shade(bodyC, 0.5f));
    }
    return img;
}

CImage RenderCursor(int size)
{
    CImage img(size, size);
    const float s = static_cast<float>(size), c = s / 2, k = s / 64;
    // The tip sits on the picture's centre: the game centres the cursor
    // sprite on the pointer.
    const std::vector<SPoint> arrow = {{c, c},
                                       {c, c + 26 * k},
                                       {c + 6 * k, c + 20.5f * k},
                                       {c + 11 * k, c + 30 * k},
                                       {c + 16 * k, c + 27.5f * k},
                                       {c + 11.5f * k, c + 18.5f * k},
                                       {c + 19 * k, c + 18.5f * k}};
    const SBox all{0, 0, s, s};
    auto d = [&](float x, float y) { return SdPolygon(x, y, arrow); };
    Shadow(
        img, all, [&](float x, float y) { return d(x - 2 * k, y - 2.5f * k); }, 2.0f * k,
        WithAlpha(Rgb(0, 0, 0), 0.4f));
    Fill(img, all, d,
         LinearGradient({c, c}, Rgb(255, 255, 240), {c + 12 * k, c + 28 * k}, Rgb(250, 220, 120)));
    Stroke(img, all, d, 1.6f * k, Rgb(60, 40, 20));
    return img;
}

CImage RenderMarker(float phase, int size)
{
    CImage img(size, size);
    const float s = static_cast<float>(size), c = s / 2, r = s * 0.43f;
    const SBox all{0, 0, s, s};
    const float pulse = 0.5f + 0.5f * std::sin(phase * 2 * kPi);
    Stroke(
        img, all, [=](float x, float y) { return SdCircle(x, y, c, c, r); }, s * 0.1f,
        WithAlpha(Rgb(255, 240, 170), 0.18f + 0.12f * pulse));
    const float turn = phase * 2 * kPi / 8; // one dash pitch per cycle loops seamlessly
    for (int i = 0; i < 8; ++i)
    {
        const float a0 = turn + i * kPi / 4, a1 = a0 + kPi / 7;
        const SPoint p0{c + std::cos(a0) * r, c + std::sin(a0) * r},
            p1{c + std::cos(a1) * r, c + std::sin(a1) * r};
        Fill(
            img, all, [=](float x, float y) { return SdSegment(x, y, p0, p1, s * 0.03f); },
            Rgb(255, 255, 255));
        Stroke(
            img, all, [=](float x, float y) { return SdSegment(x, y, p0, p1, s * 0.03f); }, 1.0f,
            WithAlpha(Rgb(140, 100, 20), 0.7f));
    }
    return img;
}

CImage RenderSparkle(float phase, int size)
{
    CImage img(size, size);
    const float s = static_cast<float>(size), c = s / 2;
    const float r = s * 0.45f * (1 - phase * 0.7f);
    const SBox all{0, 0, s, s};
    Fill(
        img, all, [=](float x, float y) { return SdCircle(x, y, c, c, r * 0.5f); },
        RadialGradient({c, c}, r * 0.5f, WithAlpha(Rgb(255, 255, 220), 0.9f),
                       WithAlpha(Rgb(255, 220, 120), 0.0f)));
    for (int i = 0; i < 4; ++i)
    {
        const float a = i * kPi / 2 + phase;
        const SPoint tip{c + std::cos(a) * r, c + std::sin(a) * r};
        Fill(
            img, all,
            [=](float x, float y) {
                return SdSegment(x, y, {c, c}, tip, s * 0.03f);
            },
            WithAlpha(Rgb(255, 250, 210), 0.9f));
    }
    return img;
}
} // namespace NDatagen
