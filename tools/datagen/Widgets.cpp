// Control pictures, drawn once per look.
#include "tools/datagen/Widgets.h"

#include "rules/BonusTable.h"
#include "tools/datagen/Flowers.h"
#include "tools/datagen/Painter.h"
#include "tools/datagen/Text.h"

#include <cmath>

namespace NDatagen
{
namespace
{

SColour Grey(const SColour& c)
{
    const float l = 0.3f * c.r + 0.59f * c.g + 0.11f * c.b;
    return SColour{l, l, l, c.a};
}

void Arrow(CImage& img, float cx, float cy, float size, int dir, const SColour& c)
{
    const float d = static_cast<float>(dir);
    const std::vector<SPoint> tri = {{cx + d * size * 0.5f, cy},
                                     {cx - d * size * 0.4f, cy - size * 0.5f},
                                     {cx - d * size * 0.4f, cy + size * 0.5f}};
    Fill(
        img, {0, 0, static_cast<float>(img.Width()), static_cast<float>(img.Height())},
        [&](float x, float y) { return SdPolygon(x, y, tri) - 1.0f; }, c);
}
} // namespace

std::vector<CImage> ButtonLooks(const std::string& label, int w, int h, int arrow)
{
    std::vector<CImage> looks;
    const SColour top = Rgb(128, 196, 96), bottom = Rgb(54, 128, 56), line = Rgb(30, 70, 30);
    for (int i = 0; i < 4; ++i)
    {
        const ELook look = static_cast<ELook>(i);
        CImage img(w, h);
        SColour t = top, b = bottom, o = line;
        float dy = 0;
        if (look == ELook::Hover)
        {
            t = Shade(top, 1.25f);
            b = Shade(bottom, 1.2f);
        }
        else if (look == ELook::Pressed)
        {
            t = Shade(bottom, 0.95f);
            b = Shade(top, 0.9f);
            dy = 1.5f;
        }
        else if (look == ELook::Disabled)
        {
            t = WithAlpha(Grey(top), 0.7f);
            b = WithAlpha(Grey(bottom), 0.7f);
            o = WithAlpha(Grey(line), 0.7f);
        }
        const float fw = static_cast<float>(w), fh = static_cast<float>(h);
        const float m = 4;
        Shadow(
            img, {0, 0, fw, fh},
            [=](float x, float y)
            { return SdRoundRect(x, y, m + 1, m + 3, fw - m + 1, fh - m + 3, fh * 0.35f); },
            3, WithAlpha(Rgb(0, 0, 0), look == ELook::Pressed ? 0.2f : 0.35f));
        Panel(img, m, m + dy, fw - m, fh - m + dy, fh * 0.35f, t, b, o, 2.5f);
        if (look == ELook::Hover)
            Stroke(
                img, {0, 0, fw, fh},
                [=](float x, float y)
                { return SdRoundRect(x, y, m - 1, m - 1, fw - m + 1, fh - m + 1, fh * 0.38f); },
                2, WithAlpha(Rgb(255, 250, 190), 0.8f));
        STextStyle style;
        style.size = fh * 0.42f;
        style.align = EAlign::Centre;
        style.colour = look == ELook::Disabled ? Rgb(220, 220, 220) : Rgb(255, 255, 240);
        style.outline = 1.6f;
        style.outlineColour = look == ELook::Disabled ? Rgb(90, 90, 90) : Rgb(24, 60, 24);
        float tx = fw / 2;
        if (arrow != 0)
        {
            const float ax = arrow > 0 ? fw - 26 : 26;
            Arrow(img, ax + 1, fh / 2 + dy + 1, fh * 0.32f, arrow, WithAlpha(style.outlineColour, 0.8f));
            Arrow(img, ax, fh / 2 + dy, fh * 0.32f, arrow, style.colour);
            tx += arrow > 0 ? -10 : 10;
        }
        DrawText(img, label, tx, fh / 2 + style.size * 0.36f + dy, style);
        looks.push_back(std::move(img));
    }
    return looks;
}

std::vector<CImage> CheckBoxLooks(int size, bool round)
{
    std::vector<CImage> looks;
    const float s = static_cast<float>(size);
    for (int i = 0; i < 4; ++i)
    {
        const bool checked = i >= 2, hover = i % 2 == 1;
        CImage img(size, size);
        const SBox all{0, 0, s, s};
        auto box = [=](float x, float y)
        {
            return round ? SdCircle(x, y, s / 2, s / 2, s * 0.4f)
                         : SdRoundRect(x, y, s * 0.1f, s * 0.1f, s * 0.9f, s * 0.9f, s * 0.15f);
        };
        Shadow(
            img, all, [=](float x, float y) { return box(x - 1, y - 1.5f); }, 2,
            WithAlpha(Rgb(0, 0, 0), 0.35f));
        Fill(img, all, box,
             LinearGradient({0, 0}, hover ? Rgb(255, 255, 235) : Rgb(250, 246, 230), {0, s},
                            hover ? Rgb(236, 230, 190) : Rgb(214, 206, 180)));
        Stroke(img, all, box, 2, hover ? Rgb(200, 140, 20) : Rgb(70, 60, 40));
        if (checked)
        {
            if (round)
                Fill(
                    img, all, [=](float x, float y) { return SdCircle(x, y, s / 2, s / 2, s * 0.22f); },
                    RadialGradient({s * 0.45f, s * 0.45f}, s * 0.25f, Rgb(140, 220, 110), Rgb(40, 130, 40)));
            else
            {
                const SPoint a{s * 0.25f, s * 0.5f}, b{s * 0.43f, s * 0.7f}, c{s * 0.78f, s * 0.22f};
                auto tick = [=](float x, float y)
                { return std::min(SdSegment(x, y, a, b, s * 0.07f), SdSegment(x, y, b, c, s * 0.07f)); };
                Fill(img, all, tick, Rgb(40, 140, 40));
                Stroke(img, all, tick, 1, Rgb(20, 70, 20));
            }
        }
        looks.push_back(std::move(img));
    }
    return looks;
}

std::vector<CImage> ThumbLooks(int w, int h)
{
    std::vector<CImage> looks;
    for (int i = 0; i < 2; ++i)
    {
        CImage img(w, h);
        const float fw = static_cast<float>(w), fh = static_cast<float>(h);
        const SBox all{0, 0, fw, fh};
        auto d = [=](float x, float y) { return SdCircle(x, y, fw / 2, fh / 2, fw * 0.4f); };
        Shadow(
            img, all, [=](float x, float y) { return d(x - 1, y - 2); }, 2.5f, WithAlpha(Rgb(0, 0, 0), 0.4f));
        const SColour face = i == 0 ? Rgb(250, 200, 60) : Rgb(255, 236, 130);
        Fill(img, all, d,
             RadialGradient({fw * 0.4f, fh * 0.38f}, fw * 0.5f, Shade(face, 1.3f), Shade(face, 0.75f)));
        Stroke(img, all, d, 2, Rgb(120, 80, 10));
        for (int k = -1; k <= 1; ++k)
            Fill(
                img, all,
                [=](float x, float y) {
                    return SdSegment(x, y, {fw / 2 + k * 4.0f, fh * 0.36f}, {fw / 2 + k * 4.0f, fh * 0.64f},
                                     0.8f);
                },
                WithAlpha(Rgb(120, 80, 10), 0.7f));
        looks.push_back(std::move(img));
    }
    return looks;
}

std::vector<CImage> EditBoxLooks(int w, int h)
{
    std::vector<CImage> looks;
    for (int i = 0; i < 2; ++i)
    {
        CImage img(w, h);
        const float fw = static_cast<float>(w), fh = static_cast<float>(h);
        const SBox all{0, 0, fw, fh};
        auto d = [=](float x, float y) { return SdRoundRect(x, y, 3, 3, fw - 3, fh - 3, 10); };
        Fill(img, all, d, LinearGradient({0, 0}, Rgb(30, 52, 30, 0.85f), {0, fh}, Rgb(56, 86, 50, 0.85f)));
        Stroke(img, all, d, i == 1 ? 3.0f : 2.0f, i == 1 ? Rgb(255, 220, 90) : Rgb(150, 170, 130));
        looks.push_back(std::move(img));
    }
    return looks;
}

namespace
{
// The shapes the bonus icons are made of, drawn round the icon's centre at a
// scale where the icon is 48 units wide; greyed for a disabled button.
class CIconPainter
{
  public:
    CIconPainter(CImage& img, float cx, float cy, float size, bool grey)
        : m_img(img), m_all{0, 0, static_cast<float>(img.Width()), static_cast<float>(img.Height())},
          m_cx(cx), m_cy(cy), m_u(size / 48.0f), m_grey(grey)
    {
    }

