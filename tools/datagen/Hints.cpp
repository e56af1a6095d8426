// The in-game hints: one picture per record with its text painted in, and
// "dat/hints/hints.xml" giving each picture's place and its check box's.
// Ten tutorial hints come first, then the wrong-colour hint, then the moving
// set's own hint, which a moving game shows instead of the tutorial.
#include "catalogue/Texts.h"
#include "tools/datagen/Generate.h"
#include "tools/datagen/Layout.h"
#include "tools/datagen/Output.h"
#include "tools/datagen/Painter.h"
#include "tools/datagen/Screens.h"
#include "tools/datagen/Text.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

namespace NDatagen
{
namespace
{
using NTexts::EText;
using NTexts::Text;

struct SHint
{
    float x, y;             // picture's top-left on the screen
    int w, h;               // picture size
    float targetX, targetY; // screen point the hint points at; < 0 for none
    const char* title;
    const char* text;
};

// Screen points the hints refer to: the status numbers the game draws, a
// little above their baselines.
constexpr NPlaces::SPlace NearNumber(NPlaces::EPlace id, float dx, float dy)
{
    NPlaces::SPlace place = NPlaces::Place(id);
    place.m_x += dx;
    place.m_y += dy;
    return place;
}
constexpr NPlaces::SPlace kFlowers = NearNumber(NPlaces::EPlace::kFlowersNumber, 0, -10);
constexpr NPlaces::SPlace kRival = NearNumber(NPlaces::EPlace::kRivalNumber, 0, -10);
constexpr NPlaces::SPlace kPurse = NearNumber(NPlaces::EPlace::kPurse, 0, -6);
constexpr NPlaces::SPlace kLives = NearNumber(NPlaces::EPlace::kLivesNumber, -2, 0);
constexpr NPlaces::SPlace kLevel = NearNumber(NPlaces::EPlace::kLevelNumber, 0, -5);

const std::vector<SHint> kHints = {
    {144, 108, 512, 384, -1, -1, Text(EText::kWelcome), ""},
    {36, 306, 360, 132, 28, 282, Text(EText::kHomeTitle), Text(EText::kHomeText)},
    // These three open together: none covers another.
    {130, 10, 280, 76, kFlowers.m_x, kFlowers.m_y, Text(EText::kFlowersTitle), Text(EText::kFlowersText)},
    {446, 128, 260, 128, kRival.m_x, kRival.m_y, Text(EText::kRivalTitle), Text(EText::kRivalText)},
    {100, 140, 280, 76, kPurse.m_x, kPurse.m_y, Text(EText::kPurseTitle), Text(EText::kPurseText)},
    {200, 396, 400, 132, 400, 560, Text(EText::kBonusesTitle), Text(EText::kBonusesText)},
    {150, 330, 420, 104, -1, -1, Text(EText::kCoinsTitle), Text(EText::kCoinsText)},
    {0, 0, 220, 84, 0, 0, Text(EText::kThisOneTitle), Text(EText::kThisOneText)},
    {110, 372, 330, 104, kLives.m_x, kLives.m_y, Text(EText::kLivesTitle), Text(EText::kLivesText)},
    {420, 380, 340, 116, kLevel.m_x, kLevel.m_y, Text(EText::kLevelTitle), Text(EText::kLevelText)},
    {200, 236, 400, 112, -1, -1, Text(EText::kWrongColourTitle), Text(EText::kWrongColourText)},
};
// Marked set="moving" in the file; above the middle row, which it is about,
// its tail pointing to the rival's flower at the row's far end.
const std::vector<SHint> kMovingHints = {
    {200, 110, 400, 112, 780, 300, Text(EText::kMovingTitle), Text(EText::kMovingText)},
};

constexpr float kCheckMargin = 12;
constexpr float kTextTop = 54, kLineStep = 17;
// The row along the bottom: the game's check box, "show hints" beside it and
// the closing words at the right, kept apart by at least kFooterGap.
constexpr const char* kShowHints = Text(EText::kShowHints);
constexpr const char* kCloseWords = Text(EText::kCloseHint);
constexpr float kFooterSize = 12, kFooterGap = 16, kFooterRight = 16;
constexpr float kShowHintsX = kCheckMargin + kHintCheck + 4;

STextStyle BodyStyle()
{
    STextStyle body;
    body.size = 14;
    body.colour = Rgb(60, 42, 24);
    return body;
}

// Grows a hint's picture so that the check-box row holds both of its texts
// and the text above clears that row.
SHint Fitted(SHint h)
{
    const float footer =
        kShowHintsX + TextWidth(kShowHints, kFooterSize) + kFooterGap + TextWidth(kCloseWords, kFooterSize);
    h.w = std::max(h.w, static_cast<int>(std::ceil(footer + kFooterRight)));
    if (h.w < 400 || h.h < 300)
    {
        CImage scratch(h.w, 400);
        const float last = DrawParagraph(scratch, h.text, 22, kTextTop, h.w - 44.0f, kLineStep, BodyStyle());
        h.h = std::max(h.h, static_cast<int>(last + 10 + kHintCheck + kCheckMargin));
    }
    return h;
}

// The bubble, with a tail towards the target when there is one.
void Bubble(CImage& img, const SHint& h)
{
    const float w = static_cast<float>(h.w), ht = static_cast<float>(h.h);
    const float m = 10;
    const SBox all{0, 0, w, ht};
    auto body = [=](float x, float y) { return SdRoundRect(x, y, m, m, w - m, ht - m, 14); };
    FDistance shape = body;
    if (h.targetX >= 0)
    {
        // Tail from the bubble's centre towards the target, cut at the
        // picture's edge.
        const float tx = h.targetX - h.x, ty = h.targetY - h.y;
        const float cx = w / 2, cy = ht / 2;
        float dx = tx - cx, dy = ty - cy;
        const float len = Length(dx, dy);
        dx /= len;
        dy /= len;
        float reach = len;
        if (dx > 0)
            reach = std::min(reach, (w - 2 - cx) / dx);
        if (dx < 0)
            reach = std::min(reach, (2 - cx) / dx);
        if (dy > 0)
            reach = std::min(reach, (ht - 2 - cy) / dy);
        if (dy < 0)
            reach = std::min(reach, (2 - cy) / dy);
        const SPoint tip{cx + dx * reach, cy + dy * reach};
        const float side = std::min(w, ht) * 0.18f;
        const SPoint a{cx - dy * side, cy + dx * side}, b{cx + dy * side, cy - dx * side};
        shape = [=](float x, float y) { return std::min(body(x, y), SdPolygon(x, y, {a, tip, b})); };
    }
    Shadow(
        img, all, [=](float x, float y) { return shape(x - 2, y - 3); }, 4, WithAlpha(Rgb(0, 0, 0), 0.4f));
    Fill(img, all, shape, LinearGradient({0, 0}, Rgb(255, 252, 232), {0, ht}, Rgb(240, 228, 190)));
    Stroke(img, all, shape, 2.5f, Rgb(140, 100, 50));
}

CImage HintPicture(const SHint& h, bool first)
{
    CImage img(h.w, h.h);
    Bubble(img, h);
    STextStyle title;
    title.size = first ? 28 : 17;
    title.colour = Rgb(170, 70, 40);
    title.align = EAlign::Centre;
    STextStyle body = BodyStyle();
    if (first)
    {
        Title(img, h.title, h.w / 2.0f, 52, 30);
        body.size = 15;
        // The game draws its animations in the spaces these paragraphs leave:
        // the board, the pie, the flower and coin (the kHint places).
        DrawParagraph(img, Text(EText::kWelcomeMove), 158, 96, 186, 19, body);
        DrawParagraph(img, Text(EText::kWelcomeWin), 158, 214, 300, 19, body);
        DrawParagraph(img, Text(EText::kWelcomeCoins), 140, 276, 330, 19, body);
    }
    else
    {
        DrawText(img, h.title, h.w / 2.0f, 34, title);
        DrawParagraph(img, h.text, 22, kTextTop, h.w - 44.0f, kLineStep, body);
    }
    STextStyle small;
    small.size = kFooterSize;
    small.colour = Rgb(90, 70, 40);
    const float cbY = h.h - kCheckMargin - kHintCheck;
    DrawText(img, kShowHints, kShowHintsX, cbY + 21, small);
    small.align = EAlign::Right;
    DrawText(img, kCloseWords, h.w - kFooterRight, cbY + 21, small);
    return img;
}
} // namespace

void WriteHints(COutput& out)
{
    std::vector<SHint> hints = kHints;
    hints.insert(hints.end(), kMovingHints.begin(), kMovingHints.end());
    std::string xml = "<hints>\n";
    for (size_t i = 0; i < hints.size(); ++i)
    {
        const SHint h = Fitted(hints[i]);
        char name[64];
        std::snprintf(name, sizeof name, "dat/hints/hint%02zu.tga", i);
        out.WriteTga(name, HintPicture(h, i == 0));
        char line[200];
        std::snprintf(line, sizeof line,
                      "  <hint%s posx=\"%g\" posy=\"%g\" posxcb=\"%g\" posycb=\"%g\"></hint>\n",
                      i < kHints.size() ? "" : " set=\"moving\"", h.x, h.y, kCheckMargin + 2,
                      h.h - kCheckMargin - kHintCheck);
        xml += line;
    }
    xml += "</hints>\n";
    out.WriteText("dat/hints/hints.xml", xml);
}
} // namespace NDatagen