    SColour Col(SColour c) const { return m_grey ? Grey(c) : c; }

    // A flower of `colour`, s pixels wide, centred at (x, y).
    void Flower(int colour, float x, float y, float s)
    {
        CImage f = RenderFlower(colour, 1.0f, static_cast<int>(s));
        if (m_grey)
            for (int yy = 0; yy < f.PixelHeight(); ++yy)
                for (int xx = 0; xx < f.PixelWidth(); ++xx)
                    f.At(xx, yy) = Grey(f.At(xx, yy));
        m_img.Paste(f, static_cast<int>(x - s / 2), static_cast<int>(y - s / 2));
    }

    // An arrow through (x, y) pointing right (dir 1) or left (-1).
    void Arrow(float x, float y, int dir, SColour c)
    {
        const float u = m_u;
        const float d = static_cast<float>(dir);
        const std::vector<SPoint> shape = {{x - d * 7 * u, y - 3 * u}, {x + d * 1 * u, y - 3 * u},
                                           {x + d * 1 * u, y - 8 * u}, {x + d * 9 * u, y},
                                           {x + d * 1 * u, y + 8 * u}, {x + d * 1 * u, y + 3 * u},
                                           {x - d * 7 * u, y + 3 * u}};
        FillAndStroke([=](float px, float py) { return SdPolygon(px, py, shape); }, c, 1.2f * u,
                      Rgb(30, 30, 30));
    }

    void Dice(SColour c)
    {
        const float u = m_u, cx = m_cx, cy = m_cy;
        FillAndStroke(
            [=](float x, float y)
            { return SdRoundRect(x, y, cx - 10 * u, cy - 10 * u, cx + 10 * u, cy + 10 * u, 4 * u); },
            c, 1.5f * u, Rgb(40, 40, 40));
        for (const SPoint p : {SPoint{-5, -5}, SPoint{5, 5}, SPoint{0, 0}, SPoint{5, -5}, SPoint{-5, 5}})
            Fill(
                m_img, m_all,
                [=](float x, float y) { return SdCircle(x, y, cx + p.x * u, cy + p.y * u, 2 * u); },
                Col(Rgb(30, 30, 30)));
    }

    void Brush()
    {
        const float u = m_u, cx = m_cx, cy = m_cy;
        Fill(
            m_img, m_all,
            [=](float x, float y) {
                return SdSegment(x, y, {cx + 4 * u, cy + 4 * u}, {cx + 14 * u, cy - 12 * u}, 2.2f * u);
            },
            Col(Rgb(150, 90, 40)));
        Fill(
            m_img, m_all, [=](float x, float y) { return SdCircle(x, y, cx + 3 * u, cy + 6 * u, 3.5f * u); },
            Col(Rgb(40, 140, 250)));
    }

    void Halo()
    {
        const float u = m_u, cx = m_cx, cy = m_cy;
        Stroke(
            m_img, m_all, [=](float x, float y) { return SdCircle(x, y, cx, cy, 12 * u); }, 3 * u,
            Col(Rgb(255, 230, 120)));
    }

    void Hourglass()
    {
        const float u = m_u, cx = m_cx, cy = m_cy;
        FillAndStroke(
            [=](float x, float y)
            {
                return SdPolygon(x, y,
                                 {{cx - 9 * u, cy - 12 * u},
                                  {cx + 9 * u, cy - 12 * u},
                                  {cx, cy},
                                  {cx + 9 * u, cy + 12 * u},
                                  {cx - 9 * u, cy + 12 * u},
                                  {cx, cy}});
            },
            Rgb(250, 226, 150), 1.6f * u, Rgb(90, 60, 20));
    }

    void Heart()
    {
        const float u = m_u, cx = m_cx, cy = m_cy;
        auto heart = [=](float x, float y)
        {
            const float hx = (x - cx) / u, hy = (y - cy) / u;
            return std::min({SdCircle(hx, hy, -5, -3, 6.5f), SdCircle(hx, hy, 5, -3, 6.5f),
                             SdPolygon(hx, hy, {{-11, -1}, {11, -1}, {0, 12}})}) *
                   u;
        };
        Fill(
            m_img, m_all, heart,
            RadialGradient({cx - 4 * u, cy - 6 * u}, 18 * u, Col(Rgb(255, 140, 150)), Col(Rgb(200, 30, 50))));
        Stroke(m_img, m_all, heart, 1.5f * u, Col(Rgb(100, 10, 20)));
    }

    float Unit() const { return m_u; }

  private:
    template <class Sd> void FillAndStroke(const Sd& sd, SColour fill, float width, SColour line)
    {
        Fill(m_img, m_all, sd, Col(fill));
        Stroke(m_img, m_all, sd, width, Col(line));
    }

    CImage& m_img;
    const SBox m_all;
    const float m_cx, m_cy, m_u;
    const bool m_grey;
};
} // namespace

void PaintBonusIcon(CImage& img, int bonus, float cx, float cy, float size, bool grey)
{
    CIconPainter p(img, cx, cy, size, grey);
    const float u = p.Unit();
    switch (static_cast<NGame::EBonusKind>(bonus))
    {
    case NGame::BonusSingleRepaint:
        p.Flower(0, cx, cy, 30 * u);
        p.Brush();
        break;
    case NGame::BonusZoneRepaint:
        p.Flower(2, cx - 8 * u, cy - 5 * u, 20 * u);
        p.Flower(2, cx + 8 * u, cy - 5 * u, 20 * u);
        p.Flower(2, cx, cy + 8 * u, 20 * u);
        break;
    case NGame::BonusFreeRandomize:
        p.Dice(Rgb(250, 250, 240));
        break;
    case NGame::BonusForward3:
        p.Arrow(cx, cy, 1, Rgb(110, 210, 90));
        break;
    case NGame::BonusForward6:
        p.Arrow(cx - 8 * u, cy, 1, Rgb(110, 210, 90));
        p.Arrow(cx + 4 * u, cy, 1, Rgb(150, 230, 120));
        break;
    case NGame::BonusSelfRepaint:
        p.Halo();
        p.Flower(4, cx, cy, 20 * u);
        break;
    case NGame::BonusSkipMove:
        p.Hourglass();
        break;
    case NGame::BonusBackward3:
        p.Arrow(cx, cy, -1, Rgb(240, 110, 90));
        break;
    case NGame::BonusBackward6:
        p.Arrow(cx + 8 * u, cy, -1, Rgb(240, 110, 90));
        p.Arrow(cx - 4 * u, cy, -1, Rgb(250, 150, 120));
        break;
    case NGame::BonusApponentRandomize:
        p.Dice(Rgb(250, 150, 140));
        break;
    case NGame::BonusLife:
        p.Heart();
        break;
    case NGame::BonusKindCount: // no kind, no icon
        break;
    }
}

std::vector<CImage> BonusButtonLooks(int bonus, int size)
{
    std::vector<CImage> looks;
    const float s = static_cast<float>(size);
    for (int i = 0; i < 4; ++i)
    {
        const ELook look = static_cast<ELook>(i);
        CImage img(size, size);
        const SBox all{0, 0, s, s};
        const bool grey = look == ELook::Disabled;
        const float dy = look == ELook::Pressed ? 1 : 0;
        auto disc = [=](float x, float y)
        { return SdRoundRect(x, y, 3, 3 + dy, s - 3, s - 3 + dy, s * 0.28f); };
        Shadow(
            img, all, [=](float x, float y) { return disc(x - 1, y - 2); }, 2, WithAlpha(Rgb(0, 0, 0), 0.4f));
        SColour a = Rgb(250, 240, 200), b = Rgb(200, 170, 110);
        if (look == ELook::Hover)
            a = Rgb(255, 252, 230), b = Rgb(236, 206, 130);
        if (look == ELook::Pressed)
            a = Rgb(200, 170, 110), b = Rgb(240, 226, 180);
        if (grey)
            a = Rgb(170, 170, 170, 0.8f), b = Rgb(120, 120, 120, 0.8f);
        Fill(img, all, disc, LinearGradient({0, 0}, a, {0, s}, b));
        Stroke(img, all, disc, 2, look == ELook::Hover ? Rgb(230, 150, 20) : Rgb(90, 64, 30));
        PaintBonusIcon(img, bonus, s / 2, s / 2 + dy, s * 0.95f, grey);
        if (grey)
            Fill(img, all, disc, WithAlpha(Rgb(90, 90, 90), 0.35f));
        looks.push_back(std::move(img));
    }
    return looks;
}
} // namespace NDatagen
